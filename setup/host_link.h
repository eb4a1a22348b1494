#pragma once
// The host program's automation server, as the control window and the refresh use it:
// three members, reached by dispatch id on Windows. Every call may fail (the host went
// away, or answered with an error); a failed call gives nothing back, and the caller gives
// up what it was doing without bothering the operator.

#include <optional>
#include <string>

class HostLink {
 public:
  virtual ~HostLink() = default;
  // False when no running host was found: nothing is asked and nothing is sent.
  virtual bool linked() const = 0;
  // The host's operating frequency in hertz (member 2).
  virtual std::optional<double> Frequency() = 0;
  // The text of one of the host's entry fields (member 8); one that holds no text reads
  // as empty.
  virtual std::optional<std::string> EntryText(int field) = 0;
  // A command for the host, "<MODE:CW>", "<MODE:SSB>" or "<SP1>" (member 16).
  virtual bool SendCommand(const std::string& command) = 0;
};

// The entry field that holds the call being typed.
constexpr int kCallEntryField = 5;
