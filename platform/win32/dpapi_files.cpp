#include "platform/win32/dpapi_files.h"

#include <windows.h>
// After windows.h, which it needs.
#include <dpapi.h>

#include <filesystem>

#include "platform/file_system.h"

namespace keyloom {
namespace {

// Returns the output blob's bytes and frees it; nullopt when `ok` is false.
std::optional<std::string> TakeBlob(BOOL ok, DATA_BLOB& out) {
  if (!ok) return std::nullopt;
  std::string bytes(reinterpret_cast<const char*>(out.pbData), out.cbData);
  SecureZeroMemory(out.pbData, out.cbData);
  LocalFree(out.pbData);
  return bytes;
}

DATA_BLOB BlobOf(std::string_view bytes) {
  return {static_cast<DWORD>(bytes.size()),
          reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()))};
}

class DpapiPrivateFiles final : public PrivateFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    const std::optional<std::string> sealed = StandardFileSystem().ReadFile(path);
    if (!sealed) return std::nullopt;
    DATA_BLOB in = BlobOf(*sealed);
    DATA_BLOB out{};
    return TakeBlob(CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr,
                                       CRYPTPROTECT_UI_FORBIDDEN, &out),
                    out);
  }

  bool Missing(const std::string& path) override { return OwnerOnlyFiles().Missing(path); }

  bool Replace(const std::string& path, std::string_view content) override {
    DATA_BLOB in = BlobOf(content);
    DATA_BLOB out{};
    const std::optional<std::string> sealed =
        TakeBlob(CryptProtectData(&in, L"Keyloom", nullptr, nullptr, nullptr,
                                  CRYPTPROTECT_UI_FORBIDDEN, &out),
                 out);
    return sealed && StandardFileSystem().ReplaceFile(path, *sealed);
  }

  bool Remove(const std::string& path) override {
    std::error_code error;
    const std::u8string utf8(reinterpret_cast<const char8_t*>(path.data()), path.size());
    std::filesystem::remove(std::filesystem::path(utf8), error);
    return !error;
  }
};

}  // namespace

PrivateFiles& DpapiFiles() {
  static DpapiPrivateFiles files;
  return files;
}

}  // namespace keyloom
