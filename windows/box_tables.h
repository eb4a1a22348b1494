#pragma once
// The check boxes of the area-code grid and of the six continent pages: caption, control id,
// the worked text that ticks the box, and where the box stands in its dialog template. The
// resource script's box lists are generated from these tables, and the windows use them to
// find each box by its control id.

#include <array>
#include <string_view>
#include <vector>

struct CheckBox {
  std::string_view caption;
  // A box is ticked when this text is in the band's worked list (exact, case-sensitive).
  std::string_view markingPrefix;
  int controlId;
  // Dialog units, as in the template.
  int x, y, width, height;
};

struct BoxPage {
  std::string_view className;
  int templateId;
  // Rows of the template, left to right, top to bottom.
  std::vector<CheckBox> boxes;
};

// The continent pages in the order of the extended DXCC window's tabs.
enum ContinentPage { kEurope, kAfrica, kAsia, kNorthAmerica, kSouthAmerica, kOceania };
constexpr int kContinentPages = 6;

// The 155 UK/EI area codes in the order of the contest's area-code table, so that box i is
// the code kAreaCodes[i].
const BoxPage& AreaGrid();
const std::array<BoxPage, kContinentPages>& ContinentPages();
