#pragma once
// The control window: the operator picks the contest leg, which multiplier windows are
// open and, for a UK/EI station, the own area code. It owns the multiplier windows and the
// refresh timer, links the host, and lives on the window thread with all its windows.

#include <windows.h>

#include <memory>
#include <optional>

#include "setup/control_settings.h"
#include "setup/posted_host_link_win32.h"
#include "setup/window_refresh.h"
#include "windows/dialog_window_win32.h"
#include "windows/multiplier_windows_win32.h"

// Posted by the host's thread: timers belong to the thread of their window.
constexpr UINT kArmRefreshMessage = WM_APP + 1;
constexpr UINT kStopRefreshMessage = WM_APP + 2;
// Posted by the window to itself: it links the host once it is on the screen.
constexpr UINT kLinkHostMessage = WM_APP + 3;
// Posted by the window to itself: it makes the next part of the multiplier windows.
constexpr UINT kMakeWindowsMessage = WM_APP + 4;

class Setup_CQ_WW : public TopLevelDialog {
 public:
  Setup_CQ_WW(PostedHostLink& host, WindowRefresh& refresh);
  // Closes the multiplier windows, the extended DXCC window first, then this one.
  ~Setup_CQ_WW() override;

  // Ended by the dialog keys or by the host's thread (a close message): the thread's
  // message loop stops.
  bool ended() const { return ended_; }

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Runs work that calls the host. While it waits for the host's answer, messages of this
  // thread are handled within that wait; a leg chosen meanwhile is carried out after it.
  template <typename Work>
  void AskHost(Work work);

  void Initialise();
  void LinkHost();
  void ShowCaptions(const ControlCaptions& captions);
  void ShowChoices();
  void MoveLegBoxesForDxStation();
  void ChooseLeg(Leg leg);
  void ShowLegBoxes(Leg leg);
  void MakeMultiplierWindows();
  void MakeNextWindowPart();
  TopLevelDialog& WindowOf(View view);
  static bool& OpenFlag(View view, OpenWindows& windows);
  void ToggleWindow(View view);
  // Shows the view's window with what the others show and records it open; false when it
  // could not be made.
  bool OpenView(View view);
  void ArmRefresh();
  void RefreshWindows();
  // Into the windows the update was made for that are still open.
  void Apply(const WindowUpdate& update, const OpenWindows& madeFor);
  OpenWindows OpenNow();
  void Close();

  PostedHostLink& host_;
  WindowRefresh& refresh_;
  ControlSettings settings_;
  PaleYellowBackground background_;
  std::unique_ptr<AreaCode> areaWindow_;
  std::unique_ptr<Multiplier> multiplierWindow_;
  std::unique_ptr<Multiplier_Mult> extendedMultiplierWindow_;
  // Open by the view boxes (shown, or hidden by the operator with Esc).
  OpenWindows open_;
  // Host calls under way.
  int hostCalls_ = 0;
  // Clicked while the host was being asked: carried out once it has answered.
  std::optional<Leg> pendingLeg_;
  bool initialising_ = false;
  bool ended_ = false;
};
