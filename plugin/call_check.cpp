// CheckCall0 and IsValidExchg0: what a typed call or a received exchange would mean.

#include "platform/ascii_text.h"
#include "plugin/contest_log.h"
#include "plugin/windows_link.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int Answer(const CallCheckArgs& check) REQUIRES(contest.lock) {
  if (check.band != nullptr && check.secondBand != nullptr &&
      !EqualNoCase(check.band, check.secondBand)) {
    return kCallNotChecked;
  }
  const std::string_view band = check.band ? std::string_view(check.band) : std::string_view();
  if (!bandRules.ContainsNoCase(band) || !modeRules.ContainsNoCase(check.mode)) {
    return kCallNotChecked;
  }

  if (check.call.empty()) return 1;
  if (contest.log.qsoList.HasCallOnBand(check.call, band)) return 0;
  // A call the country file could not place brings no DXCC multiplier.
  const int result =
      check.prefix.empty() || contest.log.qsoList.HasPrefixOnBand(band, check.prefix) ? 1 : 2;
  if (check.output != nullptr) check.output[0] = '\0';
  return result;
}

}  // namespace

int CheckCall(const CallCheckArgs& check) {
  const int answer = [&] {
    MutexLock guard(contest.lock);
    return Answer(check);
  }();
  // The windows follow a call typed on a contest band and mode: a refresh 300 ms after the
  // last keystroke, asked for once the lock is free, as every request to the windows is.
  if (answer != kCallNotChecked) Windows().ArmRefresh();
  return answer;
}

int IsValidExchange(std::string_view exchange, std::string_view prefix, int flag) {
  if (flag != 0) return 0;
  if (exchange.size() == 2) {
    if (!IsDigit(exchange[0]) || !IsDigit(exchange[1])) return 0;
    return (exchange[0] - '0') * 10 + (exchange[1] - '0') <= 40 ? 1 : 0;
  }
  if (exchange.size() == 1 && IsDigit(exchange[0])) {
    const int zone = exchange[0] - '0';
    if (prefix == "VE") return zone >= 1 && zone <= 5 ? 1 : 0;
    if (prefix == "K") return zone >= 3 && zone <= 5 ? 1 : 0;
  }
  return 0;
}
