#pragma once
// The host around the weekend benchmark. On Windows it is the fake host: the plug-in is
// loaded into it, its automation server answers the window thread with the entry field
// and the dial, and it pumps messages as a GUI program does; the plug-in's windows are
// opened, driven and closed through it. Natively there are no windows: the library alone.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "host/stats_library.h"

class WeekendHost {
 public:
  // Loads the plug-in of this build.
  WeekendHost();
  ~WeekendHost();
  WeekendHost(const WeekendHost&) = delete;
  WeekendHost& operator=(const WeekendHost&) = delete;

  const StatsLibrary& plugin() const;
  // Whether the plug-in has windows on this platform.
  static bool HasWindows();

  // What the host's entry field shows and where its dial stands, for the window thread.
  void Show(const std::string& entryText, double frequencyHz);
  // The messages waiting now, handled as a GUI program does between two calls.
  void PumpWaiting();
  // Pumps until the window thread's next refresh has read the entry field: the refresh
  // timer fires 300 ms after the last call check. False when none came in time.
  bool AwaitRefresh();
  // Refreshes the window thread ran so far.
  int refreshes() const;

  // After the reset that opens the windows (with all three wanted): whether the control
  // window and the three multiplier windows are shown.
  bool AwaitWindows();
  // Ticks the other leg's box in the control window and then the first one again, each
  // carried out once the host has been told the leg; whether both were.
  bool ChangeLegAndBack(bool cwLeg);
  // Closes the control window, and with it every window, as unloading does; whether the
  // window thread ended.
  bool CloseWindows();

  // The plug-in's own GDI objects now; none natively.
  std::optional<long> GdiObjects() const;
  // The process's working set (natively its resident size), bytes.
  static size_t WorkingSet();

  // Runs `work`, confirming the export's header dialog and its "Output" box as they come.
  void ConfirmingDialogs(const std::function<void()>& work);

 private:
  struct Platform;  // the fake host on Windows, the library natively
  std::unique_ptr<Platform> platform_;
};
