#include "platform/win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/message_window.h"
#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

// Another program may hold the clipboard for a moment; a few quick tries, never a long wait,
// since the clipboard is used on the keyboard hook's path.
constexpr int kOpenTries = 5;
// Reading every format may make slow owners render theirs, and the keyboard hook waits for it:
// past this, the snapshot is given up and the clipboard left alone, well before Windows would
// remove a hook that keeps it waiting.
constexpr DWORD kSaveLimitMs = 200;
// The most a snapshot holds, all formats together; a larger clipboard is left alone.
constexpr std::size_t kMaxSnapshotBytes = 64 * 1024 * 1024;

// How a format's data is held.
enum class Holder { kMemory, kEnhancedMetafile, kMetafilePicture };

struct SavedFormat {
  UINT id;
  Holder holder;
  std::string data;  // for a metafile picture: the METAFILEPICT, then the metafile's bits
};

class Win32ClipboardSnapshot final : public ClipboardSnapshot {
 public:
  explicit Win32ClipboardSnapshot(std::vector<SavedFormat> formats)
      : formats_(std::move(formats)) {}
  bool Empty() const override { return formats_.empty(); }
  const std::vector<SavedFormat>& formats() const { return formats_; }

 private:
  std::vector<SavedFormat> formats_;
};

std::optional<Holder> HolderOf(UINT format) {
  switch (format) {
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE:
      return Holder::kEnhancedMetafile;
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT:
      return Holder::kMetafilePicture;
    case CF_BITMAP:
    case CF_DSPBITMAP:
    case CF_PALETTE:
    case CF_OWNERDISPLAY:
      return std::nullopt;
    default:
      // GDI objects that only their owner can interpret.
      if (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST) return std::nullopt;
      return Holder::kMemory;
  }
}

std::optional<std::string> MemoryBytes(HANDLE handle) {
  const SIZE_T size = GlobalSize(handle);
  const void* bytes = GlobalLock(handle);
  if (bytes == nullptr) return std::nullopt;
  std::string data(static_cast<const char*>(bytes), size);
  GlobalUnlock(handle);
  return data;
}

HGLOBAL MemoryBlock(const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size);
  if (block == nullptr) return nullptr;
  if (void* target = GlobalLock(block)) {
    if (size != 0) std::memcpy(target, bytes, size);
    GlobalUnlock(block);
  }
  return block;
}

std::optional<std::string> Copy(HANDLE handle, Holder holder) {
  switch (holder) {
    case Holder::kMemory:
      return MemoryBytes(handle);
    case Holder::kEnhancedMetafile: {
      const auto metafile = static_cast<HENHMETAFILE>(handle);
      std::string data(GetEnhMetaFileBits(metafile, 0, nullptr), '\0');
      GetEnhMetaFileBits(metafile, static_cast<UINT>(data.size()),
                         reinterpret_cast<BYTE*>(data.data()));
      return data;
    }
    case Holder::kMetafilePicture: {
      const auto* picture = static_cast<const METAFILEPICT*>(GlobalLock(handle));
      if (picture == nullptr) return std::nullopt;
      std::string data(reinterpret_cast<const char*>(picture), sizeof(METAFILEPICT));
      const UINT size = GetMetaFileBitsEx(picture->hMF, 0, nullptr);
      data.resize(sizeof(METAFILEPICT) + size);
      GetMetaFileBitsEx(picture->hMF, size, data.data() + sizeof(METAFILEPICT));
      GlobalUnlock(handle);
      return data;
    }
  }
  return std::nullopt;
}

// A handle that SetClipboardData takes over; nullptr when it cannot be made.
HANDLE Recreate(const SavedFormat& format) {
  const auto* bytes = reinterpret_cast<const BYTE*>(format.data.data());
  switch (format.holder) {
    case Holder::kMemory:
      return MemoryBlock(bytes, format.data.size());
    case Holder::kEnhancedMetafile:
      return SetEnhMetaFileBits(static_cast<UINT>(format.data.size()), bytes);
    case Holder::kMetafilePicture: {
      if (format.data.size() < sizeof(METAFILEPICT)) return nullptr;
      METAFILEPICT picture;
      std::memcpy(&picture, bytes, sizeof(picture));
      picture.hMF = SetMetaFileBitsEx(static_cast<UINT>(format.data.size() - sizeof(picture)),
                                      bytes + sizeof(picture));
      if (picture.hMF == nullptr) return nullptr;
      HGLOBAL block = MemoryBlock(&picture, sizeof(picture));
      if (block == nullptr) DeleteMetaFile(picture.hMF);
      return block;
    }
  }
  return nullptr;
}

void Release(HANDLE handle, Holder holder) {
  if (holder == Holder::kEnhancedMetafile) {
    DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
  } else {
    GlobalFree(handle);
  }
}

bool Place(UINT id, Holder holder, HANDLE handle) {
  if (handle == nullptr) return false;
  // Once placed, the handle belongs to the system.
  if (SetClipboardData(id, handle) != nullptr) return true;
  Release(handle, holder);
  return false;
}

