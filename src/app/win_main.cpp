#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/main_window.h"
#include "app/program.h"
#include "ui/window.h"
#include "win/gdiplus_session.h"
#include "win/monitors.h"
#include "win/natural_compare.h"
#include "win/text_file.h"

namespace {

// The program-wide objects first (command line, COM, GDI+), then the main window and its
// message loop until the window closes.
int RunProgram() {
    tessera::win::MyScreen();  // the monitors as they are at start, before any window
    tessera::app::SetProgramParam(tessera::app::ParseProcessCommandLine());
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    tessera::win::EnsureGdiplus();
    tessera::win::InstallTextServices();
    tessera::win::UseSystemSortKeys();
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    int result = 1;
    {
        tessera::app::TApp_TOOLWallpaper mainWindow;
        if (mainWindow.Create()) {
            mainWindow.Show();
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                if (mainWindow.Handle() && mainWindow.TranslateShortcut(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            result = static_cast<int>(msg.wParam);
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return result;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return RunProgram();
    } catch (const std::exception& error) {
        tessera::ui::ReportException(&error);  // start-up failed before the loop ran
    } catch (...) {
        tessera::ui::ReportException(nullptr);
    }
    return 1;
}
