#include "windows/worked_marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The captions of the ticked boxes, in box order.
std::vector<std::string_view> Ticked(const BoxPage& page, const CheckValues& values) {
  std::vector<std::string_view> ticked;
  for (size_t i = 0; i < page.boxes.size(); ++i) {
    if (values[i]) ticked.push_back(page.boxes[i].caption);
  }
  return ticked;
}

using Captions = std::vector<std::string_view>;

TEST(WorkedMarks, ContinentPagesTickEveryBoxOfAWorkedPrefix) {
  const auto& pages = ContinentPages();
  const std::vector<std::string> worked = {"DL", "SU", "ZS", "3Y"};
  EXPECT_EQ(Ticked(pages[kEurope], MarkWorked(pages[kEurope], worked)), Captions{"DL"});
  EXPECT_EQ(Ticked(pages[kAfrica], MarkWorked(pages[kAfrica], worked)),
            (Captions{"3Y/b", "SU", "ZS"}));
  EXPECT_EQ(Ticked(pages[kAsia], MarkWorked(pages[kAsia], worked)), Captions{"SU"});
  for (ContinentPage p : {kNorthAmerica, kSouthAmerica, kOceania}) {
    EXPECT_TRUE(Ticked(pages[p], MarkWorked(pages[p], worked)).empty()) << p;
  }
  const std::vector<std::string> e4 = {"E4", " TZ           ", "TZ"};
  EXPECT_EQ(Ticked(pages[kAfrica], MarkWorked(pages[kAfrica], e4)),
            (Captions{"E4", " TZ           "}));
  EXPECT_EQ(Ticked(pages[kAsia], MarkWorked(pages[kAsia], e4)), Captions{"E4"});
}

TEST(WorkedMarks, TextsCompareExactlyAndEveryBoxHasAValue) {
  const auto& pages = ContinentPages();
  for (const BoxPage& page : pages) {
    const CheckValues none = MarkWorked(page, {});
    EXPECT_EQ(none, CheckValues(page.boxes.size(), 0)) << page.className;
    EXPECT_TRUE(Ticked(page, MarkWorked(page, {"dl", "DL ", "vk9m"})).empty());
  }
  EXPECT_EQ(Ticked(pages[kOceania], MarkWorked(pages[kOceania], {"VK9M"})), Captions{"VK9M"});
  // Boxes whose prefix is not obvious are ticked by their caption like the rest.
  EXPECT_EQ(Ticked(pages[kEurope], MarkWorked(pages[kEurope], {"4O", "E7", "HB0"})),
            (Captions{"4O", "E7", "HB0"}));
  EXPECT_EQ(Ticked(pages[kOceania], MarkWorked(pages[kOceania], {"JD/m", "H40"})),
            (Captions{"H40", "JD/m"}));
}

TEST(WorkedMarks, AreaGridTicksEveryCodeCwIncluded) {
  const BoxPage& grid = AreaGrid();
  const CheckValues values = MarkWorked(grid, {"ZE", "CW", "AB", "ab", "XX", "AB"});
  ASSERT_EQ(values.size(), 155u);
  EXPECT_EQ(Ticked(grid, values), (Captions{"AB", "CW", "ZE"}));
}

}  // namespace
