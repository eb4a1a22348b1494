#include "tools/stats_replay/dropped_log_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "platform/wide_text_win32.h"
#include "tools/logs/whole_file.h"
#include "tools/stats_replay/page_beside_log.h"

namespace {

std::string WindowsError(DWORD code) {
  return "Windows error " + std::to_string(code);
}

std::filesystem::path AbsolutePath(const std::string& name) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(std::filesystem::u8path(name), error);
  if (error) throw FileError(name + ": " + error.message());
  return path;
}

// The folder for the plug-in's files becomes the current one, where the plug-in writes.
// Answers whether the folder was made now.
bool WorkIn(const std::filesystem::path& folder) {
  std::error_code error;
  const bool made = std::filesystem::create_directories(folder, error);
  if (!error) std::filesystem::current_path(folder, error);
  if (error) throw FileError(folder.u8string() + ": cannot be made: " + error.message());
  return made;
}

// Through the shell, as a double click on the page would open it. Throws FileError.
void OpenInBrowser(const std::filesystem::path& page) {
  // The shell may hand the page on through COM; the call returns once it has.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  open.lpVerb = L"open";
  open.lpFile = page.c_str();
  open.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&open)) {
    throw FileError(page.u8string() + ": written, but cannot be opened in the browser: " +
                    WindowsError(GetLastError()));
  }
}

// A key pressed in the console; from a file or a pipe, one character or its end.
void WaitForKey() {
  std::cout << "\nPress a key to close this window." << std::endl;
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(input, &mode)) {
    std::cin.get();
    return;
  }
  FlushConsoleInputBuffer(input);
  INPUT_RECORD record;
  DWORD read = 0;
  while (ReadConsoleInputW(input, &record, 1, &read) && read == 1) {
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return;
  }
}

}  // namespace

std::vector<std::string> Utf8CommandLine() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> commandLine;
  for (int i = 0; wide != nullptr && i < count; ++i) commandLine.push_back(Utf8(wide[i]));
  LocalFree(wide);
  return commandLine;
}

bool StartedWithDroppedLog(const std::vector<std::string>& commandLine) {
  if (commandLine.size() != 2 || commandLine[1].rfind('-', 0) == 0) return false;
  wchar_t said[2] = {};
  if (GetEnvironmentVariableW(L"STATS_REPLAY_DROPPED", said, 2) == 1 && said[0] == L'1') {
    return true;
  }
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

int ReplayDroppedLog(const std::vector<std::string>& commandLine, CommandLineRun run) {
  // The window is the tool's own: it shows the log's name in whatever letters it has.
  SetConsoleOutputCP(CP_UTF8);
  std::filesystem::path filesFolder;
  bool madeFolder = false;
  int status = 1;
  try {
    // Absolute before the current folder changes.
    const std::filesystem::path tool = AbsolutePath(commandLine[0]);
    const std::filesystem::path log = AbsolutePath(commandLine[1]);
    const PlacesBesideLog places = PlacesBeside(log);
    filesFolder = places.filesFolder;
    madeFolder = WorkIn(filesFolder);
    status = run({tool.u8string(), "--hours", "--html", places.page.u8string(), log.u8string()});
    if (status == 0) OpenInBrowser(places.page);
  } catch (const FileError& error) {
    std::cerr << "stats-replay: " << error.what() << '\n';
    status = 1;
  }
  if (status == 0) return 0;
  // A folder made for nothing goes again; one with files in it stays.
  if (madeFolder) {
    std::error_code notEmpty;
    std::filesystem::current_path(filesFolder.parent_path(), notEmpty);
    std::filesystem::remove(filesFolder, notEmpty);
  }
  WaitForKey();
  return status;
}
