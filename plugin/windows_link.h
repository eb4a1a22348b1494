#pragma once
// What the contest logic asks of the plug-in's windows. The Windows DLL answers with real
// windows on the window thread (setup/), handed in when the module loads; until then, and
// in the portable build, there are no windows: nothing opens, no refresh runs, the header
// dialog is taken as confirmed with the values it was given, and message boxes are not
// shown.
//
// None of these may be called while the contest lock is held: the window thread takes
// that lock, and a modal dialog or message box would hold it for as long as it is open.

#include <string>

#include "reports/cabrillo_header_fields.h"

class WindowsLink {
 public:
  virtual ~WindowsLink() = default;
  virtual bool ControlWindowOpen() = 0;
  // Starts the window thread with its control window (closing a running one first).
  virtual void StartControlWindow() = 0;
  // Asks for a refresh of the windows 300 ms from now (a later request restarts the wait);
  // nothing when no control window is open.
  virtual void ArmRefresh() = 0;
  // Stops a pending refresh.
  virtual void StopRefresh() = 0;
  // Shows the dialog modally; true after OK, with the fields as the operator left them.
  virtual bool RunCabrilloDialog(CabrilloDialogFields& fields) = 0;
  // A modal message box: no caption gives the system's default one. A plain box stands on
  // its own; an information box belongs to the calling thread's active window (the host's).
  enum class MessageKind { kPlain, kInformation };
  virtual void ShowMessage(const std::string& text, const char* caption, MessageKind kind) = 0;
};

// The windows the entry points ask.
WindowsLink& Windows();
// Hands in the build's windows; called when the module loads, before any entry point runs.
void UseWindows(WindowsLink& windows);
