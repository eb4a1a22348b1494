#pragma once
// The Cabrillo header fields an operator sets (name, e-mail, club, operators, soapbox,
// categories, power ...), kept in the plug-in's INI file, the one store of the station's
// settings. The plug-in reads name, address, e-mail, club, operators and soapbox from it
// for every export; the categories and the location it fills with fixed defaults, so the
// tool keeps the operator's choice under keys of its own and writes it into the Cabrillo
// log after the plug-in.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ini_file.h"

// The INI key of a Cabrillo header tag ("CATEGORY-POWER": "Category_Power"), in any
// letter case; nothing when the tag is none an operator sets.
std::optional<std::string> HeaderSettingKey(std::string_view tag);

// The tags HeaderSettingKey knows, for messages.
std::string HeaderSettingTags();

// A value as the INI file keeps it: line breaks become "<CR><LF>", as the plug-in keeps
// the soapbox. The plug-in reads at most IniFile::kReadBufferSize - 1 bytes of it.
std::string StoredHeaderValue(std::string_view value);

// What became of the header of the Cabrillo log the plug-in wrote.
struct WrittenHeader {
  bool whole = false;                // the file holds the header, replaced whole
  std::string refusal;               // a value no robot accepts: the file is not rewritten
  std::vector<std::string> notices;  // for the operator to check
};

// Writes into the header of the Cabrillo log the plug-in wrote the values it does not take
// itself: the categories and the location kept in the INI file, and over them the lines of
// the header of the log read (`logHeader`, tag and value), but for the tags given now
// (`givenNow`, INI key and value) and the writer's own (CALLSIGN, CONTEST, CLAIMED-SCORE,
// CREATED-BY). Every value is then one a contest robot accepts, or the refusal says which
// is not, and the file is left as the plug-in wrote it.
// The notices name the log's tags the writer knows not, values robots know by another
// name, and the plug-in's defaults of CATEGORY-OPERATOR, -ASSISTED and -POWER. Not whole
// when the file could not be read or written; it is then as the plug-in wrote it.
WrittenHeader WriteHeader(const IniFile& settings,
                          const std::vector<std::pair<std::string, std::string>>& logHeader,
                          const std::vector<std::pair<std::string, std::string>>& givenNow,
                          const std::string& cabrilloFile);
