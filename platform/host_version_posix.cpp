// Without Windows: the folder is searched the way the system matches "*.exe" (names
// compared ignoring case), but no file carries a Windows version resource.

#include <filesystem>
#include <system_error>

#include "platform/ascii_text.h"
#include "platform/host_version.h"

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && EqualNoCase(text.substr(0, start.size()), start);
}

bool EndsWithNoCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualNoCase(text.substr(text.size() - end.size()), end);
}

}  // namespace

std::optional<std::string> FindHostProgram(const std::string& hostFolder) {
  const size_t folderLength = FolderPartLength(hostFolder);
  std::string folder = hostFolder.substr(0, folderLength);
  const std::string nameStart = hostFolder.substr(folderLength);
  for (char& c : folder) {
    if (c == '\\') c = '/';
  }
  std::error_code error;
  std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::string name = entries->path().filename().string();
    if (StartsWithNoCase(name, nameStart) && EndsWithNoCase(name, ".exe") &&
        name.find("Qorv") != std::string::npos) {
      return folder + name;
    }
  }
  return std::nullopt;
}

std::optional<FileVersion> ReadFileVersion(const std::string&) {
  return std::nullopt;
}
