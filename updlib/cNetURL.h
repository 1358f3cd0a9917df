// A URL split into its parts, changed part by part and built again; combining a base
// URL with a relative one; the canonical form of a URL. The splitting, combining and
// canonicalizing run on libcurl's URL parser.
//
// Scheme numbers and default ports are the platform's: 1 FTP (21), 2 Gopher (70), 3 HTTP (80),
// 4 HTTPS (443), 5 file, 6 news, 7 mailto, 8 socks (1080), 9 javascript, 10 vbscript, 11 res;
// -1 for a scheme outside this list.
//
// Errors: a failure inside an operation raises 0x80040064 "cNetURL component failure" with the
// source AppName() + ".cNetURL." + the operation.
#pragma once

#include <cstdint>
#include <string>

#include "VbError.h"

namespace nv {

inline constexpr int32_t kErrNetURLFailure = kObjectError + 0x64;

// Scheme numbers.
enum InternetScheme : int32_t {
    kSchemeUnknown = -1,
    kSchemeDefault = 0,
    kSchemeFtp = 1,
    kSchemeGopher = 2,
    kSchemeHttp = 3,
    kSchemeHttps = 4,
    kSchemeFile = 5,
    kSchemeNews = 6,
    kSchemeMailto = 7,
    kSchemeSocks = 8,
    kSchemeJavascript = 9,
    kSchemeVbscript = 10,
    kSchemeRes = 11,
};

// Style flags of CombineUrl and CanonicalizeUrl (the platform's values).
inline constexpr int32_t kIcuEncodePercent = 0x00001000;
inline constexpr int32_t kIcuBrowserMode = 0x02000000;
inline constexpr int32_t kIcuEncodeSpacesOnly = 0x04000000;
inline constexpr int32_t kIcuNoMeta = 0x08000000;
inline constexpr int32_t kIcuDecode = 0x10000000;
inline constexpr int32_t kIcuNoEncode = 0x20000000;

class cNetURL {
public:
    int32_t Scheme() const { return scheme_; }
    void Scheme(int32_t value) { scheme_ = value; }
    std::string HostHame() const;  // sic: the property's historical name
    void HostHame(const std::string& value);
    int32_t Port() const { return port_; }
    void Port(int32_t value) { port_ = value; }
    const std::string& UserName() const { return userName_; }
    void UserName(const std::string& value) { userName_ = value; }
    const std::string& Password() const { return password_; }
    void Password(const std::string& value) { password_ = value; }
    const std::string& URLPath() const { return urlPath_; }
    void URLPath(const std::string& value) { urlPath_ = value; }
    // The query with its "?" and the fragment with its "#".
    const std::string& ExtraInfo() const { return extraInfo_; }
    void ExtraInfo(const std::string& value) { extraInfo_ = value; }

    // Splits the URL into the properties. On failure Scheme and Port keep their values and the
    // text parts hold 1024 blanks each, as the platform leaves its buffers.
    bool CrackUrl(const std::string& strSourceURL);
    // Builds the URL from the properties; the port is left out when it is the scheme's default
    // (or 0). Empty for an unknown scheme number. No length limit.
    std::string CreateURL() const;
    // The base URL with the relative one applied; empty when either is empty or they do not combine.
    std::string CombineUrl(const std::string& strBaseUrl, const std::string& strRelativeUrl, int32_t Style = 0) const;
    // The canonical form (dot segments removed unless kIcuNoMeta, unsafe characters escaped
    // unless kIcuNoEncode); empty when the argument is empty or not a URL.
    std::string CanonicalizeUrl(const std::string& strSourceURL, int32_t Style = 0) const;

    // The scheme number of a scheme name ("HTTP" → 3) and the name of a number; the default port.
    static int32_t SchemeNumber(const std::string& name);
    static std::string SchemeName(int32_t scheme);
    static int32_t DefaultPort(int32_t scheme);

private:
    int32_t scheme_ = 0;
    int32_t port_ = 0;
    std::string hostName_, userName_, password_, urlPath_, extraInfo_;
};

}  // namespace nv
