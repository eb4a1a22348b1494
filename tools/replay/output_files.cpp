#include "tools/replay/output_files.h"

#include <filesystem>

#include "contest/settings_file.h"

namespace {

namespace fs = std::filesystem;

// The name as the system finds the file: absolute, without "." and "..", with the links of
// its existing part followed, and in one letter case where the system ignores case. The
// plug-in's names separate folders by "\" everywhere.
fs::path Resolved(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  std::error_code error;
  fs::path path = fs::weakly_canonical(fs::absolute(name, error), error);
  if (error) path = fs::absolute(name, error).lexically_normal();
#if defined(_WIN32)
  std::string text = path.string();
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  path = text;
#endif
  return path;
}

}  // namespace

std::vector<NamedFile> PluginFiles(const ReplayStation& station, bool cabrillo) {
  std::vector<NamedFile> files = {{"the plug-in's settings", kSettingsPath},
                                  {"the problem-line file", ProblemLinesFile(station)}};
  if (cabrillo) files.push_back({"the Cabrillo log", CabrilloFile(station)});
  return files;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  // Two existing names of one file, hard links and short names too.
  if (fs::equivalent(a, b, error)) return true;
  return Resolved(a) == Resolved(b);
}

std::optional<std::string> OverwrittenFile(const NamedFile& log,
                                           const std::vector<NamedFile>& outputs) {
  for (size_t i = 0; i < outputs.size(); ++i) {
    const NamedFile& output = outputs[i];
    for (size_t j = 0; j <= i; ++j) {
      const NamedFile& other = j == 0 ? log : outputs[j - 1];
      if (SameFile(output.path, other.path)) {
        return output.what + " " + output.path + ": that is " + other.what + " " + other.path;
      }
    }
  }
  return std::nullopt;
}
