// Where the built programs are, and a fresh folder of copies for each test, so
// that every test has its own "box.ini" and its own stand-ins.
#pragma once

#include <string>
#include <vector>

// The folder of the test executable, where the build puts every program.
std::wstring BuildFolder();

struct ProgramCopy {
  std::wstring builtName;     // file in BuildFolder()
  std::wstring installedName; // name in the test's folder
};

// Empties (or makes) BuildFolder()\work\<name>\ and copies the files into it.
// Returns the folder with its trailing backslash.
std::wstring MakeTestFolder(const std::wstring& name, const std::vector<ProgramCopy>& files);

// A folder name for the running test: <suite>.<test>, with '/' of parameterised names replaced.
std::wstring CurrentTestName();

bool FileExists(const std::wstring& path);
std::string ReadWholeFile(const std::wstring& path);
void WriteWholeFile(const std::wstring& path, const std::string& bytes);
