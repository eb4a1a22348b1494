#include "reports/report.h"

#include <mutex>

#include "plugin/contest_state.h"

const char* ProduceReport() {
  std::lock_guard<std::mutex> guard(contest.lock);
  contest.reportText.clear();
  return contest.reportText.c_str();
}
