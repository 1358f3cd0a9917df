// The maker's signature over the update information file: Ed25519 (libsodium), detached, published
// beside the file as its name + ".sig" holding the 64-byte signature in hexadecimal (128 digits,
// blanks and line ends around them allowed). nv-publish --sign-key writes it.
#pragma once

#include <string>

namespace nv {

// True when the public key (64 hexadecimal digits) is well formed.
bool IsUpdatePublicKey(const std::string& publicKeyHex);

// Checks the signature file against the file's bytes and the public key. False with the cause:
// "The update information file is not signed." when the signature file is missing or holds no
// signature, "The signature of the update information file does not match." when it is not the
// maker's signature of exactly these bytes.
bool VerifyUpdateSignature(const std::string& filePath, const std::string& signaturePath,
                           const std::string& publicKeyHex, std::string& cause);

}  // namespace nv
