#pragma once
// The creation page "壁紙作成" (TApp_TOOLWallpaperCreate): its commands, menus and tool bar.
// The commands that make wallpapers arrive with the page's own work; the frame drives the
// reload and set-as-wallpaper actions after a display change.
#include "app/page.h"

namespace tessera::app {

class TApp_TOOLWallpaperCreate : public WallpaperPage {
public:
    explicit TApp_TOOLWallpaperCreate(ui::Component* owner);

    // Set while the page runs inside the main window: its exit command closes that window.
    HWND frameWindow = nullptr;
    // The address of the help pages shown in the version dialog.
    static const wchar_t* const kHelpUrl;

protected:
    void FormCreate() override;

private:
    void Action_FileExitExecute();
    void Action_HelpVersionInfoExecute();
    void Action_FileReloadMonitorInfoExecute();
};

}  // namespace tessera::app
