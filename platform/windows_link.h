#pragma once
// What the contest logic asks of the plug-in's windows. The Windows build answers with real
// windows on the window thread; the portable build has no windows: nothing opens, no
// refresh runs, the header dialog is taken as confirmed with the values it was given, and
// message boxes are not shown.
//
// None of these may be called while the contest lock is held: the window thread takes
// that lock, and a modal dialog or message box would hold it for as long as it is open.

#include <string>

// The texts of the Cabrillo header dialog, one per control that exchanges text.
struct CabrilloDialogFields {
  std::string contest, callsign, claimed;
  std::string categoryOperator, location, categoryBand, categoryAssisted, categoryMode;
  std::string categoryOverlay, categoryPower, categoryStation, categoryTime;
  std::string name, address, addressCity, addressStateProvince, addressPostalCode, addressCountry;
  std::string operators, club, soapbox, email;
};

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

// The build's windows.
WindowsLink& Windows();
