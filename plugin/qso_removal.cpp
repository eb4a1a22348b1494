// RemoveData0: the host deleted a QSO; the first matching record leaves the log.

#include "plugin/contest_log.h"

int RemoveQso(const QsoArgs& qso) {
  MutexLock guard(contest.lock);
  // The mode is accepted ignoring case, as the intake accepts it, so that a QSO logged as
  // "cw" can be deleted again; the record itself is matched exactly.
  if (!modeRules.ContainsNoCase(qso.mode)) return 0;
  if (qso.exchange.empty() || qso.sentNumber.empty()) return 0;
  contest.log.qsoList.RemoveFirst(qso.call, qso.band, qso.mode);
  return 1;
}
