#pragma once
// The statistics text file ("UBN file"): a header line for the leg, then one problem line
// per QSO the intake refused or accepted with a warning. Lines end in CR LF everywhere.
// Control characters of the host's texts are written as blanks, so no text adds a line.
// The file is a by-product: only a regular file is written, and one that cannot be (a
// FIFO, a link, a folder, a full disk) loses its lines, nothing else; the first such loss
// is said on the standard error, once for each file name.

#include <optional>
#include <string>
#include <string_view>

#include "platform/ole_date.h"
#include "platform/regular_file.h"

// The date that names the file, formatted "%d_%m_%Y": the contest's end, or its start
// when the end is missing or invalid, or today (UTC) when both are.
std::string StatsFileDateTag(const OleDate& contestStart, const OleDate& contestEnd);

// "VurovODUVIR_EI_<tag>.txt" for the tag of StatsFileDateTag.
std::string StatsFileName(const std::string& endDateTag);

// Creates the file anew with the header of the leg.
void CreateStatsFile(const std::string& fileName, bool isCwLeg);

// The QSO as the host passed it, repeated in every problem line.
struct ProblemQso {
  unsigned frequencyHz;
  std::string_view mode;
  OleDate time;
  std::string_view ownCall, rstSent, sentNumber, call, rstReceived, exchange;
};

// Appends problem lines of one intake. The file is opened on the first line only, so an
// intake without problems costs no file access; it is closed when the writer goes. After a
// line that could not be written, the others of the intake are not tried.
class ProblemLineWriter {
 public:
  explicit ProblemLineWriter(const std::string& fileName) : fileName_(fileName) {}
  ProblemLineWriter(const ProblemLineWriter&) = delete;
  ProblemLineWriter& operator=(const ProblemLineWriter&) = delete;

  // normalisedExchange, when given, stands between the exchange and the message.
  void Write(const ProblemQso& qso, const char* message,
             const std::string* normalisedExchange = nullptr);

 private:
  const std::string& fileName_;
  std::optional<RegularFileWriter> file_;
  bool failed_ = false;
};
