// make-sample-logs: writes the sample logs of the replay demonstration.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/samples/sample_log.h"
#include "tools/logs/whole_file.h"

namespace {

constexpr const char* kUsage =
    "usage: make-sample-logs [--cty FILE] [--scp FILE] [--qsos N] [--seed N] uk-cw|dx-ssb OUTFILE\n"
    "uk-cw: a UK station on the CW leg (ADIF); dx-ssb: a US station on the SSB leg\n"
    "(Cabrillo). The same files and options always give the same log.\n";

std::string ReadFile(const std::string& path) {
  try {
    return ReadWholeFile(path);
  } catch (const FileError& error) {
    throw std::runtime_error(path + ": " + error.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string cty = "/usr/share/hamradio-files/cty.dat";
  std::string scp = "/usr/share/hamradio-files/MASTER.SCP";
  int qsos = 0;
  unsigned seed = 0;
  std::string kind, output;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if ((argument == "--cty" || argument == "--scp" || argument == "--qsos" ||
         argument == "--seed") &&
        i + 1 < argc) {
      const std::string value = argv[++i];
      if (argument == "--cty") cty = value;
      if (argument == "--scp") scp = value;
      if (argument == "--qsos") qsos = std::atoi(value.c_str());
      if (argument == "--seed")
        seed = static_cast<unsigned>(std::strtoul(value.c_str(), nullptr, 10));
    } else if (kind.empty()) {
      kind = argument;
    } else if (output.empty()) {
      output = argument;
    } else {
      kind.clear();
      break;
    }
  }
  if ((kind != "uk-cw" && kind != "dx-ssb") || output.empty() || qsos < 0) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    SampleLogPlan plan = kind == "uk-cw" ? UkCwSample() : DxSsbSample();
    if (qsos > 0) plan.qsos = qsos;
    if (seed > 0) plan.seed = seed;
    const CallPool pool(ReadFile(scp), CtyDatabase::Load(cty));
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << GenerateSampleLog(plan, pool);
    if (!out.flush()) throw std::runtime_error("cannot write " + output);
  } catch (const std::exception& error) {
    std::cerr << "make-sample-logs: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
