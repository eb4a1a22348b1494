// A host driving libStats.so through an export run: the report, the INI keys and the
// Cabrillo file, each byte for byte.

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"

namespace {

TEST(ExportRun, ReportIniAndCabrilloFile) {
  TempFolder folder;
  WriteFileBytes("Plugins/UK_EI.ini",
                 "[Settings]\r\nMode=1\r\nName=Jane Doe\r\nClub=RSGB\r\n"
                 "SoapBox=line one<CR><LF>line two<CR><LF>line three\r\n");
  Reset({"DL/G4ABC", "DL", "EU", 1});
  const char* own = "DL/G4ABC";
  Add({own, "G4BB", "G", "EU", "20m", ContestDay(9, 0), "5LN"});
  Add({own, "G4BB", "G", "EU", "20m", ContestDay(9, 1), "5LN"});  // dupe
  Add({own, "", "DL", "EU", "20m", ContestDay(9, 2), "7"});       // no call
  Add({own, "DL1AA", "DL", "EU", "40m", ContestDay(9, 3), "15", "cw", 7012000});
  Add({own, "GM3YY", "GM", "EU", "80m", ContestDay(9, 4), "1 AB", "CW", 3525000});
  // Serials sent without an area code, and Norwich's NK: every QSO line has the same fields.
  Add({own, "G3XYY", "G", "EU", "20m", ContestDay(9, 5), "123"});
  Add({own, "EI2AB", "EI", "EU", "15m", ContestDay(9, 6), "7", "CW", 21025000});
  Add({own, "G4NK", "G", "EU", "20m", ContestDay(9, 7), "3NK"});

  EXPECT_EQ(Report(),
            "  UK/EI DX  CW DX Contest 12.11-13.11.2016 \r\n"
            "\t    Contestant: DL/G4ABC\r\n"
            "Band\tQSOs\tPoints\tDXCC\tArea\r\n"
            "80m\t 1\t 4\t 1\t 1\r\n"
            "40m\t 1\t 2\t 1\t 0\r\n"
            "20m\t 3\t 6\t 1\t 2\r\n"
            "15m\t 1\t 2\t 1\t 0\r\n"
            "Total\t 6\t 14\t 4\t 3\r\n"
            "\r\nScore: 14*(4+3) = 98\r\n");

  EXPECT_EQ(ReadFileBytes("DL_G4ABC.cbr"),
            "START-OF-LOG: 3.0\r\n"
            "CALLSIGN: DL/G4ABC\r\n"
            "CONTEST: UKEIDXCW\r\n"
            "CATEGORY-OPERATOR: SINGLE-OP\r\n"
            "CATEGORY-ASSISTED: NON-ASSISTED\r\n"
            "CATEGORY-BAND: ALL\r\n"
            "CATEGORY-MODE: CW\r\n"
            "CATEGORY-POWER: HIGH\r\n"
            "CATEGORY-TIME: 24-HOURS\r\n"
            "CLAIMED-SCORE: 98\r\n"
            "CLUB: RSGB\r\n"
            "CREATED-BY: Qorv \r\n"
            "LOCATION: DX\r\n"
            "EMAIL: \r\n"
            "NAME: Jane Doe\r\n"
            "ADDRESS: \r\n"
            "ADDRESS-CITY: \r\n"
            "ADDRESS-STATE-PROVINCE: \r\n"
            "ADDRESS-POSTALCODE: \r\n"
            "ADDRESS-COUNTRY: \r\n"
            "OPERATORS: DL/G4ABC\r\n"
            "SOAPBOX: line one\r\n"
            "SOAPBOX: line two\r\n"
            "SOAPBOX: line three\r\n"
            "QSO: 14025 CW 2016-11-13 0900 DL/G4ABC      599 001 --  G4BB          599 005 LN\r\n"
            "QSO: 14025 CW 2016-11-13 0901 DL/G4ABC      599 001 --  G4BB          599 005 LN\r\n"
            "QSO: 14025 CW 2016-11-13 0902 DL/G4ABC      599 001 --                599 007 --\r\n"
            "QSO:  7012 CW 2016-11-13 0903 DL/G4ABC      599 001 --  DL1AA         599 015 --\r\n"
            "QSO:  3525 CW 2016-11-13 0904 DL/G4ABC      599 001 --  GM3YY         599 001 AB\r\n"
            "QSO: 14025 CW 2016-11-13 0905 DL/G4ABC      599 001 --  G3XYY         599 123 --\r\n"
            "QSO: 21025 CW 2016-11-13 0906 DL/G4ABC      599 001 --  EI2AB         599 007 --\r\n"
            "QSO: 14025 CW 2016-11-13 0907 DL/G4ABC      599 001 --  G4NK          599 003 NK\r\n"
            "END-OF-LOG:\r\n");

  // The confirmed header was saved; "Start" is the window toggle of the reset.
  EXPECT_EQ(ReadFileBytes("Plugins/UK_EI.ini"),
            "[Settings]\r\nMode=1\r\nName=Jane Doe\r\nClub=RSGB\r\n"
            "SoapBox=line one<CR><LF>line two<CR><LF>line three\r\n"
            "Operators=DL/G4ABC\r\nAddress=\r\nAddress_City=\r\nAddress_St_Prov=\r\n"
            "Address_PostalCode=\r\nAddress_Country=\r\nCategory=SINGLE-OP\r\n"
            "Category_Overlay=NONE\r\nContest=UKEIDXCW\r\nEmail=\r\nStart=0\r\nClaimed=98\r\n");
}

}  // namespace
