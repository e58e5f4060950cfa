#include "platform/win32/program_path.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace keyloom {
namespace {

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// "C:\x", "\\server\x": a path that names its place itself.
bool IsAbsolute(std::wstring_view path) {
  return (path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) ||
         path.starts_with(L"\\\\");
}

bool HasSeparator(std::wstring_view path) {
  return path.find_first_of(L"\\/:") != std::wstring_view::npos;
}

bool HasExtension(std::wstring_view name) {
  const std::size_t dot = name.rfind(L'.');
  return dot != std::wstring_view::npos &&
         name.find_first_of(L"\\/", dot) == std::wstring_view::npos;
}

std::wstring FolderOf(UINT (*get)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH];
  const UINT size = get(buffer, MAX_PATH);
  return size > 0 && size < MAX_PATH ? std::wstring(buffer, size) : std::wstring();
}

std::vector<std::wstring> SearchFolders() {
  std::vector<std::wstring> folders = {FolderOf(GetSystemDirectoryW),
                                       FolderOf(GetWindowsDirectoryW)};
  wchar_t buffer[32767];
  const DWORD size = GetEnvironmentVariableW(L"PATH", buffer, 32767);
  std::wstring_view path(buffer, size > 0 && size < 32767 ? size : 0);
  while (!path.empty()) {
    const std::size_t end = std::min(path.find(L';'), path.size());
    std::wstring folder(path.substr(0, end));
    if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"') {
      folder = folder.substr(1, folder.size() - 2);
    }
    // A relative entry ("." among them) would be the current folder again.
    if (IsAbsolute(folder)) folders.push_back(std::move(folder));
    path.remove_prefix(std::min(end + 1, path.size()));
  }
  return folders;
}

// `add_exe`: a name without extension means its ".exe".
std::optional<std::wstring> FindProgram(std::wstring_view name, bool add_exe) {
  std::wstring file(name);
  if (add_exe && !HasExtension(file)) file += L".exe";
  if (IsAbsolute(file)) return IsFile(file) ? std::optional(file) : std::nullopt;
  if (HasSeparator(file)) return std::nullopt;  // relative to the current folder
  for (const std::wstring& folder : SearchFolders()) {
    if (folder.empty()) continue;
    const std::wstring candidate =
        folder + (folder.back() == L'\\' || folder.back() == L'/' ? L"" : L"\\") + file;
    if (IsFile(candidate)) return candidate;
  }
  return std::nullopt;
}

std::wstring_view TrimLeadingSpaces(std::wstring_view text) {
  while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) text.remove_prefix(1);
  return text;
}

}  // namespace

std::optional<ResolvedCommand> ResolveCommand(std::wstring_view command_line) {
  command_line = TrimLeadingSpaces(command_line);
  if (command_line.starts_with(L'"')) {
    const std::size_t close = command_line.find(L'"', 1);
    if (close == std::wstring_view::npos) return std::nullopt;
    const std::optional<std::wstring> program =
        FindProgram(command_line.substr(1, close - 1), true);
    if (!program) return std::nullopt;
    return ResolvedCommand{*program,
                           std::wstring(TrimLeadingSpaces(command_line.substr(close + 1)))};
  }
  // The longest leading part that ends at a space and names a program; a part shorter than
  // the whole line only with its extension, so that a missing "C:\App Folder\x.exe" never
  // starts a "C:\App.exe".
  for (std::size_t end = command_line.size(); end > 0;) {
    const std::wstring_view name = command_line.substr(0, end);
    if (name.back() != L' ' && name.back() != L'\t') {
      if (const std::optional<std::wstring> program =
              FindProgram(name, end == command_line.size() || !HasSeparator(name))) {
        return ResolvedCommand{*program, std::wstring(TrimLeadingSpaces(command_line.substr(end)))};
      }
    }
    end = command_line.find_last_of(L" \t", end - 1);
    if (end == std::wstring_view::npos) break;
  }
  return std::nullopt;
}

}  // namespace keyloom
