#include "reports/stats_file.h"

#include <cstdio>
#include <ctime>
#include <set>

#include "platform/annotated_mutex.h"
#include "platform/ascii_text.h"

namespace {

// Said once per file name: the host's weekend, or the tool's run, has one.
void NoticeLinesLost(const std::string& fileName) {
  static Mutex noticedLock;
  static std::set<std::string> noticed GUARDED_BY(noticedLock);
  {
    MutexLock guard(noticedLock);
    if (!noticed.insert(fileName).second) return;
  }
  std::fprintf(stderr,
               "Stats: %s cannot be written (not a regular file, or the disk is full): its "
               "problem lines are lost\n",
               fileName.c_str());
}

}  // namespace

std::string StatsFileDateTag(const OleDate& contestStart, const OleDate& contestEnd) {
  // Today by the UTC clock: 25569 is 1 January 1970 as a day count.
  const OleDate today{25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0, OleDate::kValid};
  for (const OleDate& date : {contestEnd, contestStart}) {
    if (ToCalendar(date)) return FormatDate(date, "%d_%m_%Y");
  }
  return FormatDate(today, "%d_%m_%Y");
}

std::string StatsFileName(const std::string& endDateTag) {
  return "VurovODUVIR_EI_" + endDateTag + ".txt";
}

void CreateStatsFile(const std::string& fileName, bool isCwLeg) {
  RegularFileWriter file(fileName, RegularFileWriter::Start::kEmpty);
  if (!file.Write(isCwLeg ? "UK/EI CW DX Contest UBN file \r\n"
                          : "UK/EI SSB DX Contest UBN file \r\n")) {
    NoticeLinesLost(fileName);
  }
}

void ProblemLineWriter::Write(const ProblemQso& qso, const char* message,
                              const std::string* normalisedExchange) {
  if (failed_) return;
  if (!file_) file_.emplace(fileName_, RegularFileWriter::Start::kAtTheEnd);

  std::string line = "QSO:  ";
  line += std::to_string(qso.frequencyHz / 1000);
  const std::string time = FormatDate(qso.time, "%Y-%m-%d %H%M");
  for (std::string_view field : {qso.mode, std::string_view(time), qso.ownCall, qso.rstSent,
                                 qso.sentNumber, qso.call, qso.rstReceived, qso.exchange}) {
    line += "  ";
    line += BlankControls(field);
  }
  if (normalisedExchange != nullptr) {
    line += "  ";
    line += BlankControls(*normalisedExchange);
  }
  line += message;
  line += "\r\n";
  if (!file_->Write(line)) {
    failed_ = true;
    NoticeLinesLost(fileName_);
  }
}
