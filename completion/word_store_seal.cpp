#include "completion/word_store_seal.h"

#include <gcrypt.h>

#include <memory>
#include <type_traits>

namespace keyloom {
namespace {

// The library must be initialised once before use; secure memory is not needed because the
// password is a constant of the program, so its warnings are switched off.
bool EnsureCryptoReady() {
  static const bool ready = [] {
    if (gcry_control(GCRYCTL_INITIALIZATION_FINISHED_P)) return true;
    if (gcry_check_version(GCRYPT_VERSION) == nullptr) return false;
    gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    return true;
  }();
  return ready;
}

struct CipherCloser {
  void operator()(gcry_cipher_hd_t handle) const { gcry_cipher_close(handle); }
};
using Cipher = std::unique_ptr<std::remove_pointer_t<gcry_cipher_hd_t>, CipherCloser>;

// An AES-256-GCM context keyed, with its nonce set and the associated data fed in.
Cipher OpenCipher(const SealKey& key, std::string_view nonce, std::string_view associated) {
  if (!EnsureCryptoReady() || nonce.size() != kSealNonceSize) return nullptr;
  gcry_cipher_hd_t raw = nullptr;
  if (gcry_cipher_open(&raw, GCRY_CIPHER_AES256, GCRY_CIPHER_MODE_GCM, 0) != 0) return nullptr;
  Cipher cipher(raw);
  if (gcry_cipher_setkey(raw, key.data(), key.size()) != 0 ||
      gcry_cipher_setiv(raw, nonce.data(), nonce.size()) != 0 ||
      gcry_cipher_authenticate(raw, associated.data(), associated.size()) != 0) {
    return nullptr;
  }
  return cipher;
}

}  // namespace

std::optional<SealKey> DeriveSealKey(std::string_view password, std::string_view salt,
                                     std::uint32_t iterations) {
  if (!EnsureCryptoReady() || iterations == 0) return std::nullopt;
  SealKey key{};
  if (gcry_kdf_derive(password.data(), password.size(), GCRY_KDF_PBKDF2, GCRY_MD_SHA256,
                      salt.data(), salt.size(), iterations, key.size(), key.data()) != 0) {
    return std::nullopt;
  }
  return key;
}

std::optional<std::string> SealBytes(const SealKey& key, std::string_view nonce,
                                     std::string_view associated, std::string_view plaintext) {
  Cipher cipher = OpenCipher(key, nonce, associated);
  if (!cipher) return std::nullopt;
  std::string sealed(plaintext.size() + kSealTagSize, '\0');
  if (gcry_cipher_final(cipher.get()) != 0 ||
      gcry_cipher_encrypt(cipher.get(), sealed.data(), plaintext.size(), plaintext.data(),
                          plaintext.size()) != 0 ||
      gcry_cipher_gettag(cipher.get(), sealed.data() + plaintext.size(), kSealTagSize) != 0) {
    return std::nullopt;
  }
  return sealed;
}

std::optional<std::string> UnsealBytes(const SealKey& key, std::string_view nonce,
                                       std::string_view associated, std::string_view sealed) {
  if (sealed.size() < kSealTagSize) return std::nullopt;
  Cipher cipher = OpenCipher(key, nonce, associated);
  if (!cipher) return std::nullopt;
  const std::size_t size = sealed.size() - kSealTagSize;
  std::string plaintext(size, '\0');
  if (gcry_cipher_final(cipher.get()) != 0 ||
      gcry_cipher_decrypt(cipher.get(), plaintext.data(), size, sealed.data(), size) != 0 ||
      gcry_cipher_checktag(cipher.get(), sealed.data() + size, kSealTagSize) != 0) {
    return std::nullopt;
  }
  return plaintext;
}

std::optional<std::string> RandomBytes(std::size_t size) {
  if (!EnsureCryptoReady()) return std::nullopt;
  std::string bytes(size, '\0');
  gcry_randomize(bytes.data(), bytes.size(), GCRY_STRONG_RANDOM);
  return bytes;
}

}  // namespace keyloom
