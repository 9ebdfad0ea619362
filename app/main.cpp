// Start-up and exit of zfw32.
#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/RunningCopy.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // A second start neither loads nor saves data.dat, shows no tray icon
    // and leaves the quick-start page alone; it only hands over to the first
    // copy of this installation, or says why it cannot.
    RunningCopy copy;
    if (!copy.isFirst()) {
        copy.wakeFirst();
        return 0;
    }
    // The plain form: its Ex sibling needs a comctl32 newer than Windows 95's.
    InitCommonControls();

    OpenProgramFolderPage(kQuickStartPage);
    {
        MainWindow window;
        Application application(instance, window);
        window.run();
    }
    // The quick-start page is opened from the program's folder but deleted
    // from the current one: installed copies keep it only until first exit.
    DeleteFileA(kQuickStartPage);
    return 0;
}
