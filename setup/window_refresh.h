#pragma once
// The refresh of the multiplier windows, worked out without the windows: from the call in
// the host's entry field, the host's frequency and the contest state it decides what every
// open window must show. The window thread runs it when the refresh timer fires and puts
// the result into the windows. The contest lock is held only while the state is read or
// written, never across a call to the host: the host may be inside one of our entry
// points, waiting for that lock, while we wait for its answer.

#include <optional>
#include <string>
#include <vector>

#include "plugin/contest_state.h"
#include "setup/host_link.h"
#include "windows/info_button_face.h"

// Which of the three multiplier windows: open now, or wanted by its view box.
struct OpenWindows {
  bool area = false;
  bool dxcc = false;
  bool dxccExtended = false;
};

// The windows wanted by their view box that are not open: the refresh opens them again.
OpenWindows WindowsToReopen(const OpenWindows& wanted, const OpenWindows& open);

// What the open windows must show after one refresh. A refresh that stopped early changes
// only what it got to before it stopped.
struct WindowUpdate {
  std::optional<std::string> dxccCaption;          // the DXCC window (Multiplier)
  std::optional<std::string> dxccExtendedCaption;  // the extended DXCC window
  std::optional<std::string> areaCaption;          // the area-code window
  // The host is tuned to a contest band: the grids take that band's worked lists and the
  // worked-status button paints again.
  bool onContestBand = false;
  std::vector<std::string> workedAreas;  // of the band, for the area-code window
  std::vector<std::string> workedDxcc;   // of the band, for the extended DXCC window
  // For the DXCC window's worked-status button: what it paints from now on.
  std::optional<InfoButtonState> button;
};

// The band slot of a frequency in hertz by its whole megahertz (1, 3, 7, 14, 21, 28 MHz
// give 160m to 10m), or -1 off the contest bands.
int BandSlotOfFrequency(double hertz);

class WindowRefresh {
 public:
  explicit WindowRefresh(ContestState& state) : state_(state) {}

  // One refresh for the windows open now. Asks the host for the typed call and the
  // frequency and tells it "<SP1>" when the frequency moved by more than 300 Hz since it
  // was last told; writes the call, the worked-with rows and the current band into the
  // window view.
  WindowUpdate Run(HostLink& host, const OpenWindows& open) EXCLUDES(state_.lock);

  // What the windows `open` show after the last refresh, with the worked lists and the leg
  // as they are now: for a window that opens, without asking the host.
  WindowUpdate Shown(const OpenWindows& open) const EXCLUDES(state_.lock);

  // Where the host was when it was last told "<SP1>": 0 until then.
  double lastTuneFrequency() const { return lastTuneFrequency_; }

 private:
  // The steps of Run, which may stop early.
  void FollowHost(HostLink& host, const OpenWindows& open, WindowUpdate& update)
      EXCLUDES(state_.lock);
  // The caption of the typed call, the band's captions and lists, and the button's snapshot.
  void ShowCall(WindowUpdate& update, const OpenWindows& open) const REQUIRES(state_.lock);
  void ShowBand(WindowUpdate& update, const OpenWindows& open) const REQUIRES(state_.lock);
  void ShowButton(WindowUpdate& update, const OpenWindows& open) const REQUIRES(state_.lock);

  ContestState& state_;
  double lastTuneFrequency_ = 0;
  // The call the windows follow: the typed one, unless it has only one or two characters.
  std::string shownCall_;
};
