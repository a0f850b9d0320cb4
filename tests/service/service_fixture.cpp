#include "tests/service/service_fixture.h"

#include "tests/support/waiting.h"

namespace {
constexpr DWORD LaunchTimeoutMs = 10000;
// After the expected boxes have appeared, how long a test looks for an extra one.
constexpr DWORD ExtraLaunchWindowMs = 300;
}  // namespace

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

void ServiceTest::SetUp() {
  PrepareFolder();
  if (startServiceInSetUp_) StartService();
}

void ServiceTest::TearDown() { service_.Terminate(); }

void ServiceTest::PrepareFolder(const std::vector<ProgramCopy>& extra) {
  std::vector<ProgramCopy> files = {{L"tvSer.exe", L"tvSer.exe"}, {L"standins\\standin_box.exe", L"tvQ41Box.exe"}};
  files.insert(files.end(), extra.begin(), extra.end());
  folder_ = MakeTestFolder(CurrentTestName(), files);
}

void ServiceTest::StartService() { StartService(folder_); }

void ServiceTest::StartService(const std::wstring& serviceFolder) {
  // The stand-in box logs here; the service hands its environment on to it.
  SetEnvironmentVariableW(L"TVQ41_LAUNCH_LOG", (folder_ + L"launches.log").c_str());
  ASSERT_TRUE(service_.Start(serviceFolder)) << "the service did not serve its pipe";
}

void ServiceTest::WriteReportFile(const std::string& contents) const {
  ASSERT_TRUE(WriteWholeFile(folder_ + L"box.ini", contents));
}

void ServiceTest::Send(const std::string& message) {
  const PostOutcome outcome = Post(message);
  ASSERT_EQ(outcome.result, PostResult::Delivered) << "error " << outcome.error;
}

std::vector<std::wstring> ServiceTest::Launches() const {
  const std::string bytes = ReadWholeFile(folder_ + L"launches.log");
  const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::vector<std::wstring> ServiceTest::SettledLaunches(size_t count) const {
  WaitUntil([&] { return Launches().size() >= count; }, LaunchTimeoutMs);
  Sleep(ExtraLaunchWindowMs);
  return Launches();
}
