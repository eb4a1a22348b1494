#pragma once
// The fields of the Cabrillo header, each once: its tag in the file, the dialog control that
// shows it, the settings key that keeps it and its value on a new run. The header writer,
// the header dialog, the loading and storing of the settings and stats-replay's --header all
// read this table.

#include <initializer_list>
#include <string>
#include <string_view>

// The texts of the Cabrillo header dialog, one per control that exchanges text.
struct CabrilloDialogFields {
  std::string contest, callsign, claimed;
  std::string categoryOperator, location, categoryBand, categoryAssisted, categoryMode;
  std::string categoryOverlay, categoryPower, categoryStation, categoryTime;
  std::string name, address, addressCity, addressStateProvince, addressPostalCode, addressCountry;
  std::string operators, club, soapbox, email;
};

struct CabrilloHeaderField {
  const char* tag;    // in the file ("CATEGORY-POWER"), and the dialog's label but for `label`
  const char* label;  // the dialog's label where it differs from the tag, else null
  std::string CabrilloDialogFields::*field;
  int controlId;  // in the header dialog
  bool isComboBox;
  // How the settings file keeps the field:
  enum class Kept {
    kRead,        // read for every run and stored once confirmed
    kStoredOnly,  // stored once confirmed, but every run starts from the default
    kReadOnly,    // read for every run, never stored by the dialog
    kNot,         // not kept: every run starts from the default
  } kept;
  const char* settingKey;  // null when not kept
  // The value a run starts from when the settings do not give one, by leg; null for the
  // own call.
  const char* cwDefault;
  const char* ssbDefault;
  // Where stats-replay keeps an operator's choice that the plug-in does not read, to write
  // it into the file after the plug-in; null for none.
  const char* replayKey;
};

// In the order the settings file receives the stored fields, then the others.
extern const CabrilloHeaderField kCabrilloHeaderFields[22];

// The row of a field of the dialog's texts.
const CabrilloHeaderField& HeaderField(std::string CabrilloDialogFields::*field);

// "CLUB: " for the club.
std::string HeaderLineStart(std::string CabrilloDialogFields::*field);

// The values of a drop-down field or a category: those the header dialog offers, in its
// order, and for the six categories the file carries, those contest robots accept (the
// categories of Cabrillo 3.0).
struct HeaderFieldValues {
  std::string CabrilloDialogFields::*field;
  std::initializer_list<const char*> offered;
  std::initializer_list<const char*> accepted;  // empty: the file does not carry the field
};

// The dialog's drop-down fields and the file's categories.
extern const HeaderFieldValues kHeaderFieldValues[9];

// A value the dialog offers that robots know by another name ("MULTI-MULTI": "MULTI-OP");
// null for any other.
const char* RobotsNameOf(std::string_view offered);
