#pragma once
// What the control window keeps and tells, without the window: the operator's choices
// (the contest leg, the multiplier windows wanted, the own area code), restored from and
// written to the settings file at once; the window's captions; and the leg change with its
// fresh problem-line file and the commands to the host. Runs on the window thread; the
// contest lock is taken for what the entry points also use, never across a host call.

#include <string>

#include "plugin/contest_state.h"
#include "setup/host_link.h"
#include "setup/window_refresh.h"

enum class Leg { kCw, kSsb };
enum class View { kArea, kDxcc, kDxccExtended };

// The values behind the window's boxes (0 or 1) and its edit box.
struct ControlChoices {
  int modeCw = 0;
  int modeSsb = 0;
  int viewArea = 0;
  int viewDxcc = 0;
  int viewDxccExtended = 0;
  std::string areaCodeText;
};

// The window caption and the labels over the view and the leg boxes, in code page 1251.
struct ControlCaptions {
  std::string window;
  std::string viewLabel;
  std::string modeLabel;
};

class ControlSettings {
 public:
  ControlSettings(ContestState& state, HostLink& host) : state_(state), host_(host) {}

  // Reads every choice from the settings file and takes the own area code from it. "Mode"
  // is written with the text read for the CW box, so that the next reset follows the box.
  void Load();
  const ControlChoices& choices() const { return choices_; }
  OpenWindows wantedWindows() const;

  // For the leg the boxes show: CW when its box is ticked, else SSB.
  ControlCaptions Captions() const;
  ControlCaptions CaptionsFor(Leg leg) const;
  // False for a station outside the UK and Ireland: it sends no area code.
  bool SendsAreaCode() const;

  // Tells the host the leg the log is kept in.
  void TellHostTheLeg();
  // Switches to the leg in the choices, the settings and the contest state. False, with
  // nothing changed, when the settings already hold that leg.
  bool SwitchLeg(Leg leg);
  // After a switch: a fresh problem-line file with the leg's header, and the host told.
  void StartLeg(Leg leg);
  // Records that the view's window is open (or closed) now.
  void SetView(View view, bool open);
  // Keeps the own area code as typed.
  void StoreAreaCode(const std::string& text);

 private:
  ContestState& state_;
  HostLink& host_;
  ControlChoices choices_;
};
