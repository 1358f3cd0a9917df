// cNetGet's session and its downloads (ReadUrl); its connection check, page scan and error texts
// are cNetProbe.cpp, cNetHtml.cpp and cNetErrors.cpp, with what they share in cNetTransfer.h.
#include "cNetGet.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "VbConv.h"
#include "cNetTransfer.h"

#ifndef NOORVALE_HOME_PAGE
#define NOORVALE_HOME_PAGE "https://www.orven.example/"
#endif

namespace nv {

const char* const kMakerHomePage = NOORVALE_HOME_PAGE;

namespace netget {

void globalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t Transfer::onHeader(char* data, size_t size, size_t n, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const std::string line(data, size * n);
    t->lastActivity = std::chrono::steady_clock::now();
    if (line.compare(0, 5, "HTTP/") == 0) {
        t->reason.clear();
        t->headersDone = false;
        t->location = false;
        const size_t sp = line.find(' ');
        t->status = sp == std::string::npos ? 0 : std::strtol(line.c_str() + sp + 1, nullptr, 10);
    } else if (line.size() >= 9 && EqualsNoCase(line.substr(0, 9), "location:")) {
        t->location = true;
    } else if (line == "\r\n" || line == "\n") {
        const bool interim = t->status >= 100 && t->status < 200;
        const bool redirected = t->status >= 300 && t->status < 400 && t->location;
        if (!interim && !redirected) t->headersDone = true;
    }
    return size * n;
}

size_t Transfer::onBody(char* data, size_t size, size_t n, void* self) {
    auto* t = static_cast<Transfer*>(self);
    if (t->status >= 400) return 0;  // an error page is not the file asked for: none of it is kept
    t->bodyBytes += size * n;
    t->lastActivity = std::chrono::steady_clock::now();
    if (t->sizeLimit != 0 && t->bodyBytes > t->sizeLimit) {
        t->tooLarge = true;
        return 0;
    }
    try {
        if (t->sink && !t->sink(data, size * n)) return 0;
    } catch (...) {
        t->error = std::current_exception();
        return 0;
    }
    return size * n;
}

int Transfer::onProgress(void* self, curl_off_t dltotal, curl_off_t dlnow, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(self);
    try {
        if (t->pump) t->pump();
    } catch (...) {
        t->error = std::current_exception();
        return 1;
    }
    const auto now = std::chrono::steady_clock::now();
    if (dlnow != t->lastNow) {
        t->lastNow = dlnow;
        t->lastActivity = now;
    }
    if (std::chrono::duration_cast<std::chrono::milliseconds>(now - t->lastActivity).count() > t->stallMs) {
        t->stalled = true;
        return 1;  // ends the transfer
    }
    // The size the read may bring: the announced length, never more than the limit.
    uint64_t expected = dltotal > 0 ? static_cast<uint64_t>(dltotal) : 0;
    if (t->sizeLimit != 0 && (expected == 0 || expected > t->sizeLimit)) expected = t->sizeLimit;
    const int minutes = cNetGet::DeadlineMinutes(expected);
    if (std::chrono::duration_cast<std::chrono::milliseconds>(now - t->started).count() >
        static_cast<int64_t>(minutes) * t->minuteMs) {
        t->deadlineMinutes = minutes;
        return 1;
    }
    return 0;
}

// An easy handle set up as every URL of the session is opened: always from the server, nothing
// cached, the connection kept, redirects followed, the application's title as the agent.
std::unique_ptr<CURL, EasyDeleter> openEasy(const std::string& url, Transfer& t, curl_slist* headers, long connectMs,
                                            long stallMs, long minuteMs, char* errorBuffer) {
    std::unique_ptr<CURL, EasyDeleter> h(curl_easy_init());
    if (!h) return h;
    CURL* c = h.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, AppName().c_str());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https,ftp,ftps");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
    // The stall watch runs in the progress function; libcurl's own low-speed limit stays as a backstop.
    t.stallMs = stallMs;
    t.minuteMs = minuteMs;
    t.lastActivity = t.started = std::chrono::steady_clock::now();
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, stallMs / 1000 + 10);
    curl_easy_setopt(c, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &Transfer::onHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Transfer::onBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &Transfer::onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &t);
    return h;
}

