#include "reports/stats_file.h"

#include <ctime>

#include "platform/ascii_text.h"

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
  std::FILE* file = std::fopen(fileName.c_str(), "wb");
  if (file == nullptr) return;
  std::fputs(isCwLeg ? "UK/EI CW DX Contest UBN file \r\n" : "UK/EI SSB DX Contest UBN file \r\n",
             file);
  std::fclose(file);
}

ProblemLineWriter::~ProblemLineWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

void ProblemLineWriter::Write(const ProblemQso& qso, const char* message,
                              const std::string* normalisedExchange) {
  if (file_ == nullptr && !openFailed_) {
    // Shared append: other readers and writers of the file are not locked out.
    file_ = std::fopen(fileName_.c_str(), "ab");
    openFailed_ = file_ == nullptr;
  }
  if (file_ == nullptr) return;

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
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}
