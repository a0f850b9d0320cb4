#include "tests/support/program_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

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

std::wstring MakeTestFolder(const std::wstring& name, const std::vector<ProgramCopy>& files) {
  const std::wstring work = BuildFolder() + L"work\\";
  CreateDirectoryW(work.c_str(), nullptr);
  const std::wstring folder = work + name + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  RemoveFolderContents(folder);
  for (const ProgramCopy& file : files) {
    const std::wstring from = BuildFolder() + file.builtName;
    EXPECT_TRUE(CopyFileW(from.c_str(), (folder + file.installedName).c_str(), FALSE))
        << "cannot copy " << std::string(from.begin(), from.end());
  }
  return folder;
}

std::wstring CurrentTestName() {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return std::wstring(name.begin(), name.end());
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

void WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}
