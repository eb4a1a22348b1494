// Opens the plug-in's control window through a fake host, so that take_pictures.sh can
// photograph it. Arguments: the hand-shake folder, the own station's prefix and the
// picture's name. It writes "<name>.ready" holding the window's screen rectangle as
// WxH+X+Y into the folder and waits for "<name>.taken" before it unloads the plug-in.

#include <windows.h>

#include <cstdio>
#include <string>

#include "host/fake_host_win32.h"
#include "host/host_calls.h"

namespace {

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: control_window_pictures FOLDER PREFIX NAME\n");
    return 2;
  }
  const std::string folder = argv[1], prefix = argv[2], name = argv[3];
  const std::string work = folder + "\\" + name;
  CreateDirectoryA(work.c_str(), nullptr);
  CreateDirectoryA((work + "\\Plugins").c_str(), nullptr);
  SetCurrentDirectoryA(work.c_str());
  for (const auto& [key, value] : {std::pair{"setup_mode_cw", "1"}, std::pair{"Mode", "1"},
                                   std::pair{"setup_areacode", "LN"}}) {
    WritePrivateProfileStringA("Settings", key, value, ".\\Plugins\\UK_EI.ini");
  }

  FakeHost host;
  StatsLibrary& plugin = host.Load();
  Reset({"G4AAA", argv[2], "EU"}, plugin);
  HWND control = nullptr;
  host.PumpUntil(
      [&] {
        control = FindPluginWindows().control;
        return control != nullptr && IsWindowVisible(control);
      },
      10000);
  if (control == nullptr) return 1;
  host.Pump(1000);  // painted

  RECT frame;
  GetWindowRect(control, &frame);
  const std::string ready = folder + "\\" + name + ".ready";
  if (FILE* file = std::fopen(ready.c_str(), "w")) {
    std::fprintf(file, "%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top,
                 frame.left, frame.top);
    std::fclose(file);
  }
  const bool taken = host.PumpUntil([&] { return Exists(folder + "\\" + name + ".taken"); }, 30000);
  return taken ? 0 : 1;
}
