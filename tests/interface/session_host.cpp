// A host in miniature: loads the plug-in from a file, binds its entry points by the plain
// or by the decorated names, plays a short contest session in the current folder and
// writes a transcript of every answer and of the files the plug-in wrote. The same
// session through libStats.so and through Stats.dll under wine must give the same bytes.
//
// Usage: stats-session LIBRARY plain|decorated TRANSCRIPT

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "host/host_calls.h"
#include "host/stats_library.h"

namespace {

void PrintFile(std::FILE* out, const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(in), {});
  std::fprintf(out, "file %s -> [", name.c_str());
  std::fwrite(text.data(), 1, text.size(), out);
  std::fputs("]\n", out);
}

class Session {
 public:
  Session(const StatsLibrary& plugin, std::FILE* out) : plugin_(plugin), out_(out) {}

  void Reset(const char* call, const char* prefix, const char* continent, int cabrillo) {
    Print("ResetStats0",
          ::Reset({call, prefix, continent, cabrillo, "", FromCalendar({2016, 11, 12, 12, 0, 0}),
                   FromCalendar({2016, 11, 13, 12, 0, 0})},
                  plugin_));
  }

  void Add(const char* call, int minute, unsigned hz, const char* mode, const char* exchange,
           const char* prefix, const char* continent, const char* band) {
    const OleDate time = FromCalendar({2016, 11, 12, 12 + minute / 60, minute % 60, 0});
    Print("AddData0",
          ::Add({"G4AAA", call, prefix, continent, band, time, exchange, mode, hz}, plugin_));
  }

  void Remove(const char* call, const char* mode, const char* band) {
    Print("RemoveData0", ::Remove({"G4AAA", call, "", "", band, OleDate{}, "1", mode, 0}, plugin_));
  }

  void Check(const char* call, const char* prefix, const char* band) {
    char output[100] = "untouched";
    Print("CheckCall0", ::Check(call, "CW", prefix, band, nullptr, output, plugin_));
    Text("  output", output);
  }

  void Simple() {
    Print("GetNumberOfSets", plugin_.GetNumberOfSets());
    Text("GetSetName", plugin_.GetSetName(3));
    Print("GetExchgCount0", plugin_.GetExchgCount0(nullptr, nullptr, nullptr));
    Print("IsValidExchg0", plugin_.IsValidExchg0("4", "", "K", "", 0, 0, 0));
    Print("IsValidExchg0", plugin_.IsValidExchg0("41", "", "DL", "", 0, 0, 0));
  }

  void Report() {
    int status = 0;
    Text("GetResult0", plugin_.GetResult0(&status));
    Print("  status", status);
  }

  void File(const std::string& name) { PrintFile(out_, name); }

 private:
  void Print(const char* what, int result) { std::fprintf(out_, "%s -> %d\n", what, result); }
  void Text(const char* what, const std::string& text) {
    std::fprintf(out_, "%s -> [", what);
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fputs("]\n", out_);
  }

  const StatsLibrary& plugin_;
  std::FILE* out_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: stats-session LIBRARY plain|decorated TRANSCRIPT\n");
    return 2;
  }
  const std::string names = argv[2];
  std::FILE* out = std::fopen(argv[3], "wb");
  if (out == nullptr) return 2;
  try {
    const StatsLibrary plugin(argv[1], names == "decorated" ? StatsLibrary::Names::kDecorated
                                                            : StatsLibrary::Names::kPlain);
    std::filesystem::create_directories("Plugins");
    // The settings say this reset is not the one that opens the windows: what the control
    // window writes while it starts is no part of the host's session.
    std::ofstream("Plugins/UK_EI.ini", std::ios::binary) << "[Settings]\r\nStart=1\r\n";
    Session session(plugin, out);
    session.Simple();
    session.Reset("G4AAA", "G", "EU", 0);
    session.Add("DL1ABC", 0, 14025300, "CW", "7", "DL", "EU", "20m");
    session.Add("GM3XYZ", 3, 14026000, "CW", "12ab", "GM", "EU", "20m");
    session.Add("EI5XX", 4, 7012000, "CW", "5 xx", "EI", "EU", "40m");
    session.Add("DL1ABC", 5, 14025000, "CW", "7", "DL", "EU", "20m");
    session.Add("W1AW", 9, 1830000, "CW", "3", "K", "NA", "160m");
    session.Add("JA1XX", 70, 21020000, "cw", "123", "JA", "AS", "15M");
    session.Add("VK2AB", 71, 28020000, "RTTY", "9", "VK", "OC", "10m");
    session.Add("ZS6A", 72, 3520000, "CW", "", "ZS", "AF", "80m");
    session.Check("DL1ABC", "DL", "20m");
    session.Check("DL2ZZ", "DL", "20m");
    session.Check("DL2ZZ", "DL", "40m");
    session.Check("", "DL", "40m");
    session.Remove("DL1ABC", "CW", "20m");
    session.Remove("JA1XX", "cw", "15M");
    session.Remove("EI5XX", "FM", "40m");
    session.Report();
    session.File("VurovODUVIR_EI_13_11_2016.txt");
  } catch (const StatsLibraryError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  // Once the library is unloaded: the claimed score reaches the settings file off the
  // host's thread, and at the latest when the plug-in goes.
  PrintFile(out, "Plugins/UK_EI.ini");
  std::fclose(out);
  return 0;
}
