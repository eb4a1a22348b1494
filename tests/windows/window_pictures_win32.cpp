// Shows every multiplier window in turn, filled with the worked lists of a sample log's
// 20 m band, so that take_pictures.sh can photograph them. For each picture it writes
// "<name>.ready" holding the window's screen rectangle as WxH+X+Y into the hand-shake
// folder given as argument, and waits for "<name>.taken" before it goes on.

#include <windows.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

#include "plugin/contest_log.h"
#include "plugin/contest_state.h"
#include "setup/window_refresh.h"
#include "tests/windows/window_thread_win32.h"
#include "windows/multiplier_windows_win32.h"

namespace {

constexpr int kTwentyMetres = 3;

// A statistics run of the plug-in's own: its reset labels the worked-with rows.
void StartRun() {
  contest.settings.Write("Start", "1");  // so this reset opens no control window
  ResetStatistics(StationArgs{"", 0, "G4ABC", OleDate{42686.5}, OleDate{42687.5}, "G", "EU"});
}

// The DXCC prefixes and UK areas of a sample log's 20 m QSOs, in log order.
void FillSampleLog() {
  MutexLock guard(contest.lock);
  contest.results.worked.workedDxccByBand[kTwentyMetres] = {
      "DL", "G",  "EA",  "I",  "F",  "OK", "SP", "UA",  "ON",  "PA", "OZ",  "SM", "OH",
      "LY", "YL", "ES",  "HA", "S5", "9A", "YU", "LZ",  "YO",  "UR", "EU",  "SV", "CT",
      "EI", "GM", "GW",  "GI", "HB", "OE", "OM", "LA",  "TF",  "E7", "4O",  "4X", "JA",
      "K",  "VE", "PY",  "LU", "ZS", "VK", "ZL", "CN",  "EA8", "SU", "UA9", "A6", "VU",
      "HL", "BY", "KP4", "CE", "5B", "TA", "9K", "PJ2", "FR",  "E4", "V5"};
  contest.results.worked.workedAreasByBand[kTwentyMetres] = {
      "BS", "LD", "AB", "CW", "EH", "GL", "KA", "MA", "NE", "OX", "SY", "WI",
      "YO", "BM", "GA", "CO", "SO", "NR", "DH", "SW", "LO", "ZE", "IV"};
  contest.view.currentBandIndex = kTwentyMetres;
  // The cells after the band label, as a refresh fills them for a call worked on 80m and 20m.
  for (BandStatusRow& row : contest.view.bandStatus) {
    row[1] = row[2] = row[4] = "   -";
    row[3] = " -";
  }
  const auto worked = [](int slot, const char* time) {
    contest.view.bandStatus[slot][1] = "CW";
    contest.view.bandStatus[slot][2] = time;
    contest.view.bandStatus[slot][3] = "00";
  };
  worked(1, "21:47");
  worked(kTwentyMetres, "13:05");
}

void SetCall(const std::string& call) {
  MutexLock guard(contest.lock);
  contest.view.currentCall = call;
}

// The button shows what a refresh hands it.
void ShowButton(Multiplier& window) {
  window.button().SetState(*WindowRefresh(contest).Shown(OpenWindows{false, true, false}).button);
  window.button().Invalidate();
}

void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Places the window, lets it paint, and waits until its picture has been taken.
bool Photograph(HWND window, const std::string& folder, const std::string& name) {
  SetWindowPos(window, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
  Pump(700);
  RECT frame;
  GetWindowRect(window, &frame);
  const std::string ready = folder + "\\" + name + ".ready";
  if (FILE* out = std::fopen((ready + ".part").c_str(), "w")) {
    std::fprintf(out, "%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top,
                 frame.left, frame.top);
    std::fclose(out);
    MoveFileA((ready + ".part").c_str(), ready.c_str());
  }
  const std::string taken = folder + "\\" + name + ".taken";
  for (int waited = 0; !Exists(taken); waited += 100) {
    if (waited > 60000) return false;
    Pump(100);
  }
  return true;
}

const char* const kWorkedOn = "CQ-UK/EI-CW 2024  DXCC worked on 20m";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_pictures HANDSHAKE_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  CreateDirectoryA("Plugins", nullptr);
  StartRun();
  FillSampleLog();

  {
    auto area = OpenWindow<AreaCode>(contest.settings);
    area->SetCaption("CQ-UK/EI-CW 2024  Area worked on 20m");
    MarkWorkedAreas(*area, contest.results.worked.workedAreasByBand[kTwentyMetres]);
    area->ShowCheckValues();
    if (!Photograph(area->hwnd(), folder, "area_window")) return 1;
  }
  {
    auto dxcc = OpenWindow<Multiplier>(contest.settings);
    dxcc->SetCaption(kWorkedOn);
    ShowButton(*dxcc);
    if (!Photograph(dxcc->hwnd(), folder, "dxcc_window_list")) return 1;
    SetCall("DL1ABC");
    dxcc->SetCaption("CQ-UK/EI-CW worked with DL1ABC");
    ShowButton(*dxcc);
    if (!Photograph(dxcc->hwnd(), folder, "dxcc_window_call")) return 1;
    SetCall("");
  }
  {
    auto extended = OpenWindow<Multiplier_Mult>(contest.settings);
    extended->SetCaption(kWorkedOn);
    MarkWorkedDxcc(*extended, contest.results.worked.workedDxccByBand[kTwentyMetres]);
    extended->ShowCheckValues();
    const char* pages[] = {"eu", "af", "as", "na", "sa", "oc"};
    for (int page = 0; page < kContinentPages; ++page) {
      extended->ShowPage(page);
      if (!Photograph(extended->hwnd(), folder, std::string("dxcc_extended_") + pages[page])) {
        return 1;
      }
    }
  }
  return 0;
}
