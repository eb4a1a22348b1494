#include "setup/control_settings.h"

#include "reports/stats_file.h"

namespace {

const char* ViewKey(View view) {
  switch (view) {
    case View::kArea:
      return kViewAreaKey;
    case View::kDxcc:
      return kViewDxccKey;
    case View::kDxccExtended:
      return kViewDxccExtendedKey;
  }
  return "";
}

const char* LegCommand(Leg leg) {
  return leg == Leg::kCw ? "<MODE:CW>" : "<MODE:SSB>";
}

}  // namespace

void ControlSettings::Load() {
  const IniFile& settings = state_.settings;
  const std::string modeCwText = settings.Read(kModeCwKey);
  choices_.modeCw = settings.ReadInt(kModeCwKey);
  settings.Write(kModeKey, modeCwText);
  choices_.areaCodeText = settings.Read(kAreaCodeKey);
  {
    MutexLock guard(state_.lock);
    state_.station.ownAreaCode = choices_.areaCodeText;
  }
  choices_.modeSsb = settings.ReadInt(kModeSsbKey);
  choices_.viewArea = settings.ReadInt(ViewKey(View::kArea));
  choices_.viewDxcc = settings.ReadInt(ViewKey(View::kDxcc));
  choices_.viewDxccExtended = settings.ReadInt(ViewKey(View::kDxccExtended));
}

OpenWindows ControlSettings::wantedWindows() const {
  return {choices_.viewArea != 0, choices_.viewDxcc != 0, choices_.viewDxccExtended != 0};
}

ControlCaptions ControlSettings::Captions() const {
  return CaptionsFor(choices_.modeCw != 0 ? Leg::kCw : Leg::kSsb);
}

ControlCaptions ControlSettings::CaptionsFor(Leg leg) const {
  const bool cw = leg == Leg::kCw;
  MutexLock guard(state_.lock);
  if (state_.station.useRussianCaptions != 0) {
    // "Установки", "Отображать", "Вид радиосвязи" in code page 1251.
    return {std::string("\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 CQ-UK/EI-") + (cw ? "CW-" : "SSB-") +
                state_.station.startYear,
            "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC",
            "\xC2\xE8\xE4 \xF0\xE0\xE4\xE8\xEE\xF1\xE2\xFF\xE7\xE8"};
  }
  return {std::string("Setup CQ-UK/EI-") + (cw ? "CW-" : "SSB-") + state_.station.startYear, "View",
          "Mode"};
}

bool ControlSettings::SendsAreaCode() const {
  MutexLock guard(state_.lock);
  return IsUkEiPrefix(state_.station.ownPrefix);
}

void ControlSettings::TellHostTheLeg() {
  bool cw;
  {
    MutexLock guard(state_.lock);
    cw = state_.station.isCwMode != 0;
  }
  host_.SendCommand(LegCommand(cw ? Leg::kCw : Leg::kSsb));
}

bool ControlSettings::SwitchLeg(Leg leg) {
  const bool cw = leg == Leg::kCw;
  const IniFile& settings = state_.settings;
  int& chosen = cw ? choices_.modeCw : choices_.modeSsb;
  chosen = settings.ReadInt(cw ? kModeCwKey : kModeSsbKey);
  if (chosen != 0) return false;

  choices_.modeCw = cw ? 1 : 0;
  choices_.modeSsb = cw ? 0 : 1;
  settings.Write(cw ? kModeCwKey : kModeSsbKey, "1");
  settings.Write(kModeKey, cw ? "1" : "0");
  settings.Write(cw ? kModeSsbKey : kModeCwKey, "0");
  {
    MutexLock guard(state_.lock);
    state_.station.isCwMode = cw ? 1 : 0;
  }
  return true;
}

void ControlSettings::StartLeg(Leg leg) {
  const bool cw = leg == Leg::kCw;
  // The host hears of the SSB leg before and after the file is made anew, of CW after.
  // A command the host fails to take changes nothing here: the leg is switched either way.
  if (!cw) host_.SendCommand(LegCommand(leg));
  {
    MutexLock guard(state_.lock);
    state_.station.statsFileName = StatsFileName(state_.station.endDateTag);
    CreateStatsFile(state_.station.statsFileName, cw);
  }
  host_.SendCommand(LegCommand(leg));
}

void ControlSettings::SetView(View view, bool open) {
  int& field = view == View::kArea   ? choices_.viewArea
               : view == View::kDxcc ? choices_.viewDxcc
                                     : choices_.viewDxccExtended;
  field = open ? 1 : 0;
  state_.settings.Write(ViewKey(view), open ? "1" : "0");
}

void ControlSettings::StoreAreaCode(const std::string& text) {
  choices_.areaCodeText = text;
  {
    MutexLock guard(state_.lock);
    state_.station.ownAreaCode = text;
  }
  state_.settings.Write(kAreaCodeKey, text);
}
