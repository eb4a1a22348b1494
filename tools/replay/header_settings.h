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

#include "platform/ini_file.h"

// The INI key of a Cabrillo header tag ("CATEGORY-POWER": "Category_Power"), in any
// letter case; nothing when the tag is none an operator sets.
std::optional<std::string> HeaderSettingKey(std::string_view tag);

// The tags HeaderSettingKey knows, for messages.
std::string HeaderSettingTags();

// A value as the INI file keeps it: line breaks become "<CR><LF>", as the plug-in keeps
// the soapbox. The plug-in reads at most IniFile::kReadBufferSize - 1 bytes of it.
std::string StoredHeaderValue(std::string_view value);

// Writes the categories and the location kept in the INI file into the header of the
// Cabrillo log the plug-in wrote, replacing the file only once it is whole. False when the
// file could not be read or written; it is then as the plug-in wrote it.
bool ApplyHeaderSettings(const IniFile& settings, const std::string& cabrilloFile);