// Marks that keep a moment's content out of clipboard history, cloud clipboard and clipboard
// monitors.
void MarkTransient() {
  const DWORD no = 0;
  for (const wchar_t* name : {L"ExcludeClipboardContentFromMonitorProcessing",
                              L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
    if (const UINT id = RegisterClipboardFormatW(name)) {
      Place(id, Holder::kMemory, MemoryBlock(&no, sizeof(no)));
    }
  }
}

LRESULT CALLBACK ClipboardWindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* clipboard = OwnerOf<Win32Clipboard>(hwnd);
  if (clipboard != nullptr) {
    switch (message) {
      case WM_RENDERFORMAT:
        if (wparam == CF_UNICODETEXT) clipboard->Render();
        return 0;
      case WM_RENDERALLFORMATS:
        // Leaving while the text is still promised: it is put there for good.
        if (OpenClipboard(hwnd)) {
          if (GetClipboardOwner() == hwnd) clipboard->Render();
          CloseClipboard();
        }
        return 0;
      case WM_DESTROYCLIPBOARD:
        clipboard->Emptied();
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

Win32Clipboard::Win32Clipboard()
    : window_(CreateMessageWindow(L"KeyloomClipboard", ClipboardWindowProcedure, this)) {}

Win32Clipboard::~Win32Clipboard() {
  if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
  // A read still stuck ends with the process; its shared state is its own.
  if (reader_ != nullptr) CloseHandle(static_cast<HANDLE>(reader_));
}

void Win32Clipboard::Render() {
  fetched_ = true;
  Place(CF_UNICODETEXT, Holder::kMemory,
        MemoryBlock(offered_.c_str(), (offered_.size() + 1) * sizeof(wchar_t)));
}

// What a snapshot's reading thread and its caller share: the last one to let go frees it.
struct SnapshotRead {
  std::vector<SavedFormat> formats;
  bool whole = false;  // every format read, within the size limit
};

// Reads every format on the calling thread, which must have the clipboard open.
void ReadFormats(SnapshotRead& read) {
  std::size_t bytes = 0;
  for (UINT id = EnumClipboardFormats(0); id != 0; id = EnumClipboardFormats(id)) {
    const std::optional<Holder> holder = HolderOf(id);
    if (!holder) continue;
    // Asking renders a format that its owner has only promised.
    if (HANDLE handle = GetClipboardData(id)) {
      if (std::optional<std::string> data = Copy(handle, *holder)) {
        bytes += data->size();
        if (bytes > kMaxSnapshotBytes) return;
        read.formats.push_back({id, *holder, std::move(*data)});
      }
    }
  }
  read.whole = true;
}

DWORD WINAPI ReadOnItsOwnThread(void* parameter) {
  const std::unique_ptr<std::shared_ptr<SnapshotRead>> read(
      static_cast<std::shared_ptr<SnapshotRead>*>(parameter));
  for (int i = 0; i < kOpenTries; ++i) {
    if (OpenClipboard(nullptr)) {
      ReadFormats(**read);
      CloseClipboard();
      break;
    }
    Sleep(0);
  }
  return 0;
}

bool Win32Clipboard::Open() {
  for (int i = 0; i < kOpenTries; ++i) {
    if (OpenClipboard(static_cast<HWND>(window_))) return true;
    Sleep(0);
  }
  return false;
}

std::unique_ptr<ClipboardSnapshot> Win32Clipboard::Save() {
  // The program's own content is there at once.
  if (GetClipboardOwner() == static_cast<HWND>(window_)) {
    if (!Open()) return nullptr;
    SnapshotRead read;
    ReadFormats(read);
    CloseClipboard();
    if (!read.whole) return nullptr;
    return std::make_unique<Win32ClipboardSnapshot>(std::move(read.formats));
  }
  // Another program's owner may take its time to render, or never answer: it is asked from a
  // thread of its own, so that the keyboard hook waits at most kSaveLimitMs. A read still stuck
  // from before leaves the clipboard busy.
  if (reader_ != nullptr) {
    if (WaitForSingleObject(static_cast<HANDLE>(reader_), 0) == WAIT_TIMEOUT) return nullptr;
    CloseHandle(static_cast<HANDLE>(reader_));
    reader_ = nullptr;
  }
  auto read = std::make_shared<SnapshotRead>();
  auto* shared = new std::shared_ptr<SnapshotRead>(read);
  HANDLE thread = CreateThread(nullptr, 0, ReadOnItsOwnThread, shared, 0, nullptr);
  if (thread == nullptr) {
    delete shared;
    return nullptr;
  }
  if (WaitForSingleObject(thread, kSaveLimitMs) != WAIT_OBJECT_0) {
    reader_ = thread;
    return nullptr;
  }
  CloseHandle(thread);
  if (!read->whole) return nullptr;
  return std::make_unique<Win32ClipboardSnapshot>(std::move(read->formats));
}

bool Win32Clipboard::SetText(std::string_view text) {
  if (!Open()) return false;
  EmptyClipboard();
  offered_ = Utf8ToWide(text);
  // Promised, not placed: the window's request tells that the paste has been fetched.
  SetLastError(0);
  SetClipboardData(CF_UNICODETEXT, nullptr);
  const bool placed = GetLastError() == 0;
  fetched_ = !placed;
  offered_at_ = GetTickCount();
  if (placed) MarkTransient();
  CloseClipboard();
  return placed;
}

bool Win32Clipboard::Restore(const ClipboardSnapshot& snapshot) {
  // The user's content waits until the window has the paste, briefly: the caller tries again.
  if (!fetched_ && GetTickCount() - offered_at_ < kFetchWaitMs) return false;
  if (!Open()) return false;
  EmptyClipboard();
  for (const SavedFormat& format : static_cast<const Win32ClipboardSnapshot&>(snapshot).formats()) {
    Place(format.id, format.holder, Recreate(format));
  }
  CloseClipboard();
  return true;
}

}  // namespace keyloom
