#include "windows/worked_marks.h"

#include <algorithm>

CheckValues MarkWorked(const BoxPage& page, const std::vector<std::string>& worked) {
  CheckValues values(page.boxes.size(), 0);
  for (size_t i = 0; i < page.boxes.size(); ++i) {
    values[i] =
        std::find(worked.begin(), worked.end(), page.boxes[i].markingPrefix) != worked.end();
  }
  return values;
}
