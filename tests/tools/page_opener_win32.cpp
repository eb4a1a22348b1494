// Stands in for the browser in the tests of a dropped log: the test's wine prefix opens
// pages with it. It adds the page's path, in UTF-8, as a line to the file
// STATS_OPENED_PAGES names.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const wchar_t* list = _wgetenv(L"STATS_OPENED_PAGES");
  char page[4096];
  if (arguments == nullptr || count != 2 || list == nullptr ||
      WideCharToMultiByte(CP_UTF8, 0, arguments[1], -1, page, sizeof page, nullptr, nullptr) <= 0) {
    return 1;
  }
  std::FILE* file = _wfopen(list, L"ab");
  if (file == nullptr) return 1;
  std::fprintf(file, "%s\n", page);
  return std::fclose(file) == 0 ? 0 : 1;
}
