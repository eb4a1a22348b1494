#pragma once
// The values of a Cabrillo header as contest robots accept them: a category one of those
// robots know, the claimed score digits only, every text in printable ASCII.

#include <string>
#include <string_view>

struct AcceptedValue {
  std::string value;    // as the file gets it; letters with accents made plain
  std::string warning;  // a value robots know by another name; empty for none
  std::string refusal;  // why no robot accepts the value; empty when one does
};

// The value of a header line of `tag` ("CATEGORY-POWER") as a robot accepts it.
AcceptedValue AcceptedHeaderValue(std::string_view tag, std::string_view value);
