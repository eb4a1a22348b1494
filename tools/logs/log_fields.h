#pragma once
// Field values that ADIF and Cabrillo logs share: frequencies, QSO times, bands.

#include <optional>
#include <string>
#include <string_view>

#include "platform/ole_date.h"

// A decimal number of `unit` (1000 for kHz, 1000000 for MHz) in whole Hz: "14.0255" MHz
// gives 14025500, and so does "14,0255" (a decimal comma). Empty when the text is no such
// number or exceeds the host's range.
std::optional<unsigned> FrequencyHz(std::string_view text, unsigned unit);

// The date and time when they form a real calendar moment (30 February does not).
std::optional<OleDate> QsoTime(int year, int month, int day, int hour, int minute, int second);

// The amateur band of a frequency as the host names it ("160m", "20m", "2m"), or empty.
std::string BandOfFrequency(unsigned frequencyHz);

// The lower edge of a band named as the host names it ("40m": 7000 kHz, the frequency a
// Cabrillo log gives a QSO of that band), in Hz; 0 for a name that is no band.
unsigned BandLowerEdgeHz(std::string_view band);

// The band a Cabrillo band designator names ("3.5": "80m", "432": "70cm"), or empty.
std::string BandOfDesignator(std::string_view text);

// Letters, digits and "/" only, with a letter and a digit: G4ABC, 2E0ABC, DL/G4ABC, 6HMQ.
bool IsCallSign(std::string_view text);

// An exchange as loggers write it: a serial number and the letters after it, either of
// them empty ("724 LN", "724LN", "LN", "724"). "/", "-" or "," may stand between the two
// ("731/LN"), and an RST in front of a number is no part of it ("599 724 LN", "5NN 724").
struct ExchangeParts {
  std::string number;   // digits only
  std::string letters;  // letters only, upper-cased
};
// Nothing when the text holds anything else ("JEAN NTC44").
std::optional<ExchangeParts> SplitExchange(std::string_view text);

// The decimal value of a text of digits only, or -1.
int DigitsValue(std::string_view digits);

// As DigitsValue, with any number of leading zeros ("0000000005" is 5).
int LengthValue(std::string_view digits);
