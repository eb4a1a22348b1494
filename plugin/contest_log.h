#pragma once
// The contest log's operations behind the entry points. Texts arrive as views of the
// host's strings (a missing text is empty). Each takes the contest lock itself (the rule is
// in contest_state.h).

#include <string_view>

#include "platform/ole_date.h"
#include "plugin/contest_state.h"

struct StationArgs {
  std::string_view hostFolder;
  int cabrilloExport;
  std::string_view ownCall;
  OleDate contestStart, contestEnd;
  std::string_view ownPrefix, ownContinent;
};

struct QsoArgs {
  std::string_view ownCall, call;
  OleDate time;
  unsigned frequencyHz;
  std::string_view mode, rstSent, rstReceived, sentNumber, exchange, prefix, continent, band;
};

struct CallCheckArgs {
  std::string_view call, mode, prefix;
  const char* band;        // may be missing
  const char* secondBand;  // may be missing
  char* output;            // 100 bytes, may be missing
};

// Starts a statistics run; takes the contest lock itself, and lets it go while the header
// dialog is open and while the window thread is started.
int ResetStatistics(const StationArgs& station) EXCLUDES(contest.lock);

// 1 when the QSO was stored, 0 when it was refused.
int TakeQso(const QsoArgs& qso) EXCLUDES(contest.lock);

// 1 when the arguments were accepted (whether or not a QSO was removed), else 0.
int RemoveQso(const QsoArgs& qso) EXCLUDES(contest.lock);

// 0 dupe, 1 empty call or known multiplier, 2 new multiplier, 4 not checked (not a contest
// band or mode, or two different bands). A checked call arms the windows' refresh.
constexpr int kCallNotChecked = 4;
int CheckCall(const CallCheckArgs& check) EXCLUDES(contest.lock);

int IsValidExchange(std::string_view exchange, std::string_view prefix, int flag);

// GetResult0: the report made anew under the contest lock, which is let go before any
// message box. The text stays valid until the next call.
const char* ProduceReport() EXCLUDES(contest.lock);
