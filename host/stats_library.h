#pragma once
// The plug-in as a host sees it: a library loaded from a file, with its ten entry points
// bound by name. Used by the replay tool, the benchmarks and the test hosts; the Windows
// build loads Stats.dll with LoadLibrary, the native build libStats.so with dlopen.

#include <array>
#include <stdexcept>
#include <string>

#include "host/stats_entry_points.h"

class StatsLibraryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class StatsLibrary : public StatsEntryPoints {
 public:
  // Which export names to bind: the plain ones, or the names the host's 32-bit compiler
  // gives the declarations (only the Windows library exports those).
  enum class Names { kPlain, kDecorated };

  struct ExportNames {
    const char* plain;
    const char* decorated;
  };
  // Both names of each entry point, in the order of the table's members.
  static const std::array<ExportNames, 10> kExports;

  // Loads the library and binds all ten entry points. Throws StatsLibraryError naming the
  // library and the reason when it cannot be loaded or lacks an export.
  explicit StatsLibrary(const std::string& path, Names names = Names::kPlain);
  // Unloads the library: the entry points must not be called afterwards.
  ~StatsLibrary();
  StatsLibrary(const StatsLibrary&) = delete;
  StatsLibrary& operator=(const StatsLibrary&) = delete;

  const std::string& path() const { return path_; }
  // The address of any exported symbol, or null.
  void* Symbol(const char* name) const;

 private:
  template <typename Function>
  void Bind(Function& entry, const ExportNames& names, Names which);

  std::string path_;
  void* library_ = nullptr;
};
