#include "cNetURL.h"

#include <curl/curl.h>

#include <cctype>
#include <memory>

#include "UpdaterApp.h"

namespace nv {

namespace {

constexpr const char* kFailure = NV_TRANSLATE_NOOP("VbError", "cNetURL component failure");

template <class F>
auto trapped(const char* procedure, F&& body) -> decltype(body()) {
    return classTrap(kErrNetURLFailure, AppName() + ".cNetURL.", procedure, kFailure, std::forward<F>(body));
}

struct UrlDeleter {
    void operator()(CURLU* u) const { curl_url_cleanup(u); }
};
using Url = std::unique_ptr<CURLU, UrlDeleter>;

Url newUrl() {
    Url u(curl_url());
    if (!u) raiseError(kErrOutOfMemory, "");
    return u;
}

// A part of a parsed URL; empty when it is not there.
bool getPart(CURLU* u, CURLUPart part, std::string& out, unsigned flags = 0) {
    char* p = nullptr;
    if (curl_url_get(u, part, &p, flags) != CURLUE_OK || !p) {
        out.clear();
        return false;
    }
    out = p;
    curl_free(p);
    return true;
}

constexpr unsigned kParseFlags = CURLU_NON_SUPPORT_SCHEME | CURLU_PATH_AS_IS | CURLU_ALLOW_SPACE;

struct SchemeInfo {
    const char* name;
    int32_t number;
    int32_t port;
    bool hierarchical;  // written with "//" and an authority
};
constexpr SchemeInfo kSchemes[] = {
    {"ftp", kSchemeFtp, 21, true},         {"gopher", kSchemeGopher, 70, true},  {"http", kSchemeHttp, 80, true},
    {"https", kSchemeHttps, 443, true},    {"file", kSchemeFile, 0, true},       {"news", kSchemeNews, 0, false},
    {"mailto", kSchemeMailto, 0, false},   {"socks", kSchemeSocks, 1080, true},  {"javascript", kSchemeJavascript, 0, false},
    {"vbscript", kSchemeVbscript, 0, false}, {"res", kSchemeRes, 0, true},
};

const SchemeInfo* schemeByNumber(int32_t n) {
    for (const auto& s : kSchemes)
        if (s.number == n) return &s;
    return nullptr;
}

// The scheme name at the start of a URL ("http" of "HTTP://h/"); empty when there is none.
std::string leadingScheme(const std::string& url) {
    size_t i = 0;
    while (i < url.size() && (std::isalnum(static_cast<unsigned char>(url[i])) || url[i] == '+' || url[i] == '-' || url[i] == '.')) ++i;
    if (i == 0 || i >= url.size() || url[i] != ':' || !std::isalpha(static_cast<unsigned char>(url[0]))) return {};
    return url.substr(0, i);
}

bool isHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

std::string percentDecode(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && isHex(s[i + 1]) && isHex(s[i + 2])) {
            out.push_back(static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

// Escapes what a URL may not hold as it stands, as the Style asks.
std::string encodeUnsafe(const std::string& s, int32_t style) {
    static const char* kHex = "0123456789ABCDEF";
    std::string out;
    bool afterQuery = false;
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '?' || ch == '#') afterQuery = true;
        bool escape;
        if (style & kIcuEncodeSpacesOnly) escape = c == ' ';
        else escape = c <= 0x20 || c >= 0x7F || ch == '"' || ch == '<' || ch == '>' || ch == '\\' || ch == '^' ||
                      ch == '`' || ch == '{' || ch == '|' || ch == '}' || (ch == '%' && (style & kIcuEncodePercent));
        if ((style & kIcuBrowserMode) && afterQuery) escape = false;
        if (escape) {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

std::string finish(std::string url, int32_t style) {
    if (style & kIcuDecode) return percentDecode(url);
    if (style & kIcuNoEncode) return url;
    return encodeUnsafe(url, style);
}

}  // namespace

int32_t cNetURL::SchemeNumber(const std::string& name) {
    for (const auto& s : kSchemes)
        if (EqualsNoCase(name, s.name)) return s.number;
    return kSchemeUnknown;
}

std::string cNetURL::SchemeName(int32_t scheme) {
    const SchemeInfo* s = schemeByNumber(scheme);
    return s ? s->name : "";
}

int32_t cNetURL::DefaultPort(int32_t scheme) {
    const SchemeInfo* s = schemeByNumber(scheme);
    return s ? s->port : 0;
}

std::string cNetURL::HostHame() const {
    return trapped("HostHame", [&] { return hostName_; });
}

void cNetURL::HostHame(const std::string& value) {
    trapped("HostHame", [&] { hostName_ = value; });
}

bool cNetURL::CrackUrl(const std::string& strSourceURL) {
    return trapped("CrackUrl", [&] {
        const std::string blanks(1024, ' ');
        hostName_ = userName_ = password_ = urlPath_ = extraInfo_ = blanks;
        const std::string schemeName = leadingScheme(strSourceURL);
        if (schemeName.empty()) return false;
        const int32_t number = SchemeNumber(schemeName);
        const std::string rest = strSourceURL.substr(schemeName.size() + 1);
        if (rest.compare(0, 2, "//") != 0) {
            // An opaque URL (mailto:, news:, javascript:): everything after the scheme is the path.
            if (number == kSchemeUnknown || schemeByNumber(number)->hierarchical) return false;
            const size_t extra = rest.find_first_of("?#");
            scheme_ = number;
            port_ = DefaultPort(number);
            hostName_ = userName_ = password_ = "";
            urlPath_ = rest.substr(0, extra);
            extraInfo_ = extra == std::string::npos ? "" : rest.substr(extra);
            return true;
        }
        Url u = newUrl();
        if (curl_url_set(u.get(), CURLUPART_URL, strSourceURL.c_str(), kParseFlags) != CURLUE_OK) return false;
        std::string host, user, password, path, query, fragment, port;
        getPart(u.get(), CURLUPART_HOST, host);
        getPart(u.get(), CURLUPART_USER, user);
        getPart(u.get(), CURLUPART_PASSWORD, password);
        getPart(u.get(), CURLUPART_PATH, path);
        const bool hasQuery = getPart(u.get(), CURLUPART_QUERY, query);
        const bool hasFragment = getPart(u.get(), CURLUPART_FRAGMENT, fragment);
        scheme_ = number;
        port_ = getPart(u.get(), CURLUPART_PORT, port) ? static_cast<int32_t>(std::stol(port)) : DefaultPort(number);
        hostName_ = host;
        userName_ = user;
        password_ = password;
        urlPath_ = path;
        extraInfo_ = (hasQuery ? "?" + query : "") + (hasFragment ? "#" + fragment : "");
        return true;
    });
}

std::string cNetURL::CreateURL() const {
    return trapped("CreateURL", [&]() -> std::string {
        const SchemeInfo* s = schemeByNumber(scheme_);
        if (!s) return {};
        std::string url = std::string(s->name) + ":";
        if (!s->hierarchical) return url + urlPath_ + extraInfo_;
        url += "//";
        if (!userName_.empty()) {
            url += userName_;
            if (!password_.empty()) url += ":" + password_;
            url += "@";
        }
        url += hostName_;
        if (port_ != 0 && port_ != s->port) {
            url += ':';
            url += std::to_string(port_);
        }
        if (!urlPath_.empty() && urlPath_[0] != '/') url += '/';
        url += urlPath_ + extraInfo_;
        return url;
    });
}

std::string cNetURL::CombineUrl(const std::string& strBaseUrl, const std::string& strRelativeUrl, int32_t Style) const {
    return trapped("CombineUrl", [&]() -> std::string {
        if (strBaseUrl.empty() || strRelativeUrl.empty()) return {};
        const unsigned flags = CURLU_NON_SUPPORT_SCHEME | CURLU_ALLOW_SPACE | ((Style & kIcuNoMeta) ? CURLU_PATH_AS_IS : 0u);
        Url u = newUrl();
        if (curl_url_set(u.get(), CURLUPART_URL, strBaseUrl.c_str(), flags) != CURLUE_OK) return {};
        if (curl_url_set(u.get(), CURLUPART_URL, strRelativeUrl.c_str(), flags) != CURLUE_OK) return {};
        std::string out;
        if (!getPart(u.get(), CURLUPART_URL, out)) return {};
        return finish(out, Style);
    });
}

std::string cNetURL::CanonicalizeUrl(const std::string& strSourceURL, int32_t Style) const {
    return trapped("CanonicalizeUrl", [&]() -> std::string {
        if (strSourceURL.empty()) return {};
        const unsigned flags = CURLU_NON_SUPPORT_SCHEME | CURLU_ALLOW_SPACE | ((Style & kIcuNoMeta) ? CURLU_PATH_AS_IS : 0u);
        Url u = newUrl();
        if (curl_url_set(u.get(), CURLUPART_URL, strSourceURL.c_str(), flags) != CURLUE_OK) return {};
        std::string out;
        if (!getPart(u.get(), CURLUPART_URL, out)) return {};
        return finish(out, Style);
    });
}

}  // namespace nv
