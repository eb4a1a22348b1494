// Writes the box lists of the area-code grid and the continent pages as resource-script
// statements, one file per dialog template ("boxes_124.rci" ...), from the box tables the
// windows use. res/multiplier_windows.rc includes them. Runs on the build machine.

#include <cstdio>
#include <fstream>
#include <string>

#include "windows/box_tables.h"

namespace {

bool WriteBoxes(const std::string& folder, const BoxPage& page) {
  const std::string path = folder + "/boxes_" + std::to_string(page.templateId) + ".rci";
  std::ofstream out(path);
  out << "// " << page.className << ": generated from windows/box_tables.cpp\n";
  for (const CheckBox& box : page.boxes) {
    out << "    CONTROL \"" << box.caption << "\", " << box.controlId
        << ", \"Button\", BS_AUTOCHECKBOX | WS_VISIBLE | WS_TABSTOP, " << box.x << ", " << box.y
        << ", " << box.width << ", " << box.height << "\n";
  }
  out.close();
  if (!out) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  bool written = WriteBoxes(argv[1], AreaGrid());
  for (const BoxPage& page : ContinentPages()) written = WriteBoxes(argv[1], page) && written;
  return written ? 0 : 1;
}
