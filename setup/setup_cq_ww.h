#pragma once
// The control window: the operator picks the contest leg, which multiplier windows are
// open and, for a UK/EI station, the own area code. It owns the multiplier windows and the
// refresh timer, links the host, and lives on the window thread with all its windows.

#include <windows.h>

#include <memory>

#include "setup/control_settings.h"
#include "setup/posted_host_link.h"
#include "setup/window_refresh.h"
#include "windows/dialog_window.h"
#include "windows/multiplier_windows.h"

// Posted by the host's thread: timers belong to the thread of their window.
constexpr UINT kArmRefreshMessage = WM_APP + 1;
constexpr UINT kStopRefreshMessage = WM_APP + 2;

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
  // Counts the host calls under way: while one waits for the host's answer, messages of
  // this thread may be handled within that wait.
  class HostCall {
   public:
    explicit HostCall(int& calls) : calls_(calls) { ++calls_; }
    ~HostCall() { --calls_; }
    HostCall(const HostCall&) = delete;
    HostCall& operator=(const HostCall&) = delete;

   private:
    int& calls_;
  };

  void Initialise();
  void ShowCaptions();
  void ShowChoices();
  void MoveLegBoxesForDxStation();
  void ChooseLeg(Leg leg);
  void ToggleWindow(View view);
  template <typename Window>
  void Toggle(std::unique_ptr<Window>& window, std::unique_ptr<Window> (*open)(), View view);
  // Opens the view's window and records it open; false when it cannot be created.
  template <typename Window>
  bool OpenView(std::unique_ptr<Window>& window, std::unique_ptr<Window> (*open)(), View view);
  void ArmRefresh();
  void RefreshWindows();
  void Apply(const WindowUpdate& update);
  OpenWindows OpenNow();
  void Close();

  PostedHostLink& host_;
  WindowRefresh& refresh_;
  ControlSettings settings_;
  PaleYellowBackground background_;
  std::unique_ptr<AreaCode> areaWindow_;
  std::unique_ptr<Multiplier> multiplierWindow_;
  std::unique_ptr<Multiplier_Mult> extendedMultiplierWindow_;
  int hostCalls_ = 0;
  bool initialising_ = false;
  bool ended_ = false;
};
