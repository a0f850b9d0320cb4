// A stand-in print spooler for the service's tests. It keeps its printers in
// spooler.txt beside itself, one a line, tab-separated and UTF-8:
//   name  port  attributes (hex)  queued jobs  delay of GetPrinterW in ms
// and appends every call it receives to spooler.log, one a line.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Printer {
  std::wstring name;
  std::wstring port;
  DWORD attributes = 0;
  DWORD jobs = 0;
  DWORD getDelayMs = 0;
};

struct OpenedPrinter {
  std::wstring name;
};

CRITICAL_SECTION Lock;
HMODULE ThisModule;

std::wstring BesideThisModule(const wchar_t* fileName) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(ThisModule, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.rfind(L'\\') + 1) + fileName;
}

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 4 + 1, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()),
                                   nullptr, nullptr) - 1);
  return bytes;
}

std::wstring Wide(const std::string& bytes) {
  std::wstring text(bytes.size() + 1, L'\0');
  text.resize(MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, text.data(), static_cast<int>(text.size())) - 1);
  return text;
}

std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  if (FILE* file = _wfopen(path.c_str(), L"rb")) {
    char chunk[4096];
    size_t read;
    while ((read = fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, read);
    fclose(file);
  }
  return bytes;
}

std::vector<Printer> LoadPrinters() {
  std::vector<Printer> printers;
  std::istringstream lines(ReadFileBytes(BesideThisModule(L"spooler.txt")));
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string name, port, attributes, jobs, delay;
    if (!std::getline(fields, name, '\t') || !std::getline(fields, port, '\t')) continue;
    std::getline(fields, attributes, '\t');
    std::getline(fields, jobs, '\t');
    std::getline(fields, delay, '\t');
    printers.push_back({Wide(name), Wide(port), static_cast<DWORD>(std::stoul("0" + attributes, nullptr, 16)),
                        static_cast<DWORD>(std::stoul("0" + jobs)), static_cast<DWORD>(std::stoul("0" + delay))});
  }
  return printers;
}

void SavePrinters(const std::vector<Printer>& printers) {
  std::string text;
  for (const Printer& p : printers) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "\t%lx\t%lu\t%lu\n", p.attributes, p.jobs, p.getDelayMs);
    text += Utf8(p.name) + "\t" + Utf8(p.port) + numbers;
  }
  if (FILE* file = _wfopen(BesideThisModule(L"spooler.txt").c_str(), L"wb")) {
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
  }
}

void Log(const std::wstring& call, const std::string& details) {
  const std::string line = Utf8(call) + " " + details + "\n";
  if (FILE* file = _wfopen(BesideThisModule(L"spooler.log").c_str(), L"ab")) {
    fwrite(line.data(), 1, line.size(), file);
    fclose(file);
  }
}

Printer* Find(std::vector<Printer>& printers, const std::wstring& name) {
  for (Printer& p : printers) {
    if (p.name == name) return &p;
  }
  return nullptr;
}

class Locked {
 public:
  Locked() { EnterCriticalSection(&Lock); }
  ~Locked() { LeaveCriticalSection(&Lock); }
};

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    ThisModule = instance;
    InitializeCriticalSection(&Lock);
  }
  return TRUE;
}

extern "C" BOOL WINAPI OpenPrinterW(LPWSTR name, LPHANDLE handle, LPPRINTER_DEFAULTSW defaults) {
  Locked locked;
  std::vector<Printer> printers = LoadPrinters();
  const std::wstring wanted = name ? name : L"";
  char details[64];
  std::snprintf(details, sizeof details, "access=0x%lx", defaults ? defaults->DesiredAccess : 0);
  if (Find(printers, wanted) == nullptr) {
    Log(L"OpenPrinterW " + wanted, std::string(details) + " unknown");
    SetLastError(ERROR_INVALID_PRINTER_NAME);
    return FALSE;
  }
  Log(L"OpenPrinterW " + wanted, details);
  *handle = new OpenedPrinter{wanted};
  return TRUE;
}

extern "C" BOOL WINAPI ClosePrinter(HANDLE handle) {
  Locked locked;
  auto* opened = static_cast<OpenedPrinter*>(handle);
  Log(L"ClosePrinter " + opened->name, "");
  delete opened;
  return TRUE;
}

extern "C" BOOL WINAPI GetPrinterW(HANDLE handle, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) {
  const std::wstring name = static_cast<OpenedPrinter*>(handle)->name;
  DWORD delay = 0;
  {
    Locked locked;
    std::vector<Printer> printers = LoadPrinters();
    if (Printer* p = Find(printers, name)) delay = p->getDelayMs;
  }
  Sleep(delay);  // outside the lock: a slow printer must not hold the listener's purge
  Locked locked;
  std::vector<Printer> printers = LoadPrinters();
  Printer* printer = Find(printers, name);
  char details[64];
  std::snprintf(details, sizeof details, "level=%lu size=%lu", level, size);
  const DWORD nameBytes = (printer ? printer->name.size() + 1 : 0) * sizeof(wchar_t);
  const DWORD portBytes = (printer ? printer->port.size() + 1 : 0) * sizeof(wchar_t);
  *needed = sizeof(PRINTER_INFO_5W) + nameBytes + portBytes;
  if (printer == nullptr || level != 5 || size < *needed) {
    Log(L"GetPrinterW " + name, std::string(details) + " failed");
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  auto* info = reinterpret_cast<PRINTER_INFO_5W*>(buffer);
  auto* strings = reinterpret_cast<wchar_t*>(buffer + sizeof(PRINTER_INFO_5W));
  CopyMemory(strings, printer->name.c_str(), nameBytes);
  CopyMemory(strings + printer->name.size() + 1, printer->port.c_str(), portBytes);
  info->pPrinterName = strings;
  info->pPortName = strings + printer->name.size() + 1;
  info->Attributes = printer->attributes;
  info->DeviceNotSelectedTimeout = 15000;
  info->TransmissionRetryTimeout = 45000;
  Log(L"GetPrinterW " + name, details);
  return TRUE;
}

extern "C" BOOL WINAPI SetPrinterW(HANDLE handle, DWORD level, LPBYTE buffer, DWORD command) {
  Locked locked;
  const std::wstring name = static_cast<OpenedPrinter*>(handle)->name;
  std::vector<Printer> printers = LoadPrinters();
  Printer* printer = Find(printers, name);
  char details[64];
  if (level == 0) {
    std::snprintf(details, sizeof details, "level=0 command=%lu", command);
    if (command == PRINTER_CONTROL_PURGE && printer) printer->jobs = 0;
  } else if (level == 5 && buffer) {
    const DWORD attributes = reinterpret_cast<PRINTER_INFO_5W*>(buffer)->Attributes;
    std::snprintf(details, sizeof details, "level=5 command=%lu attributes=0x%lx", command, attributes);
    if (printer) printer->attributes = attributes;
  } else {
    std::snprintf(details, sizeof details, "level=%lu command=%lu", level, command);
  }
  Log(L"SetPrinterW " + name, details);
  SavePrinters(printers);
  return TRUE;
}
