#include "tests/support/program_folder.h"

#include <windows.h>

#include "common/program_paths.h"

namespace {

void RemoveFolderContents(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveFolderContents(path + L"\\");
      RemoveDirectoryW(path.c_str());
    } else {
      DeleteFileW(path.c_str());
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

std::wstring BuildFolder() {
  wchar_t folder[PathCapacity];
  GetProgramFolder(folder);
  return folder;
}

bool MakeProgramFolder(const std::wstring& area, const std::wstring& name, const std::vector<ProgramCopy>& files,
                       std::wstring& folder) {
  const std::wstring areaFolder = BuildFolder() + area + L"\\";
  CreateDirectoryW(areaFolder.c_str(), nullptr);
  folder = areaFolder + name + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  RemoveFolderContents(folder);
  bool copied = true;
  for (const ProgramCopy& file : files) {
    const std::wstring from = BuildFolder() + file.builtName;
    copied = CopyFileW(from.c_str(), (folder + file.installedName).c_str(), FALSE) && copied;
  }
  return copied;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadWholeFile(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  return bytes;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return wrote && written == bytes.size();
}
