#include "reports/cabrillo_header.h"

int RunHeaderDialog(const std::string&, const OleDate&, const OleDate&) {
  return 1;
}
