// The Internet session of the update utility, over libcurl: whether and how the
// machine is connected, reading a URL into memory or into a file with progress texts, scanning
// the page read for tokens, and the platform's Internet error codes and sentences.
//
// libcurl's failures are reported with the platform's (WinINet) codes, so GetLastError reads as
// the platform's sentences: name not resolved 12007, time-out 12002, connect failed 12029,
// malformed URL 12005, unsupported scheme 12006, connection closed 12030 or reset 12031,
// cancelled 12017, anything else 12004 (internal error). A server that stops answering ends the
// read with 12002 after the stall limit (SetTimeouts); none can hang the caller for longer.
//
// Errors: a failure inside a public operation raises 0x80040064 "cNetGet component failure"
// with the source AppName() + ".cNetGet." + the operation; ReadUrl keeps it as its last error
// and answers false instead.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Collection.h"
#include "VbError.h"

namespace nv {

inline constexpr int32_t kErrNetGetFailure = kObjectError + 0x64;

// Connection flags (the platform's values).
inline constexpr uint32_t kConnectionModem = 1;
inline constexpr uint32_t kConnectionLan = 2;
inline constexpr uint32_t kConnectionProxy = 4;
inline constexpr uint32_t kConnectionModemBusy = 8;

// The maker's home page: the first address TryTheWire probes (set at build time).
extern const char* const kMakerHomePage;

class cNetGet {
public:
    // Where progress texts go: the update window passes a function that sets its status label.
    using StatusWindow = std::function<void(const std::string& text)>;
    // Lets pending window events run (after every status text, and while a transfer waits).
    using EventPump = std::function<void()>;
    // Shows (true) or ends (false) the busy mouse pointer.
    using BusyPointer = std::function<void(bool busy)>;
    // The connected state and flags of the machine; the default reads the network interfaces.
    using ConnectionState = std::function<bool(uint32_t& flags)>;

    cNetGet();

    // User agent = the argument, or AppName() when it is missing; the session's state is emptied.
    void Init(const std::optional<std::string>& UserAgent = std::nullopt);
    void SetUserAgent(const std::string& UserAgent);
    const std::string& UserAgent() const { return userAgent_; }
    void SetStatusWindow(StatusWindow window);
    void SetEventPump(EventPump pump);
    void SetBusyPointer(BusyPointer pointer);

    // Reads the URL into memory (no file name) or into the file, which then grows in whole
    // 2048-byte blocks, the last one filled up with blanks. False when the URL could not be
    // opened (GetLastError tells why); true with what was read when the transfer broke off later.
    // An HTTP status of 400 or more is a failure: false, nothing of the error page kept, the code
    // 12003 and the last error "The server answered 404 Not Found for <address>.". A body longer
    // than the size limit ends the read: false, with the last error "The download is larger than
    // N bytes."; a file that could not be written in full (the disk is full, ...) also gives false.
    // A read still running at its deadline (DeadlineMinutes) ends with 12002 and "The download
    // did not finish within N minutes.". The file is removed whenever the result is false.
    bool ReadUrl(const std::string& Url, const std::optional<std::string>& FileName = std::nullopt);
    std::string GetRawHTML() const;  // surrounding blanks removed
    std::string GetLastError() const;
    // Last error = the sentence of the most recent failure's code, when there was one (or the
    // failure's own sentence: the server's status, the deadline).
    void CheckError();
    static std::string TranslateErrorCode(int32_t code);
    // The code of the most recent failure (0 after a success); what CheckError translates.
    int32_t LastErrorCode() const { return lastCode_; }
    // The HTTP status of the last read when the server answered it with a failure, else 0.
    int32_t HttpStatus() const { return httpStatus_; }
    // "404 Not Found": the status with its standard name (the number alone when it has none).
    static std::string StatusText(int32_t status);
    // The overall deadline of a read in minutes: 10, and one more for every whole 5 MiB it may
    // bring (the length the server announces, never more than the size limit; the limit itself
    // while no length is known).
    static int DeadlineMinutes(uint64_t expectedBytes);

    // Adds to `items` (keyed by itself, duplicates skipped) every text that follows `Token`
    // (matched without regard to case) up to the first of the delimiters (default: " > ? #).
    bool ParseHTML(const std::string& Token, Collection& items, const std::optional<std::string>& Delimiters = std::nullopt);

    void Refresh();
    bool Connected();
    int32_t ConnectMode();
    std::string ConnectModeDesc();
    // True when one of the probe URLs opens.
    bool TryTheWire();
    // How each probe of the last connection check ended, in probe order (empty when the machine
    // showed no network at all and none was tried).
    enum class ProbeOutcome { Opened, Refused, NameNotResolved, Failed };
    const std::vector<ProbeOutcome>& ProbeOutcomes() const { return probeOutcomes_; }
    // True when the network works but the first probe's server does not: it refused the
    // connection, or its name is not known while another probe's name is.
    bool FirstServerDown() const;
    // No automatic dial-up on this platform: both answer false.
    bool Dial(int32_t Flags);
    bool HangUp();

    // The probe URLs, starting with the maker's home page. The update utility adds the origin of
    // its update URL; tests replace the list.
    void AddProbe(const std::string& url);
    void ClearProbes();
    const Collection& Probes() const { return probes_; }

    // Seam for the time-outs: connecting, and a transfer (waiting for the answer included) that
    // moves no byte for `stallMs`. Both end the read with 12002. Defaults 30 000 ms each; the
    // stall is noticed within about a second of its limit.
    void SetTimeouts(long connectMs, long stallMs);
    // Seam for the deadline: the length of its minute, 60 000 ms (tests shorten it).
    void SetDeadlineMinute(long ms) { minuteMs_ = ms > 0 ? ms : 1; }
    // The most bytes a body may have; 0 (the default) sets no limit.
    void SetSizeLimit(uint64_t maxBytes) { sizeLimit_ = maxBytes; }
    void SetConnectionState(ConnectionState state);  // empty: the machine's interfaces
    // The machine's state: LAN for an interface that is up and running with an address (not the
    // loopback), modem for a point-to-point link, proxy for a proxy named in the environment.
    static bool SystemConnectionState(uint32_t& flags);

private:
    // Shows the text, then (with `pump`) lets pending window events run.
    void SetStatus(const std::string& text, bool pump = true);
    void Busy(bool busy);
    static std::string StripChars(const std::string& text);
    ProbeOutcome OpenProbe(const std::string& url);

    std::string userAgent_;
    std::string rawHtml_;
    std::string lastError_;
    int32_t lastCode_ = 0;
    int32_t httpStatus_ = 0;
    std::string detail_;  // the last failure's own sentence, in place of its code's
    bool connected_ = false;
    uint32_t connectMode_ = 0;
    std::string connectModeDesc_;
    Collection probes_;
    StatusWindow statusWindow_;
    EventPump eventPump_;
    BusyPointer busyPointer_;
    ConnectionState connectionState_;
    long connectTimeoutMs_ = 30000;
    long stallMs_ = 30000;
    long minuteMs_ = 60000;
    std::vector<ProbeOutcome> probeOutcomes_;
    uint64_t sizeLimit_ = 0;
};

}  // namespace nv
