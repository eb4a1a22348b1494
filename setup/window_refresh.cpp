#include "setup/window_refresh.h"

#include <algorithm>
#include <cmath>

#include "platform/text_format.h"

namespace {

// A move of the host's frequency beyond this many hertz tells the host "<SP1>".
constexpr double kRetuneHertz = 300;

// Empty cells of a worked-with row; column 0 keeps the band name.
constexpr const char* kEmptyCell = "   -";
constexpr const char* kEmptyZoneCell = " -";

// The zone column: the zone in two digits and, for stations of the USA and Canada, their
// area; intake never sets the zone, so it shows 00.
std::string ZoneText(const CInfo& qso) {
  if (qso.prefix == "K" || qso.prefix == "VE")
    return Formatted("0%i", qso.zone) + " " + qso.areaCode;
  return Formatted(qso.zone >= 10 ? "%i" : "0%i", qso.zone);
}

// Mode, time and zone of the last QSO with the call on each band; empty cells elsewhere.
// The log's index by call keeps this short however long the log: the host's thread waits
// for the contest lock meanwhile.
void FillWorkedWithRows(const QsoLog& log, const std::string& call,
                        std::array<BandStatusRow, kBandSlots>& rows) {
  for (BandStatusRow& row : rows) {
    row[1] = row[2] = row[4] = kEmptyCell;
    row[3] = kEmptyZoneCell;
  }
  if (call.empty()) return;
  const std::vector<const CInfo*> records = log.RecordsOfCall(call);
  std::array<bool, kBandSlots> filled{};
  for (auto qso = records.rbegin(); qso != records.rend(); ++qso) {  // the last one first
    const int slot = BandSlotExact((*qso)->band);
    if (slot < 0 || filled[slot]) continue;
    filled[slot] = true;
    BandStatusRow& row = rows[slot];
    row[1] = (*qso)->mode;
    row[2] = FormatDate((*qso)->time, "%H:%M");
    row[3] = ZoneText(**qso);
  }
}

std::string LegTitle(const Station& station) {
  return station.isCwMode != 0 ? "CQ-UK/EI-CW " : "CQ-UK/EI-SSB ";
}

}  // namespace

OpenWindows WindowsToReopen(const OpenWindows& wanted, const OpenWindows& open) {
  return {wanted.area && !open.area, wanted.dxcc && !open.dxcc,
          wanted.dxccExtended && !open.dxccExtended};
}

int BandSlotOfFrequency(double hertz) {
  const double megahertz = std::trunc(hertz / 1e6);
  constexpr double kBandMegahertz[kBandSlots] = {1, 3, 7, 14, 21, 28};
  for (int slot = 0; slot < kBandSlots; ++slot) {
    if (megahertz == kBandMegahertz[slot]) return slot;
  }
  return -1;
}

WindowUpdate WindowRefresh::Run(HostLink& host, const OpenWindows& open) {
  WindowUpdate update;
  FollowHost(host, open, update);
  MutexLock guard(state_.lock);
  ShowButton(update, open);
  return update;
}

void WindowRefresh::FollowHost(HostLink& host, const OpenWindows& open, WindowUpdate& update) {
  const std::optional<std::string> call = host.EntryText(kCallEntryField);
  if (!call) return;
  {
    MutexLock guard(state_.lock);
    state_.view.currentCall = *call;
    // A call of one or two characters is still being typed: the windows stay as they are.
    if (call->size() == 1 || call->size() == 2) return;
    FillWorkedWithRows(state_.log.qsoList, *call, state_.view.bandStatus);
    shownCall_ = *call;
    ShowCall(update, open);
  }

  const std::optional<double> frequency = host.Frequency();
  if (!frequency) return;
  if (std::fabs(*frequency - lastTuneFrequency_) > kRetuneHertz) {
    if (!host.SendCommand("<SP1>")) return;
    lastTuneFrequency_ = *frequency;
  }
  const int slot = BandSlotOfFrequency(*frequency);
  if (slot < 0) return;

  MutexLock guard(state_.lock);
  state_.view.currentBandIndex = slot;
  ShowBand(update, open);
}

WindowUpdate WindowRefresh::Shown(const OpenWindows& open) const {
  WindowUpdate update;
  MutexLock guard(state_.lock);
  ShowCall(update, open);
  ShowBand(update, open);
  ShowButton(update, open);
  return update;
}

void WindowRefresh::ShowCall(WindowUpdate& update, const OpenWindows& open) const {
  if (!shownCall_.empty() && open.dxcc) {
    update.dxccCaption = LegTitle(state_.station) + "worked with " + shownCall_;
  }
}

void WindowRefresh::ShowBand(WindowUpdate& update, const OpenWindows& open) const {
  const int slot = state_.view.currentBandIndex;
  if (slot < 0 || slot >= kBandSlots) return;
  if (shownCall_.empty()) {
    const std::string title = LegTitle(state_.station) + state_.station.startYear;
    const std::string band(kBandNames[slot]);
    if (open.dxcc) update.dxccCaption = title + "  DXCC worked on " + band;
    if (open.dxccExtended) update.dxccExtendedCaption = title + "  DXCC worked on " + band;
    if (open.area) update.areaCaption = title + "  Area worked on " + band;
  }
  if (open.area) update.workedAreas = state_.results.worked.workedAreasByBand[slot];
  if (open.dxccExtended) update.workedDxcc = state_.results.worked.workedDxccByBand[slot];
  update.onContestBand = true;
}

// The typed call's worked-with rows, or else the prefixes worked on the current band.
void WindowRefresh::ShowButton(WindowUpdate& update, const OpenWindows& open) const {
  if (!open.dxcc) return;
  InfoButtonState& button = update.button.emplace();
  button.currentCall = state_.view.currentCall;
  button.currentBandIndex = state_.view.currentBandIndex;
  if (!button.currentCall.empty()) {
    button.bandStatus = state_.view.bandStatus;
  } else if (button.currentBandIndex >= 0 && button.currentBandIndex < kBandSlots) {
    button.bandPrefixes = state_.results.worked.workedDxccByBand[button.currentBandIndex];
    std::sort(button.bandPrefixes.begin(), button.bandPrefixes.end());
  }
}
