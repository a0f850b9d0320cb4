#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

std::wstring MakeTestFolder(const std::wstring& name, const std::vector<ProgramCopy>& files) {
  std::wstring folder;
  EXPECT_TRUE(MakeProgramFolder(L"work", name, files, folder)) << "a program could not be copied";
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
