// A fresh folder holding the real tvSer.exe and a stand-in box, with the
// service started from it.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/test_folder.h"
#include "tests/support/report_file.h"
#include "tests/support/service_process.h"

class ServiceTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Copies the programs into the test's folder; `extra` adds more files.
  void PrepareFolder(const std::vector<ProgramCopy>& extra = {});
  void StartService();
  // Starts the service copied into another folder; boxes still log to this test's folder.
  void StartService(const std::wstring& serviceFolder);

  std::optional<std::wstring> Report(const wchar_t* key) const { return ReportValue(folder_, key); }
  void WriteReportFile(const std::string& contents) const;

  // Posts `message` and expects the service to take it.
  void Send(const std::string& message);

  // The boxes started so far, each as "TYPE|PRINTER" of the report it found.
  std::vector<std::wstring> Launches() const;
  // Waits until `count` boxes have been started, then a moment more to see
  // that no further one comes.
  std::vector<std::wstring> SettledLaunches(size_t count) const;

  std::wstring folder_;
  ServiceProcess service_;
  // SetUp starts the service unless a test asks otherwise before it runs.
  bool startServiceInSetUp_ = true;
};

std::wstring Widen(const std::string& text);
