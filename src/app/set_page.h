#pragma once
// The selection page "壁紙選択" (TApp_TOOLWallpaperSet): its commands, menus and tool bar.
// The image list, its preview and the file operations arrive with the page's own work.
#include "app/page.h"

namespace tessera::app {

class TApp_TOOLWallpaperSet : public WallpaperPage {
public:
    explicit TApp_TOOLWallpaperSet(ui::Component* owner);

    // Set while the page runs inside the main window: its exit command closes that window.
    HWND frameWindow = nullptr;

protected:
    void FormCreate() override;

private:
    void Action_FileExitExecute();
};

}  // namespace tessera::app
