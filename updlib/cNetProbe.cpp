// cNetGet's connection check: the machine's network interfaces and proxy, then a probe of the
// maker's home page and the other probe addresses, opened without reading a body.
#include <ifaddrs.h>
#include <net/if.h>

#include <cerrno>
#include <cstdlib>

#include "Translate.h"
#include "cNetGet.h"
#include "cNetTransfer.h"

namespace nv {

using namespace netget;

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

}  // namespace nv
