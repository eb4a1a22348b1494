#include "tools/stats_replay/page_beside_log.h"

#include <cstdint>
#include <string>
#include <system_error>

#include "tools/logs/whole_file.h"
#include "tools/page/html_page.h"

namespace {

constexpr int kMostPages = 99;
// Larger than any page of a contest's log: another file, not read to find out.
constexpr std::uintmax_t kLargestPage = 64 << 20;

// Free for the page: nothing there, or an earlier page of the same log.
bool FreeForPage(const std::filesystem::path& page, const std::filesystem::path& log) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::symlink_status(page, error);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  if (status.type() != std::filesystem::file_type::regular ||
      std::filesystem::file_size(page, error) > kLargestPage || error) {
    return false;
  }
  try {
    return IsPageOfLog(ReadWholeFile(page.u8string()), log.filename().u8string());
  } catch (const FileError&) {
    return false;
  }
}

}  // namespace

PlacesBesideLog PlacesBeside(const std::filesystem::path& log) {
  const std::filesystem::path folder = log.parent_path();
  const std::string name = log.stem().u8string();
  PlacesBesideLog places{{}, folder / std::filesystem::u8path(name + " files")};
  for (int n = 1; n <= kMostPages; ++n) {
    const std::string suffix = n == 1 ? "" : " (" + std::to_string(n) + ")";
    places.page = folder / std::filesystem::u8path(name + suffix + ".html");
    if (FreeForPage(places.page, log)) return places;
  }
  throw FileError("no free name for the page beside it: " + name + " (" +
                  std::to_string(kMostPages) + ").html is taken too");
}
