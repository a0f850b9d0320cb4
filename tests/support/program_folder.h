// Where the built programs are, fresh folders of copies of them, and whole files.
#pragma once

#include <string>
#include <vector>

// The folder of the test executable, where the build puts every program.
std::wstring BuildFolder();

struct ProgramCopy {
  std::wstring builtName;     // file in BuildFolder()
  std::wstring installedName; // name in the test's folder
};

// Empties (or makes) BuildFolder()\<area>\<name>\ and copies the files into
// it; `folder` receives it with its trailing backslash. False when a copy failed.
bool MakeProgramFolder(const std::wstring& area, const std::wstring& name, const std::vector<ProgramCopy>& files,
                       std::wstring& folder);

bool FileExists(const std::wstring& path);
std::string ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
