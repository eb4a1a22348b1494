#include "windows/box_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "contest/contest_rules.h"

namespace {

const CheckBox& BoxCaptioned(const BoxPage& page, std::string_view caption) {
  const auto found = std::find_if(page.boxes.begin(), page.boxes.end(),
                                  [&](const CheckBox& box) { return box.caption == caption; });
  EXPECT_NE(found, page.boxes.end()) << caption;
  return *found;
}

struct TemplateSize {
  int width, height;
};

// Template sizes as the resource script gives them: every box must fit inside.
constexpr std::array<TemplateSize, kContinentPages> kPageSizes = {
    {{275, 110}, {261, 115}, {261, 109}, {265, 104}, {262, 84}, {265, 113}}};

// Rows stand closer than the boxes are high, so only neighbours in a row must keep apart.
void ExpectBoxesFitSideBySide(const BoxPage& page, TemplateSize size) {
  for (size_t i = 0; i < page.boxes.size(); ++i) {
    const CheckBox& a = page.boxes[i];
    EXPECT_LE(a.x + a.width, size.width) << page.className << " " << a.caption;
    EXPECT_LE(a.y + a.height, size.height) << page.className << " " << a.caption;
    for (size_t j = i + 1; j < page.boxes.size(); ++j) {
      const CheckBox& b = page.boxes[j];
      const bool apart = a.y != b.y || a.x + a.width <= b.x || b.x + b.width <= a.x;
      EXPECT_TRUE(apart) << page.className << ": " << a.caption << " overlaps " << b.caption;
    }
  }
}

TEST(ContinentPages, TemplatesBoxCountsAndReadingOrderIds) {
  const auto& pages = ContinentPages();
  const std::array<std::string_view, kContinentPages> names = {"WAE_ALL", "AF_DXCC", "AS_DXCC",
                                                               "NA_DXCC", "SA_DXCC", "OC_DXCC"};
  const std::array<size_t, kContinentPages> counts = {70, 72, 56, 50, 31, 54};
  for (int p = 0; p < kContinentPages; ++p) {
    EXPECT_EQ(pages[p].className, names[p]);
    EXPECT_EQ(pages[p].templateId, 117 + p);
    ASSERT_EQ(pages[p].boxes.size(), counts[p]) << names[p];
    for (size_t i = 0; i < pages[p].boxes.size(); ++i) {
      EXPECT_EQ(pages[p].boxes[i].controlId, 1015 + static_cast<int>(i));
    }
    ExpectBoxesFitSideBySide(pages[p], kPageSizes[p]);
  }
}

TEST(ContinentPages, BoxesStandInTheirRowsAndColumns) {
  const auto& pages = ContinentPages();
  const CheckBox& first = pages[kEurope].boxes.front();
  EXPECT_EQ(first.caption, "1A0");
  EXPECT_EQ(first.x, 6);
  EXPECT_EQ(first.y, 6);
  EXPECT_EQ(first.height, 11);
  const CheckBox& r1fj = BoxCaptioned(pages[kEurope], "R1FJ");  // row 5, column 10
  EXPECT_EQ(r1fj.x, 239);
  EXPECT_EQ(r1fj.y, 62);
  EXPECT_EQ(r1fj.width, 30);
  EXPECT_EQ(BoxCaptioned(pages[kEurope], "F").width, 19);
  EXPECT_EQ(BoxCaptioned(pages[kEurope], "DL").width, 22);

  const CheckBox& tz = BoxCaptioned(pages[kAfrica], " TZ           ");  // row 7, last
  EXPECT_EQ(tz.x, 226);
  EXPECT_EQ(tz.y, 80);
  EXPECT_EQ(tz.width, 24);
  EXPECT_EQ(tz.height, 13);

  EXPECT_EQ(pages[kAsia].boxes.back().caption, "YK");  // row 7: ZC4 YK
  EXPECT_EQ(pages[kAsia].boxes.back().x, 36);
  EXPECT_EQ(pages[kAsia].boxes.back().y, 85);
  for (const CheckBox& box : pages[kAsia].boxes) EXPECT_EQ(box.width, 26);

  const CheckBox& southPole = pages[kSouthAmerica].boxes.back();
  EXPECT_EQ(southPole.caption, "3Y/p");
  EXPECT_EQ(southPole.x, 188);  // row 4 holds seven
  EXPECT_EQ(southPole.y, 44);
  EXPECT_EQ(BoxCaptioned(pages[kSouthAmerica], "CE").width, 25);
  EXPECT_EQ(BoxCaptioned(pages[kSouthAmerica], "VP8/g").width, 30);

  const CheckBox& vk9m = pages[kOceania].boxes[5 * 8 + 2];  // row 6, third
  EXPECT_EQ(vk9m.caption, "VK9M");
  EXPECT_EQ(vk9m.x, 71);
  EXPECT_EQ(vk9m.y, 73);
  EXPECT_EQ(pages[kNorthAmerica].boxes.back().caption, "YV0");
}

TEST(ContinentPages, BoxesAreTickedByTheirCaptionSaveTwoAfricanOnes) {
  for (const BoxPage& page : ContinentPages()) {
    for (const CheckBox& box : page.boxes) {
      if (box.caption == "3Y/b") {
        EXPECT_EQ(box.markingPrefix, "3Y");
      } else if (box.caption == " TZ           ") {
        EXPECT_EQ(box.markingPrefix, "TZ");
      } else {
        EXPECT_EQ(box.markingPrefix, box.caption);
      }
    }
  }
}

TEST(AreaGrid, OneBoxPerAreaCodeInTwelveRowsOfThirteen) {
  const BoxPage& grid = AreaGrid();
  EXPECT_EQ(grid.className, "AreaCode");
  EXPECT_EQ(grid.templateId, 124);
  ASSERT_EQ(grid.boxes.size(), kAreaCodes.size());
  for (size_t i = 0; i < grid.boxes.size(); ++i) {
    EXPECT_EQ(grid.boxes[i].caption, kAreaCodes[i]);
    EXPECT_EQ(grid.boxes[i].markingPrefix, kAreaCodes[i]);
  }
  EXPECT_EQ(BoxCaptioned(grid, "AB").x, 7);
  EXPECT_EQ(BoxCaptioned(grid, "AB").y, 7);
  EXPECT_EQ(BoxCaptioned(grid, "BS").x, 284);  // row 1 ends with BS
  EXPECT_EQ(BoxCaptioned(grid, "CW").y, 32);   // row 3 starts with CW
  EXPECT_EQ(BoxCaptioned(grid, "CW").x, 7);
  EXPECT_EQ(BoxCaptioned(grid, "ZE").x, 261);  // row 12 holds twelve
  EXPECT_EQ(BoxCaptioned(grid, "ZE").y, 149);
  EXPECT_EQ(BoxCaptioned(grid, "DW").width, 30);
  EXPECT_EQ(BoxCaptioned(grid, "MO").width, 30);
  for (const CheckBox& box : grid.boxes) {
    EXPECT_EQ(box.height, 12);
    if (box.caption != "DW" && box.caption != "MO") {
      EXPECT_GE(box.width, 20);
      EXPECT_LE(box.width, 23);
    }
  }
  ExpectBoxesFitSideBySide(grid, {316, 172});
}

TEST(AreaGrid, ControlIdsFollowTheTemplateNotTheAlphabet) {
  const BoxPage& grid = AreaGrid();
  const std::pair<std::string_view, int> expected[] = {
      {"AB", 1015}, {"BR", 1026}, {"LA", 1027}, {"CA", 1028}, {"CV", 1040},
      {"CW", 1041}, {"DA", 1042}, {"KY", 1087}, {"BS", 1088}, {"LD", 1089},
      {"OF", 1115}, {"OL", 1117}, {"ZE", 1170}};
  for (const auto& [code, id] : expected) EXPECT_EQ(BoxCaptioned(grid, code).controlId, id) << code;
  std::set<int> ids;
  for (const CheckBox& box : grid.boxes) ids.insert(box.controlId);
  EXPECT_EQ(ids.size(), 155u);
  EXPECT_EQ(*ids.begin(), 1015);
  EXPECT_EQ(*ids.rbegin(), 1170);
  EXPECT_EQ(ids.count(1116), 0u);
}

}  // namespace
