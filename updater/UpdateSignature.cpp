#include "UpdateSignature.h"

#include <sodium.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "Translate.h"

namespace nv {

namespace {

// The bytes of a hexadecimal text (surrounding blanks and line ends ignored) when it has exactly
// `size` of them.
bool fromHex(const std::string& text, std::vector<unsigned char>& bytes, size_t size) {
    bytes.assign(size, 0);
    size_t length = 0;
    const char* end = nullptr;
    return sodium_hex2bin(bytes.data(), size, text.c_str(), text.size(), " \t\r\n", &length, &end) == 0 &&
           length == size && end == text.c_str() + text.size();
}

bool readAll(const std::string& path, std::string& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

bool IsUpdatePublicKey(const std::string& publicKeyHex) {
    std::vector<unsigned char> key;
    return fromHex(publicKeyHex, key, crypto_sign_PUBLICKEYBYTES);
}

bool VerifyUpdateSignature(const std::string& filePath, const std::string& signaturePath,
                           const std::string& publicKeyHex, std::string& cause) {
    if (sodium_init() < 0) {
        cause = Translate("UpdateSignature", "The signature cannot be checked.");
        return false;
    }
    std::vector<unsigned char> key, signature;
    std::string text, data;
    if (!fromHex(publicKeyHex, key, crypto_sign_PUBLICKEYBYTES)) {
        cause = Translate("UpdateSignature", "The signature cannot be checked.");
        return false;
    }
    if (!readAll(signaturePath, text) || !fromHex(text, signature, crypto_sign_BYTES)) {
        cause = Translate("UpdateSignature", "The update information file is not signed.");
        return false;
    }
    if (!readAll(filePath, data) ||
        crypto_sign_verify_detached(signature.data(), reinterpret_cast<const unsigned char*>(data.data()), data.size(),
                                    key.data()) != 0) {
        cause = Translate("UpdateSignature", "The signature of the update information file does not match.");
        return false;
    }
    return true;
}

}  // namespace nv
