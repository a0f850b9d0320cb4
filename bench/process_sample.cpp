#include "bench/process_sample.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace {

// The layout of SystemExtendedHandleInformation (class 64).
struct HandleEntry {
  PVOID object;
  ULONG_PTR processId;
  ULONG_PTR handle;
  ULONG grantedAccess;
  USHORT creatorBackTraceIndex;
  USHORT objectTypeIndex;
  ULONG attributes;
  ULONG reserved;
};
struct HandleList {
  ULONG_PTR count;
  ULONG_PTR reserved;
  HandleEntry entries[1];
};
constexpr auto SystemExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);

DWORD CountHandles(HANDLE process, DWORD processId) {
  DWORD count = 0;
  if (GetProcessHandleCount(process, &count) && count > 0) return count;
  std::vector<char> buffer(1 << 20);
  ULONG needed = 0;
  while (NtQuerySystemInformation(SystemExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                  &needed) != 0) {
    if (buffer.size() >= (1u << 28)) return 0;
    buffer.resize(buffer.size() * 2);
  }
  const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
  for (ULONG_PTR i = 0; i < list->count; ++i) count += list->entries[i].processId == processId;
  return count;
}

}  // namespace

ProcessSample SampleProcess(HANDLE process, DWORD processId) {
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  const SIZE_T privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
  return {privateBytes, memory.WorkingSetSize, CountHandles(process, processId)};
}

std::string Grouped(long long value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<size_t>(i), ",");
  return value < 0 ? "-" + digits : digits;
}
