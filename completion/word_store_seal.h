#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The cryptography of the sealed word store, kept apart so that only one file talks to the
// crypto library: PBKDF2-HMAC-SHA256 key derivation and AES-256-GCM.
namespace keyloom {

inline constexpr std::size_t kSealKeySize = 32;
inline constexpr std::size_t kSealNonceSize = 12;
inline constexpr std::size_t kSealTagSize = 16;

using SealKey = std::array<std::uint8_t, kSealKeySize>;

// nullopt when the crypto library cannot be used (too old, or the derivation fails).
std::optional<SealKey> DeriveSealKey(std::string_view password, std::string_view salt,
                                     std::uint32_t iterations);

// The ciphertext followed by the tag, which also covers `associated` (data sent in the clear).
// nullopt when the crypto library fails.
std::optional<std::string> SealBytes(const SealKey& key, std::string_view nonce,
                                     std::string_view associated, std::string_view plaintext);

// The plaintext of `sealed` (ciphertext then tag); nullopt when the tag does not match, that is
// a wrong key, altered bytes or a truncated input.
std::optional<std::string> UnsealBytes(const SealKey& key, std::string_view nonce,
                                       std::string_view associated, std::string_view sealed);

// `size` unpredictable bytes for salts and nonces; nullopt when the crypto library fails.
std::optional<std::string> RandomBytes(std::size_t size);

}  // namespace keyloom
