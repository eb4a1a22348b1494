#include "host/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

TempFolder::TempFolder() : previous_(fs::current_path().string()) {
  std::random_device random;
  const fs::path folder = fs::temp_directory_path() /
                          ("stats-test-" + std::to_string(random()) + std::to_string(random()));
  fs::create_directories(folder / "Plugins");
  path_ = folder.string();
  fs::current_path(folder);
}

TempFolder::~TempFolder() {
  fs::current_path(previous_);
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
