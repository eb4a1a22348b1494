#pragma once
// The statistics report: made from the log in one pass, with the claimed score and the
// multipliers worked on each band; and the log's Cabrillo lines for an export. Nothing here
// keeps state: the caller hands in what the report reads and where it goes.

#include <string>
#include <vector>

#include "contest/band_tables.h"
#include "contest/qso_log.h"
#include "contest/station.h"
#include "reports/cabrillo_log.h"

// Puts band texts into the order of the report's rows. The order of equal texts depends on
// the order they come in, so a caller keeps the list as sorted for the next report.
void SortIntoReportOrder(std::vector<std::string>& bands);

// The points of a counted QSO: by the classes and continents of the two stations, its band
// and, for a UK/EI station, the hour.
int QsoPoints(const CInfo& qso, const Station& station);

struct ReportResults {
  std::string text;
  // 64 bits wide: no log can overflow it.
  long long claimedScore = 0;
  WorkedLists worked;
};

// The report of `log` with one row per text of `bands` (in report order), made into the
// last one's `results`: the text reuses its buffer (handed over by value, the report took
// a third longer under 32-bit wine), and the worked lists of each band slot a row feeds are
// made anew while the others stay as they were.
void MakeReport(const Station& station, const QsoLog& log, const std::vector<std::string>& bands,
                ReportResults& results);

// Every QSO of the log, dupes and empty calls too, as the Cabrillo file's QSO lines of
// `cabrillo`, and the file written; returns the text for the operator.
std::string ExportCabrilloLog(CabrilloLog& cabrillo, const Station& station, const QsoLog& log,
                              long long claimedScore);
