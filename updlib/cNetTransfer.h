// What the parts of cNetGet share: one libcurl transfer (a download or a probe), the handle it
// runs on, the component's error trap and the codes and texts of its failures. Not for users of
// cNetGet: they see cNetGet.h.
#pragma once

#include <curl/curl.h>

#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "UpdaterApp.h"
#include "VbError.h"
#include "cNetGet.h"

namespace nv::netget {

inline constexpr const char* kFailure = NV_TRANSLATE_NOOP("VbError", "cNetGet component failure");

// Runs a public operation of cNetGet: a failure in it raises kErrNetGetFailure with the source
// AppName().cNetGet.<procedure>.
template <class F>
auto trapped(const char* procedure, F&& body) -> decltype(body()) {
    return classTrap(kErrNetGetFailure, AppName() + ".cNetGet.", procedure, kFailure, std::forward<F>(body));
}

// libcurl set up once for the process.
void globalInit();

struct EasyDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// The platform's Internet error code for a libcurl failure.
int32_t winInetCode(CURLcode code, long osErrno);
// The run-time error of a failed file operation, for the last error text.
std::string fileErrorText(int err);

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

    // libcurl's callbacks, with the Transfer as `self`: the headers (the status, and whether the
    // final answer's headers are all in), the body (to the sink), and the progress (the event
    // pump, the stall watch and the deadline).
    static size_t onHeader(char* data, size_t size, size_t n, void* self);
    static size_t onBody(char* data, size_t size, size_t n, void* self);
    static int onProgress(void* self, curl_off_t dltotal, curl_off_t dlnow, curl_off_t, curl_off_t);

    // An error raised by the caller's functions (status window, event pump) must not cross
    // libcurl: it ends the transfer and is raised again once libcurl has returned.
    std::exception_ptr error;
    void rethrow() const {
        if (error) std::rethrow_exception(error);
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
                                            long stallMs, long minuteMs, char* errorBuffer);

// The headers that ask for the page afresh, never from a cache.
std::unique_ptr<curl_slist, ListDeleter> reloadHeaders();

}  // namespace nv::netget
