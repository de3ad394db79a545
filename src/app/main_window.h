#pragma once
// The main window "壁紙設定" (TApp_TOOLWallpaper): a tab control with the creation and the
// selection page, the menu bar of the active page, the settings of the window and both
// pages, and the reactions to display changes and the end of the session.
#include <windows.h>

#include <memory>
#include <string>

#include "app/create_page.h"
#include "app/set_page.h"
#include "core/ini_file.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace tessera::app {

class TApp_TOOLWallpaper : public ui::Form {
public:
    static constexpr wchar_t kDisplayChangeQuestion[] =
        L"モニター情報が変更されました。壁紙画像をリセットします\rよろしいですか\r\r"
        L"[はい] \u3000でリセットを行います\r\u3000壁紙画像の内容は失われます\r"
        L"[いいえ] でリセットを行いません\r"
        L"\u3000引き続き作業を行えますが「モニター情報更新」を行うまで「壁紙に設定」は行えません";

    TApp_TOOLWallpaper();
    ~TApp_TOOLWallpaper() override;

    // Creates the window and runs FormCreate; Show brings it to the front.
    bool Create();
    void Show();

    // The settings file (empty: the one beside the program).
    void SetSettingsFileName(std::wstring fileName) { settingsFileName_ = std::move(fileName); }
    void LoadSettings();
    void SaveSettings();

    HWND PageControl1() const { return pageControl_; }
    int ActivePage() const;
    void SelectPage(int index);  // as if the user clicked the tab
    TApp_TOOLWallpaperCreate* CreatePage() const { return createPage_.get(); }
    TApp_TOOLWallpaperSet* SetPage() const { return setPage_.get(); }
    // The program ends with its main window; tests keep their own message loop running.
    bool postQuitOnDestroy = true;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Form* MenuTarget() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnResize() override;
    void OnDpiChanged(UINT dpi, const RECT* suggested) override;

private:
    void FormCreate();
    void FormDestroy();
    void PageControl1Change();
    void OnDisplayChange();
    BOOL OnQueryEndSession();
    void EnsureCreatePage();
    void DockPage(WallpaperPage& page, ui::Panel& sheet);
    void LayoutSheets();
    std::unique_ptr<TMyIniFile> OpenSettings() const;

    std::wstring settingsFileName_;
    HWND pageControl_ = nullptr;
    ui::Panel tabSheetCreate_;
    ui::Panel tabSheetSet_;
    std::unique_ptr<TApp_TOOLWallpaperSet> setPage_;
    std::unique_ptr<TApp_TOOLWallpaperCreate> createPage_;
    bool destroyed_ = false;
};

}  // namespace tessera::app
