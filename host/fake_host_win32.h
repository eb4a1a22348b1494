#pragma once
// A host program for the plug-in under wine64. It registers an automation server as
// "Qorv2.Application" that answers the plug-in's three members from a script and keeps
// every call, and it loads Stats.dll as the host does. Everything runs on the thread that
// made it, and it pumps messages whenever it waits, as a host's window thread does, so that
// the plug-in's calls are answered; a test that wants the host busy simply does not pump.

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/stats_library.h"

class FakeHost {
 public:
  // Without `running`, no automation server is registered: the host is not running.
  explicit FakeHost(bool running = true);
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // What the server answers.
  double frequency = 14025000;
  std::string entryText;
  bool failCalls = false;

  // One call of the plug-in, as it arrived.
  struct Call {
    DISPID member;
    std::string command;  // member 16
    int field = 0;        // member 8
    std::chrono::steady_clock::time_point when;
  };
  const std::vector<Call>& calls() const { return calls_; }
  size_t CallsOf(DISPID member) const;
  std::vector<std::string> Commands() const;
  void ForgetCalls() { calls_.clear(); }

  // Loads Stats.dll and binds its entry points by their plain names.
  StatsLibrary& Load();
  StatsLibrary& plugin() { return *plugin_; }
  // FreeLibrary; how long it took.
  std::chrono::milliseconds Unload();

  void Pump(int milliseconds);
  // Pumps until `done` holds or the time is up; whether it held.
  bool PumpUntil(const std::function<bool()>& done, int milliseconds);

  void Answer(const Call& call) { calls_.push_back(call); }
  // References held on the automation server, by anyone.
  ULONG ServerReferences() const {
    server_->AddRef();
    return server_->Release();
  }

 private:
  std::vector<Call> calls_;
  IUnknown* server_ = nullptr;
  DWORD registration_ = 0;
  std::optional<StatsLibrary> plugin_;

 public:
  // Handles the messages waiting now and returns: a GUI host between two calls.
  void PumpWaiting();
};

// The plug-in's windows on the screen: found among the visible windows of its window thread
// by their controls.
struct PluginWindows {
  HWND control = nullptr;
  HWND area = nullptr;
  HWND dxcc = nullptr;
  HWND dxccExtended = nullptr;
  DWORD thread = 0;
};
PluginWindows FindPluginWindows();

std::string WindowText(HWND window);
// Clicks a control as the operator does, from the host's thread.
void Click(HWND dialog, int id);
