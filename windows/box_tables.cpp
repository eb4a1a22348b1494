#include "windows/box_tables.h"

#include <algorithm>
#include <utility>

#include "contest/contest_rules.h"
#include "platform/ascii_text.h"
#include "res/multiplier_ids.h"

namespace {

using Row = std::vector<std::string_view>;

// One template's grid: boxes stand in rows at fixed heights and in columns at fixed
// offsets. A box is as wide as its caption needs, within the page's range, and never
// reaches into the next column.
struct BoxGrid {
  std::string_view className;
  int templateId;
  int templateWidth;
  std::vector<int> rowY;
  std::vector<int> columnX;
  int minBoxWidth, maxBoxWidth, boxHeight;
  std::vector<Row> rows;
  // Boxes drawn wider than the rule gives.
  std::vector<std::pair<std::string_view, int>> wideBoxes = {};
};

int BoxWidth(const BoxGrid& grid, std::string_view caption, size_t column) {
  constexpr int kCheckMarkWidth = 14, kCharacterWidth = 4;
  for (const auto& [wide, width] : grid.wideBoxes) {
    if (wide == caption) return width;
  }
  const int text = static_cast<int>(TrimBlanks(caption).size());
  const int wanted =
      std::clamp(kCheckMarkWidth + kCharacterWidth * text, grid.minBoxWidth, grid.maxBoxWidth);
  const int room = column + 1 < grid.columnX.size()
                       ? grid.columnX[column + 1] - grid.columnX[column]
                       : grid.templateWidth - grid.columnX[column];
  return std::min(wanted, room);
}

template <typename ControlIdOf, typename MarkingPrefixOf>
BoxPage BuildPage(const BoxGrid& grid, ControlIdOf controlIdOf, MarkingPrefixOf markingPrefixOf) {
  BoxPage page{grid.className, grid.templateId, {}};
  for (size_t r = 0; r < grid.rows.size(); ++r) {
    for (size_t c = 0; c < grid.rows[r].size(); ++c) {
      const std::string_view caption = grid.rows[r][c];
      const int index = static_cast<int>(page.boxes.size());
      page.boxes.push_back({caption, markingPrefixOf(caption), controlIdOf(index), grid.columnX[c],
                            grid.rowY[r], BoxWidth(grid, caption, c), grid.boxHeight});
    }
  }
  return page;
}

// The area grid's control ids follow the template's history, not the alphabet: runs of
// codes (by their index in the area-code table) with the id of the run's first code.
struct IdRun {
  int firstCode, count, firstId;
};
constexpr std::array<IdRun, 8> kAreaIdRuns = {{{0, 12, 1015},      // AB .. BR
                                               {12, 1, 1088},      // BS
                                               {13, 13, 1028},     // CA .. CV
                                               {26, 1, 1041},      // CW
                                               {27, 46, 1042},     // DA .. KY
                                               {73, 1, 1027},      // LA
                                               {74, 27, 1089},     // LD .. OF
                                               {101, 54, 1117}}};  // OL .. ZE

std::array<int, kAreaCodes.size()> AreaControlIds() {
  std::array<int, kAreaCodes.size()> ids{};
  for (const IdRun& run : kAreaIdRuns) {
    for (int k = 0; k < run.count; ++k) ids[run.firstCode + k] = run.firstId + k;
  }
  return ids;
}

BoxPage BuildAreaGrid() {
  constexpr size_t kColumns = 13;
  BoxGrid grid{"AreaCode",
               IDD_AREA_CODE,
               316,
               {7, 19, 32, 45, 58, 71, 84, 97, 110, 123, 136, 149},
               {7, 30, 53, 77, 100, 122, 146, 170, 193, 216, 238, 261, 284},
               20,
               23,
               12,
               {},
               {{"DW", 30}, {"MO", 30}}};
  for (size_t i = 0; i < kAreaCodes.size(); i += kColumns) {
    grid.rows.emplace_back(kAreaCodes.begin() + i,
                           kAreaCodes.begin() + std::min(i + kColumns, kAreaCodes.size()));
  }
  const auto ids = AreaControlIds();
  return BuildPage(
      grid, [&](int code) { return ids[code]; }, [](std::string_view code) { return code; });
}

// Continent page boxes are numbered from 1015 in reading order.
int PageControlId(int index) {
  return 1015 + index;
}

// Two Africa boxes carry a caption that differs from the prefix that ticks them.
std::string_view ContinentMarkingPrefix(std::string_view caption) {
  if (caption == "3Y/b") return "3Y";
  if (caption == " TZ           ") return "TZ";
  return caption;
}

std::array<BoxPage, kContinentPages> BuildContinentPages() {
  const std::array<BoxGrid, kContinentPages> grids = {{
      {"WAE_ALL",
       IDD_WAE_ALL,
       275,
       {6, 21, 35, 49, 62, 75, 89},
       {6, 32, 59, 83, 106, 135, 161, 187, 213, 239},
       19,
       30,
       11,
       {{"1A0", "3A", "4O", "4U1I", "4U1V", "9A", "9H", "C3", "CT", "CU"},
        {"DL", "E7", "EA", "EA6", "EI", "ER", "ES", "EU", "F", "G"},
        {"GD", "GI", "GJ", "GM", "GU", "GW", "HA", "HB", "HB0", "HV"},
        {"I", "IS", "IT", "JW", "JX", "LA", "LX", "LY", "LZ", "OE"},
        {"OH", "OH0", "OJ0", "OK", "OM", "ON", "OY", "OZ", "PA", "R1FJ"},
        {"S5", "SM", "SP", "SV", "SV5", "SV9", "T7", "TA1", "TF", "TK"},
        {"UA", "UA2", "UR", "YL", "YO", "YU", "Z6", "Z3", "ZA", "ZB"}}},
      {"AF_DXCC",
       IDD_AF_DXCC,
       261,
       {7, 19, 32, 44, 57, 69, 80, 91},
       {7, 35, 62, 87, 112, 144, 173, 199, 226},
       24,
       30,
       13,
       {{"3B6", "3B8", "3B9", "3C", "3C0", "3DA", "3V", "3X", "3Y/b"},
        {"5A", "5H", "5N", "5R", "5T", "5U", "5V", "5X", "5Z"},
        {"6W", "7P", "7Q", "7X", "9J", "9L", "9Q", "9U", "9X"},
        {"A2", "C5", "C9", "CN", "D2", "D4", "D6", "E3", "E4"},
        {"EA8", "EA9", "EL", "ET", "FH", "FR", "FT/j", "FT/t", "FT/w"},
        {"FT/x", "FT/z", "J2", "J5", "S0", "S7", "S9", "ST", "SU"},
        {"T5", "TJ", "TL", "TN", "TR", "TT", "TU", "TY", " TZ           "},
        {"VK0H", "XT", "Z2", "Z8", "ZD7", "ZD8", "ZD9", "ZS", "ZS8"}}},
      {"AS_DXCC",
       IDD_AS_DXCC,
       261,
       {7, 19, 32, 45, 58, 71, 85},
       {7, 36, 66, 94, 123, 152, 178, 206, 232},
       26,
       26,
       15,
       {{"1S", "3W", "4J", "4L", "4S", "4X", "5B", "7O", "8Q"},
        {"9K", "9M2", "9N", "9V", "A4", "A5", "A6", "A7", "A9"},
        {"AP", "BS7", "BV", "BV9P", "BY", "E4", "EK", "EP", "EX"},
        {"EY", "EZ", "HL", "HS", "HZ", "JA", "JD/o", "JT", "JY"},
        {"OD", "P5", "S2", "SU", "TA", "UA9", "UK", "UN", "VR"},
        {"VU", "VU4", "VU7", "XU", "XW", "XX9", "XZ", "YA", "YI"},
        {"ZC4", "YK"}}},
      {"NA_DXCC",
       IDD_NA_DXCC,
       265,
       {6, 19, 32, 46, 59, 72, 85},
       {7, 38, 69, 99, 130, 161, 193, 224},
       30,
       30,
       14,
       {{"4U1U", "6Y", "8P", "C6", "CM", "CY0", "CY9", "FG"},
        {"FJ", "FM", "FO/c", "FP", "FS", "HH", "HI", "HK0/a"},
        {"HP", "HR", "J7", "J8", "K", "KG4", "KL", "KP1"},
        {"J3", "J6", "KP2", "KP4", "KP5", "OX", "PJ5", "PJ7"},
        {"TG", "TI", "TI9", "V2", "V3", "V4", "VE", "VP2E"},
        {"VP2M", "VP2V", "VP5", "VP9", "XE", "XF4", "YN", "YS"},
        {"ZF", "YV0"}}},
      {"SA_DXCC",
       IDD_SA_DXCC,
       262,
       {6, 19, 32, 44},
       {7, 37, 67, 97, 127, 158, 188, 218},
       25,
       30,
       14,
       {{"8R", "9Y", "CE", "CE0X", "CE0Y", "CE0Z", "CP", "CX"},
        {"FY", "HC", "HC8", "HK", "HK0", "LU", "OA", "P4"},
        {"PJ2", "PJ4", "PY0P", "PY0T", "PZ", "VP8", "VP8/g", "VP8/h"},
        {"VP8/o", "PY", "PY0F", "VP8/s", "YV", "ZP", "3Y/p"}}},
      {"OC_DXCC",
       IDD_OC_DXCC,
       265,
       {6, 21, 34, 47, 61, 73, 86},
       {7, 37, 71, 104, 133, 165, 195, 227},
       30,
       30,
       14,
       {{"3D2", "4W", "5W", "9M6", "A3", "C2", "DU", "E5"},
        {"E6", "FK", "FO", "FO0", "FW", "H4", "H40", "JD/m"},
        {"KH0", "KH1", "KH2", "KH3", "KH4", "KH5", "KH5K", "KH6"},
        {"KH7K", "KH8", "KH8/s", "KH9", "P2", "T2", "T30", "T31"},
        {"T32", "T33", "T8", "V6", "V7", "V8", "VK", "VK0"},
        {"VK9C", "VK9L", "VK9M", "VK9N", "VK9W", "VK9X", "VP6", "YB"},
        {"YJ", "ZK3", "ZL", "ZL7", "ZL8", "ZL9"}}},
  }};
  std::array<BoxPage, kContinentPages> pages;
  for (int p = 0; p < kContinentPages; ++p) {
    pages[p] = BuildPage(grids[p], PageControlId, ContinentMarkingPrefix);
  }
  return pages;
}

}  // namespace

const BoxPage& AreaGrid() {
  static const BoxPage grid = BuildAreaGrid();
  return grid;
}

const std::array<BoxPage, kContinentPages>& ContinentPages() {
  static const std::array<BoxPage, kContinentPages> pages = BuildContinentPages();
  return pages;
}
