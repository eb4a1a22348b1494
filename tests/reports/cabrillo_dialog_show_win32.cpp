// Shows the Cabrillo header dialog of Stats.dll, filled with sample settings, until the
// file named by the first argument is deleted: tools/cabrillo_dialog_screenshot.sh
// photographs it in between. The file first receives the dialog's screen rectangle
// ("width height left top").

#include <fstream>

#include "host/temp_folder.h"
#include "tests/reports/dialog_host_win32.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string readyFile = argv[1];
  TempFolder folder;  // left after the library, which writes its settings as it goes
  const StatsLibrary stats(STATS_DLL_PATH);
  WriteFileBytes("Plugins/UK_EI.ini",
                 "[Settings]\r\nMode=1\r\nClaimed=1352\r\nName=Jane Doe\r\n"
                 "Address=1 High Street\r\nAddress_City=London\r\nAddress_PostalCode=N1 9GU\r\n"
                 "Address_Country=England\r\nClub=RSGB\r\nEmail=g4abc@example.org\r\n"
                 "SoapBox=Great conditions on 40m.<CR><LF>73 to all!\r\n");

  std::thread operatorThread([&] {
    HWND dialog = WaitForDialog(kHeaderDialogCaption, 60);
    if (dialog == nullptr) return;
    RECT frame{};
    GetWindowRect(dialog, &frame);
    std::ofstream(readyFile) << frame.right - frame.left << ' ' << frame.bottom - frame.top << ' '
                             << frame.left << ' ' << frame.top << '\n';
    for (int waited = 0;
         waited < 600 && GetFileAttributesA(readyFile.c_str()) != INVALID_FILE_ATTRIBUTES;
         ++waited) {
      Sleep(100);
    }
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  Reset({"G4ABC", "G", "EU", 1, ""}, stats);
  operatorThread.join();
  return 0;
}
