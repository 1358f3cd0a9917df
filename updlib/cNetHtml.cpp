// cNetGet's scan of the page it read: the texts that follow a token.
#include "Translate.h"
#include "VbConv.h"
#include "cNetGet.h"
#include "cNetTransfer.h"

namespace nv {

using namespace netget;

std::string cNetGet::StripChars(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c < 9 || c > 13) out.push_back(c);
    return out;
}

bool cNetGet::ParseHTML(const std::string& Token, Collection& items, const std::optional<std::string>& Delimiters) {
    return trapped("ParseHTML", [&] {
        Busy(true);
        SetStatus(Translate("cNetGet", "Parsing page..."));
        bool result = false;
        if (Token.size() < rawHtml_.size()) {
            const std::string delimiters = LowerAscii(Delimiters ? *Delimiters : std::string("\">?#"));
            const std::string html = LowerAscii(rawHtml_), token = LowerAscii(Token);
            size_t at = token.empty() ? std::string::npos : html.find(token);
            while (at != std::string::npos) {
                const size_t start = at + token.size();
                size_t end = html.find_first_of(delimiters, start);
                if (end == std::string::npos || delimiters.empty()) end = html.size();
                const std::string item = StripChars(rawHtml_.substr(start, end - start));
                if (!item.empty()) items.Add(item, item);  // a duplicate key is skipped
                at = end + 1 >= html.size() ? std::string::npos : html.find(token, end + 1);
            }
            result = true;
        }
        SetStatus(Translate("cNetGet", "Ready"));
        Busy(false);
        return result;
    });
}

}  // namespace nv
