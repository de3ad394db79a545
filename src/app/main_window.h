#pragma once
// The main window "壁紙設定": a tab control with the creation and the selection page.
#include <windows.h>

#include "ui/window.h"

namespace tessera::app {

class TApp_TOOLWallpaper : public ui::Window {
public:
    bool Create();
    HWND TabControl() const { return tabs_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    void OnSize(int width, int height);
    void OnDestroy();

    HWND tabs_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace tessera::app
