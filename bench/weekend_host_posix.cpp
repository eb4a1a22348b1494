// The weekend's host natively: the library alone, no windows, nothing to pump.

#include <unistd.h>

#include <fstream>

#include "bench/weekend_host.h"

struct WeekendHost::Platform {
  StatsLibrary library{STATS_LIBRARY_FILE};
};

WeekendHost::WeekendHost() : platform_(std::make_unique<Platform>()) {}

WeekendHost::~WeekendHost() = default;

const StatsLibrary& WeekendHost::plugin() const {
  return platform_->library;
}

bool WeekendHost::HasWindows() {
  return false;
}

void WeekendHost::Show(const std::string&, double) {}

void WeekendHost::PumpWaiting() {}

bool WeekendHost::AwaitRefresh() {
  return false;
}

int WeekendHost::refreshes() const {
  return 0;
}

bool WeekendHost::AwaitWindows() {
  return false;
}

bool WeekendHost::ChangeLegAndBack(bool) {
  return false;
}

bool WeekendHost::CloseWindows() {
  return false;
}

std::optional<long> WeekendHost::GdiObjects() const {
  return std::nullopt;
}

size_t WeekendHost::WorkingSet() {
  size_t pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

void WeekendHost::ConfirmingDialogs(const std::function<void()>& work) {
  work();  // the library's header dialog is taken as confirmed, and it shows no box
}
