#include "cNetGet.h"

#include <curl/curl.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>

#include "UpdaterApp.h"
#include "VbConv.h"

#ifndef NOORVALE_HOME_PAGE
#define NOORVALE_HOME_PAGE "https://www.orven.example/"
#endif

namespace nv {

const char* const kMakerHomePage = NOORVALE_HOME_PAGE;

namespace {

constexpr const char* kFailure = NV_TRANSLATE_NOOP("VbError", "cNetGet component failure");
constexpr size_t kBlock = 2048;

template <class F>
auto trapped(const char* procedure, F&& body) -> decltype(body()) {
    return classTrap(kErrNetGetFailure, AppName() + ".cNetGet.", procedure, kFailure, std::forward<F>(body));
}

void globalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// The platform's Internet error code for a libcurl failure.
int32_t winInetCode(CURLcode code, long osErrno) {
    switch (code) {
    case CURLE_OK: return 0;
    case CURLE_UNSUPPORTED_PROTOCOL: return 12006;
    case CURLE_URL_MALFORMAT: return 12005;
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST: return 12007;
    case CURLE_COULDNT_CONNECT: return 12029;
    case CURLE_OPERATION_TIMEDOUT: return 12002;
    case CURLE_ABORTED_BY_CALLBACK: return 12017;
    case CURLE_LOGIN_DENIED: return 12015;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND: return 12003;
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE: return 12030;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR: return osErrno == ECONNRESET ? 12031 : 12030;
    case CURLE_TOO_MANY_REDIRECTS: return 12156;    // redirect failed
    case CURLE_PEER_FAILED_VERIFICATION: return 12045;  // certificate authority not trusted
    case CURLE_SSL_CONNECT_ERROR: return 12157;     // secure channel error
    case CURLE_WEIRD_SERVER_REPLY: return 12152;    // invalid server response
    default: return 12004;
    }
}

// The run-time error of a failed file operation, for the last error text.
std::string fileErrorText(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR: return Translate("cNetGet", "Path not found");
    case ENOSPC:
    case EDQUOT: return Translate("cNetGet", "Disk full");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return Translate("cNetGet", "Path/File access error");
    default: return Translate("cNetGet", "Device I/O error");
    }
}

// One transfer of ReadUrl or TryTheWire.
struct Transfer {
    std::function<void()> pump;
    // Headers: whether a final response's headers have come in full.
    long status = 0;
    std::string reason;
    bool location = false;
    bool headersDone = false;
    bool probeOnly = false;
    // Body.
    std::function<bool(const char*, size_t)> sink;  // false: stop the transfer
    uint64_t bodyBytes = 0;
    uint64_t sizeLimit = 0;  // 0: none
    bool tooLarge = false;
    // Stall watch: the last moment a byte came in, and whether the watch ended the transfer.
    long stallMs = 30000;
    std::chrono::steady_clock::time_point lastActivity = std::chrono::steady_clock::now();
    curl_off_t lastNow = -1;
    bool stalled = false;
    // Overall deadline: from the start, so many minutes of `minuteMs` as the expected size earns.
    long minuteMs = 60000;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    int deadlineMinutes = 0;  // the deadline that ran out; 0 while none did

