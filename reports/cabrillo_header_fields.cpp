#include "reports/cabrillo_header_fields.h"

#include "contest/settings_file.h"
#include "res/cabrillo_dialog.h"

namespace {
using F = CabrilloDialogFields;
using Kept = CabrilloHeaderField::Kept;
}  // namespace

const CabrilloHeaderField kCabrilloHeaderFields[22] = {
    {"OPERATORS", nullptr, &F::operators, IDC_CABRILLO_OPERATORS, false, Kept::kRead, "Operators",
     nullptr, nullptr, nullptr},
    {"NAME", nullptr, &F::name, IDC_CABRILLO_NAME, false, Kept::kRead, "Name", "", "", nullptr},
    {"ADDRESS", nullptr, &F::address, IDC_CABRILLO_ADDRESS, false, Kept::kRead, "Address", "", "",
     nullptr},
    {"ADDRESS-CITY", nullptr, &F::addressCity, IDC_CABRILLO_ADDRESS_CITY, false, Kept::kRead,
     "Address_City", "", "", nullptr},
    {"ADDRESS-STATE-PROVINCE", nullptr, &F::addressStateProvince,
     IDC_CABRILLO_ADDRESS_STATE_PROVINCE, false, Kept::kRead, "Address_St_Prov", "", "", nullptr},
    {"ADDRESS-POSTALCODE", nullptr, &F::addressPostalCode, IDC_CABRILLO_ADDRESS_POSTALCODE, false,
     Kept::kRead, "Address_PostalCode", "", "", nullptr},
    {"ADDRESS-COUNTRY", nullptr, &F::addressCountry, IDC_CABRILLO_ADDRESS_COUNTRY, false,
     Kept::kRead, "Address_Country", "", "", nullptr},
    {"CATEGORY-OPERATOR", nullptr, &F::categoryOperator, IDC_CABRILLO_CATEGORY_OPERATOR, true,
     Kept::kStoredOnly, "Category", "SINGLE-OP", "SINGLE-OP", "Category_Operator"},
    {"CATEGORY-OVERLAY", nullptr, &F::categoryOverlay, IDC_CABRILLO_CATEGORY_OVERLAY, true,
     Kept::kStoredOnly, "Category_Overlay", "NONE", "NONE", nullptr},
    {"CONTEST", nullptr, &F::contest, IDC_CABRILLO_CONTEST, false, Kept::kStoredOnly, "Contest",
     "UKEIDXCW", "UKEIDXSSB", nullptr},
    {"EMAIL", "E-MAIL", &F::email, IDC_CABRILLO_EMAIL, false, Kept::kRead, "Email", "", "",
     nullptr},
    {"CLUB", nullptr, &F::club, IDC_CABRILLO_CLUB, false, Kept::kRead, "Club", "", "", nullptr},
    {"SOAPBOX", nullptr, &F::soapbox, IDC_CABRILLO_SOAPBOX, false, Kept::kRead, "SoapBox", "", "",
     nullptr},
    {"CALLSIGN", nullptr, &F::callsign, IDC_CABRILLO_CALLSIGN, false, Kept::kNot, nullptr, nullptr,
     nullptr, nullptr},
    {"CLAIMED-SCORE", nullptr, &F::claimed, IDC_CABRILLO_CLAIMED, false, Kept::kReadOnly,
     kClaimedKey, "", "", nullptr},
    {"CATEGORY-ASSISTED", nullptr, &F::categoryAssisted, IDC_CABRILLO_CATEGORY_ASSISTED, true,
     Kept::kNot, nullptr, "NON-ASSISTED", "NON-ASSISTED", "Category_Assisted"},
    {"CATEGORY-BAND", nullptr, &F::categoryBand, IDC_CABRILLO_CATEGORY_BAND, true, Kept::kNot,
     nullptr, "ALL", "ALL", "Category_Band"},
    {"CATEGORY-MODE", nullptr, &F::categoryMode, IDC_CABRILLO_CATEGORY_MODE, false, Kept::kNot,
     nullptr, "CW", "SSB", nullptr},
    {"CATEGORY-POWER", nullptr, &F::categoryPower, IDC_CABRILLO_CATEGORY_POWER, true, Kept::kNot,
     nullptr, "HIGH", "HIGH", "Category_Power"},
    {"CATEGORY-STATION", nullptr, &F::categoryStation, IDC_CABRILLO_CATEGORY_STATION, true,
     Kept::kNot, nullptr, "FIXED", "FIXED", nullptr},
    {"CATEGORY-TIME", nullptr, &F::categoryTime, IDC_CABRILLO_CATEGORY_TIME, true, Kept::kNot,
     nullptr, "24-HOURS", "24-HOURS", "Category_Time"},
    {"LOCATION", nullptr, &F::location, IDC_CABRILLO_LOCATION, true, Kept::kNot, nullptr, "DX",
     "DX", "Location"},
};

const CabrilloHeaderField& HeaderField(std::string CabrilloDialogFields::*field) {
  for (const CabrilloHeaderField& row : kCabrilloHeaderFields) {
    if (row.field == field) return row;
  }
  return kCabrilloHeaderFields[0];  // unreachable: every field has its row
}

std::string HeaderLineStart(std::string CabrilloDialogFields::*field) {
  return std::string(HeaderField(field).tag) + ": ";
}

const HeaderFieldValues kHeaderFieldValues[9] = {
    {&F::categoryOperator,
     {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"},
     {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
    {&F::categoryBand,
     {"ALL", "80M", "40M", "20M", "15M", "10M"},
     {"ALL", "160M", "80M", "40M",  "20M",  "15M",  "10M",   "6M",         "4M",
      "2M",  "222",  "432", "902",  "1.2G", "2.3G", "3.4G",  "5.7G",       "10G",
      "24G", "47G",  "75G", "122G", "134G", "241G", "LIGHT", "VHF-3-BAND", "VHF-FM-ONLY"}},
    {&F::categoryAssisted, {"ASSISTED", "NON-ASSISTED"}, {"ASSISTED", "NON-ASSISTED"}},
    {&F::categoryMode, {}, {"CW", "DIGI", "FM", "RTTY", "SSB", "MIXED"}},
    {&F::categoryPower, {"HIGH", "LOW", "QRP"}, {"HIGH", "LOW", "QRP"}},
    {&F::categoryTime, {"12-HOURS", "24-HOURS"}, {"6-HOURS", "8-HOURS", "12-HOURS", "24-HOURS"}},
    {&F::categoryOverlay, {"NONE", "SINGLE-ELEMENT ANTENNA"}, {}},
    {&F::categoryStation,
     {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"},
     {}},
    {&F::location,
     {"DX", "--/--", "AL", "AK", "AZ", "AR", "CA",  "CO", "CT", "DE", "FL", "GA", "ID",
      "IL", "IN",    "IA", "KS", "KY", "LA", "ME",  "MA", "MI", "MN", "MS", "MO", "MT",
      "NE", "NV",    "NH", "NJ", "NM", "NY", "NC",  "ND", "OH", "OK", "OR", "PA", "RI",
      "SC", "SD",    "TN", "TX", "UT", "VT", "VA",  "WA", "WV", "WI", "WY", "NB", "NS",
      "QC", "ON",    "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT", "PEI"},
     {}},
};

const char* RobotsNameOf(std::string_view offered) {
  return offered == "MULTI-MULTI" ? "MULTI-OP" : nullptr;
}
