// The texts of cNetGet's failures: the platform's Internet error codes that libcurl's failures
// are reported with, their sentences, HTTP status names and the errors of the file written.
#include <cerrno>

#include "Translate.h"
#include "cNetGet.h"
#include "cNetTransfer.h"

namespace nv {

namespace netget {

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

}  // namespace netget

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

}  // namespace nv
