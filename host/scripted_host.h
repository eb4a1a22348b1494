#pragma once
// A host for the refresh and the control window's settings: answers from what the test
// set, fails the calls it is told to fail, and keeps every command it was sent.

#include <string>
#include <vector>

#include "setup/host_link.h"

class ScriptedHost : public HostLink {
 public:
  bool linked() const override { return true; }
  std::optional<double> Frequency() override {
    ++frequencyCalls;
    if (failFrequency) return std::nullopt;
    return frequency;
  }
  std::optional<std::string> EntryText(int field) override {
    fields.push_back(field);
    if (failEntryText) return std::nullopt;
    return entryText;
  }
  bool SendCommand(const std::string& command) override {
    if (failCommands) return false;
    commands.push_back(command);
    return true;
  }

  double frequency = 14025000;
  std::string entryText;
  bool failFrequency = false, failEntryText = false, failCommands = false;

  int frequencyCalls = 0;
  std::vector<int> fields;
  std::vector<std::string> commands;
};