    static size_t onHeader(char* data, size_t size, size_t n, void* self) {
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

    // An error raised by the caller's functions (status window, event pump) must not cross
    // libcurl: it ends the transfer and is raised again once libcurl has returned.
    std::exception_ptr error;
    void rethrow() const {
        if (error) std::rethrow_exception(error);
    }

    static size_t onBody(char* data, size_t size, size_t n, void* self) {
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

    static int onProgress(void* self, curl_off_t dltotal, curl_off_t dlnow, curl_off_t, curl_off_t) {
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

    CURLcode result(CURLcode rc) const { return stalled || deadlineMinutes > 0 ? CURLE_OPERATION_TIMEDOUT : rc; }

    // An HTTP answer that the server itself calls a failure (400 and above).
    bool failedStatus() const { return headersDone && status >= 400; }

    bool opened(CURLcode result) const {
        return !failedStatus() && (result == CURLE_OK || headersDone || bodyBytes > 0);
    }
};

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

std::string cNetGet::StatusText(int32_t status) {
    static const std::pair<int32_t, const char*> names[] = {
        {400, "Bad Request"}, {401, "Unauthorized"}, {403, "Forbidden"}, {404, "Not Found"},
        {405, "Method Not Allowed"}, {407, "Proxy Authentication Required"}, {408, "Request Timeout"},
        {410, "Gone"}, {429, "Too Many Requests"}, {500, "Internal Server Error"}, {501, "Not Implemented"},
        {502, "Bad Gateway"}, {503, "Service Unavailable"}, {504, "Gateway Timeout"}};
    for (const auto& [code, name] : names)
        if (code == status) return std::to_string(code) + " " + name;
    return std::to_string(status);
}

int cNetGet::DeadlineMinutes(uint64_t expectedBytes) { return 10 + static_cast<int>(expectedBytes / (uint64_t{5} << 20)); }

std::string cNetGet::TranslateErrorCode(int32_t code) {
    switch (code) {
    case 12001: return Translate("cNetGet", "No more handles could be generated at this time");
    case 12002: return Translate("cNetGet", "The request has timed out.");
    case 12003: return Translate("cNetGet", "An extended error was returned from the server.");
    case 12004: return Translate("cNetGet", "An internal error has occurred.");
    case 12005: return Translate("cNetGet", "The URL is invalid.");
    case 12006: return Translate("cNetGet", "The URL scheme could not be recognized, or is not supported.");
    case 12007: return Translate("cNetGet", "The server name could not be resolved.");
    case 12008: return Translate("cNetGet", "The requested protocol could not be located.");
    case 12009: return Translate("cNetGet", "A request to InternetQueryOption or InternetSetOption specified an invalid option value.");
    case 12010:
        return Translate("cNetGet",
                         "The length of an option supplied to InternetQueryOption or InternetSetOption is incorrect for the "
                         "type of option specified.");
    case 12011: return Translate("cNetGet", "The request option can not be set, only queried. ");
    case 12012: return Translate("cNetGet", "The Win32 Internet support is being shutdown or unloaded.");
    case 12013:
        return Translate("cNetGet",
                         "The request to connect and login to an FTP server could not be completed because the supplied user "
                         "name is incorrect.");
    case 12014:
        return Translate("cNetGet",
                         "The request to connect and login to an FTP server could not be completed because the supplied "
                         "password is incorrect. ");
    case 12015: return Translate("cNetGet", "The request to connect to and login to an FTP server failed.");
    case 12016: return Translate("cNetGet", "The requested operation is invalid. ");
    case 12017:
        return Translate("cNetGet",
                         "The operation was canceled, usually because the handle on which the request was operating was "
                         "closed before the operation completed.");
    case 12018: return Translate("cNetGet", "The type of handle supplied is incorrect for this operation.");
    case 12019:
        return Translate("cNetGet",
                         "The requested operation can not be carried out because the handle supplied is not in the correct "
                         "state.");
    case 12020: return Translate("cNetGet", "The request can not be made via a proxy.");
    case 12021: return Translate("cNetGet", "A required registry value could not be located. ");
    case 12022: return Translate("cNetGet", "A required registry value was located but is an incorrect type or has an invalid value.");
    case 12023: return Translate("cNetGet", "Direct network access cannot be made at this time. ");
    case 12024: return Translate("cNetGet", "An asynchronous request could not be made because a zero context value was supplied.");
    case 12025: return Translate("cNetGet", "An asynchronous request could not be made because a callback function has not been set.");
    case 12026: return Translate("cNetGet", "The required operation could not be completed because one or more requests are pending.");
    case 12027: return Translate("cNetGet", "The format of the request is invalid.");
    case 12028: return Translate("cNetGet", "The requested item could not be located.");
    case 12029: return Translate("cNetGet", "The attempt to connect to the server failed.");
    case 12030: return Translate("cNetGet", "The connection with the server has been terminated.");
    case 12031: return Translate("cNetGet", "The connection with the server has been reset.");
    case 12036: return Translate("cNetGet", "The request failed because the handle already exists.");
    case 12156: return Translate("cNetGet", "The server redirects the request in a loop.");
    default: return Translate("cNetGet", "Error details not available.");
    }
}

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

bool cNetGet::SystemConnectionState(uint32_t& flags) {
    flags = 0;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) == 0) {
        for (ifaddrs* a = list; a; a = a->ifa_next) {
            if (!a->ifa_addr || (a->ifa_addr->sa_family != AF_INET && a->ifa_addr->sa_family != AF_INET6)) continue;
            const unsigned f = a->ifa_flags;
            if (!(f & IFF_UP) || !(f & IFF_RUNNING) || (f & IFF_LOOPBACK)) continue;
            flags |= (f & IFF_POINTOPOINT) ? kConnectionModem : kConnectionLan;
        }
        ::freeifaddrs(list);
    }
    for (const char* name : {"https_proxy", "HTTPS_PROXY", "http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) {
        const char* v = std::getenv(name);
        if (v && *v) flags |= kConnectionProxy;
    }
    return (flags & (kConnectionModem | kConnectionLan | kConnectionProxy)) != 0;
}

void cNetGet::SetConnectionState(ConnectionState state) { connectionState_ = std::move(state); }

void cNetGet::Refresh() {
    trapped("Refresh", [&] {
        uint32_t flags = 0;
        probeOutcomes_.clear();
        connected_ = connectionState_ ? connectionState_(flags) : SystemConnectionState(flags);
        connectMode_ = flags;
        if (flags & kConnectionModem) {
            connectModeDesc_ = Translate("cNetGet", "Modem");
            if (flags & kConnectionModemBusy) {
                connectModeDesc_ = Translate("cNetGet", "Modem (Busy)");
                connected_ = TryTheWire();
            }
        } else if (flags & kConnectionLan) {
            //: A kind of Internet connection: a local network.
            connectModeDesc_ = Translate("cNetGet", "LAN");
            connected_ = TryTheWire();
        } else if (flags & kConnectionProxy) {
            connectModeDesc_ = Translate("cNetGet", "Proxy Server");
            connected_ = TryTheWire();
        }
    });
}

bool cNetGet::Connected() {
    return trapped("Connected", [&] {
        Refresh();
        return connected_;
    });
}

int32_t cNetGet::ConnectMode() {
    return trapped("ConnectMode", [&] {
        Refresh();
        return static_cast<int32_t>(connectMode_);
    });
}

std::string cNetGet::ConnectModeDesc() {
    return trapped("ConnectModeDesc", [&] {
        Refresh();
        return connectModeDesc_;
    });
}

cNetGet::ProbeOutcome cNetGet::OpenProbe(const std::string& url) {
    char errorBuffer[CURL_ERROR_SIZE] = {};
    Transfer t;
    t.pump = eventPump_;
    auto headers = reloadHeaders();
    auto easy = openEasy(url, t, headers.get(), connectTimeoutMs_, stallMs_, minuteMs_, errorBuffer);
    if (!easy) return ProbeOutcome::Failed;
    curl_easy_setopt(easy.get(), CURLOPT_NOBODY, 1L);  // opening is enough: no body is read
    const CURLcode rc = t.result(curl_easy_perform(easy.get()));
    t.rethrow();
    // Any answer, an error status too, proves the way there.
    if (rc == CURLE_OK || t.headersDone || t.bodyBytes > 0) return ProbeOutcome::Opened;
    long osErrno = 0;
    curl_easy_getinfo(easy.get(), CURLINFO_OS_ERRNO, &osErrno);
    if (rc == CURLE_COULDNT_CONNECT && osErrno == ECONNREFUSED) return ProbeOutcome::Refused;
    if (rc == CURLE_COULDNT_RESOLVE_HOST) return ProbeOutcome::NameNotResolved;
    return ProbeOutcome::Failed;
}

bool cNetGet::TryTheWire() {
    return trapped("TryTheWire", [&] {
        probeOutcomes_.clear();
        for (const auto& url : probes_.Items()) {
            probeOutcomes_.push_back(OpenProbe(url));
            if (probeOutcomes_.back() == ProbeOutcome::Opened) return true;
        }
        return false;
    });
}

bool cNetGet::FirstServerDown() const {
    if (probeOutcomes_.empty()) return false;
    // A refused connection is the host's own answer: the way to it works.
    if (probeOutcomes_[0] == ProbeOutcome::Refused) return true;
    if (probeOutcomes_[0] != ProbeOutcome::NameNotResolved) return false;
    for (size_t k = 1; k < probeOutcomes_.size(); ++k)
        if (probeOutcomes_[k] != ProbeOutcome::NameNotResolved) return true;
    return false;
}

bool cNetGet::Dial(int32_t) {
    return trapped("Dial", [&] { return false; });
}

bool cNetGet::HangUp() {
    return trapped("HangUp", [&] { return false; });
}

void cNetGet::AddProbe(const std::string& url) {
    if (!url.empty()) probes_.Add(url, url);
}

void cNetGet::ClearProbes() { probes_.Clear(); }

void cNetGet::SetTimeouts(long connectMs, long stallMs) {
    connectTimeoutMs_ = connectMs > 0 ? connectMs : 1;
    stallMs_ = stallMs > 0 ? stallMs : 1;
}

}  // namespace nv