std::unique_ptr<curl_slist, ListDeleter> reloadHeaders() {
    curl_slist* l = curl_slist_append(nullptr, "Cache-Control: no-cache");
    if (l) l = curl_slist_append(l, "Pragma: no-cache");
    return std::unique_ptr<curl_slist, ListDeleter>(l);
}

}  // namespace netget

using namespace netget;

namespace {

constexpr size_t kBlock = 2048;

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

cNetGet::cNetGet() {
    globalInit();
    probes_.Add(kMakerHomePage, kMakerHomePage);
}

void cNetGet::Init(const std::optional<std::string>& UserAgent) {
    trapped("Init", [&] {
        userAgent_ = UserAgent ? *UserAgent : AppName();
        rawHtml_.clear();
        lastError_.clear();
        lastCode_ = 0;
    });
}

void cNetGet::SetUserAgent(const std::string& UserAgent) {
    trapped("SetUserAgent", [&] {
        if (!UserAgent.empty()) userAgent_ = UserAgent;
    });
}

void cNetGet::SetStatusWindow(StatusWindow window) { statusWindow_ = std::move(window); }
void cNetGet::SetEventPump(EventPump pump) { eventPump_ = std::move(pump); }
void cNetGet::SetBusyPointer(BusyPointer pointer) { busyPointer_ = std::move(pointer); }

void cNetGet::SetStatus(const std::string& text, bool pump) {
    if (statusWindow_) statusWindow_(text);
    if (pump && eventPump_) eventPump_();
}

void cNetGet::Busy(bool busy) {
    if (busyPointer_) busyPointer_(busy);
}

bool cNetGet::ReadUrl(const std::string& Url, const std::optional<std::string>& FileName) {
    bool result = false;
    std::string createdFile;  // removed again when the read fails
    try {
        Busy(true);
        httpStatus_ = 0;
        detail_.clear();
        SetStatus(Translate("cNetGet", "Opening Tarvo update page..."));
        std::unique_ptr<FILE, FileCloser> file;
        if (FileName) {
            file.reset(std::fopen(FileName->c_str(), "wb"));
            if (!file) throw VbError(kErrPathNotFound, "", fileErrorText(errno));
            createdFile = *FileName;
        }
        char errorBuffer[CURL_ERROR_SIZE] = {};
        Transfer t;
        t.pump = eventPump_;
        t.sizeLimit = sizeLimit_;
        auto headers = reloadHeaders();
        auto easy = openEasy(Url, t, headers.get(), connectTimeoutMs_, stallMs_, minuteMs_, errorBuffer);
        if (easy) {
            std::string page;  // becomes the raw HTML once the URL has opened
            uint64_t total = 0;
            std::string block;
            block.reserve(kBlock);
            std::string fileError;
            // One read of the platform: up to 2048 bytes, the buffer filled up with blanks.
            // The count is shown after every read; pending events run at most every 40 ms (and after
            // the last read), so a fast transfer is not slowed down by repainting.
            auto lastPumped = std::chrono::steady_clock::now();
            //: The download's status while it runs; %1 is the number of bytes read so far.
            const std::string readingText = Translate("cNetGet", "Reading Url: %1 bytes read");
            auto deliver = [&](const char* data, size_t n) -> bool {
                total += n;
                const auto now = std::chrono::steady_clock::now();
                const bool pump = n < kBlock || now - lastPumped >= std::chrono::milliseconds(40);
                if (pump) lastPumped = now;
                SetStatus(FillIn(readingText, {std::to_string(total)}), pump);
                if (n == 0) return true;
                if (file) {
                    std::string buffer(data, n);
                    buffer.resize(kBlock, ' ');
                    if (std::fwrite(buffer.data(), 1, kBlock, file.get()) != kBlock) {
                        fileError = fileErrorText(errno);
                        return false;
                    }
                } else {
                    page.append(data, n);
                }
                return true;
            };
            t.sink = [&](const char* data, size_t n) -> bool {
                while (n > 0) {
                    const size_t take = std::min(n, kBlock - block.size());
                    block.append(data, take);
                    data += take;
                    n -= take;
                    if (block.size() == kBlock) {
                        if (!deliver(block.data(), block.size())) return false;
                        block.clear();
                    }
                }
                return true;
            };
            const CURLcode rc = t.result(curl_easy_perform(easy.get()));
            t.rethrow();
            long osErrno = 0;
            curl_easy_getinfo(easy.get(), CURLINFO_OS_ERRNO, &osErrno);
            if (!fileError.empty()) throw VbError(kErrInvalidCall, "", fileError);
            if (t.deadlineMinutes > 0)
                detail_ = FillIn(Translate("cNetGet", "The download did not finish within %1 minutes."),
                                 {std::to_string(t.deadlineMinutes)});
            if (t.failedStatus()) {
                char* where = nullptr;
                curl_easy_getinfo(easy.get(), CURLINFO_EFFECTIVE_URL, &where);
                httpStatus_ = static_cast<int32_t>(t.status);
                //: %1 is the status the web server answered with ("404 Not Found"), %2 the address asked for.
                detail_ = FillIn(Translate("cNetGet", "The server answered %1 for %2."),
                                 {StatusText(httpStatus_), where ? std::string(where) : Url});
                lastCode_ = 12003;
                CheckError();
            } else if (t.tooLarge) {
                lastCode_ = 0;
                lastError_ = FillIn(Translate("cNetGet", "The download is larger than %1 bytes."), {std::to_string(sizeLimit_)});
            } else if (!t.opened(rc)) {
                lastCode_ = winInetCode(rc, osErrno);
                CheckError();
            } else {
                rawHtml_.clear();
                // The last, short read, then the read of nothing that ends the loop.
                if (!block.empty() && !deliver(block.data(), block.size())) throw VbError(kErrInvalidCall, "", fileError);
                if (rc != CURLE_OK) {
                    lastCode_ = winInetCode(rc, osErrno);  // the read failed midway
                    CheckError();
                } else {
                    lastCode_ = 0;
                }
                deliver(nullptr, 0);
                rawHtml_ = std::move(page);
                if (file) {
                    FILE* f = file.release();
                    if (std::fclose(f) != 0) throw VbError(kErrInvalidCall, "", fileErrorText(errno));
                }
                result = true;
            }
        } else {
            lastCode_ = 12001;  // no handle
            CheckError();
        }
        if (!result && !createdFile.empty()) std::remove(createdFile.c_str());
        SetStatus(Translate("cNetGet", "Ready"));
        Busy(false);
        return result;
    } catch (...) {
        lastError_ = currentError().description();
        if (!createdFile.empty()) std::remove(createdFile.c_str());
        Busy(false);
        return false;
    }
}

std::string cNetGet::GetRawHTML() const {
    return trapped("GetRawHTML", [&] { return TrimBlanks(rawHtml_); });
}

std::string cNetGet::GetLastError() const { return lastError_; }

void cNetGet::CheckError() {
    trapped("CheckError", [&] {
        if (lastCode_ > 0) lastError_ = detail_.empty() ? TranslateErrorCode(lastCode_) : detail_;
    });
}

int cNetGet::DeadlineMinutes(uint64_t expectedBytes) { return 10 + static_cast<int>(expectedBytes / (uint64_t{5} << 20)); }

void cNetGet::SetTimeouts(long connectMs, long stallMs) {
    connectTimeoutMs_ = connectMs > 0 ? connectMs : 1;
    stallMs_ = stallMs > 0 ? stallMs : 1;
}

}  // namespace nv
