#pragma once
// What the two pages of the main window share: a child form docked into a tab, with its
// own menu bar (shown by the main window while the tab is active), tool bar, status bar
// and the three display options, and the settings hooks the main window calls.
#include <windows.h>

#include <memory>
#include <span>
#include <string>

#include "core/ini_file.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/panel.h"

namespace tessera::app {

struct PageTables {
    const wchar_t* formName;
    const wchar_t* caption;
    const wchar_t* optionSection;  // section of ToolBar, StatusBar and PopupHint
    std::span<const ui::ActionSpec> actions;
    UINT firstCommandId;
    std::span<const ui::MenuItemSpec> menu;
    std::span<const ui::ToolButtonSpec> tools;
};

class WallpaperPage : public ui::Form {
public:
    WallpaperPage(const PageTables& tables, ui::Component* owner);
    ~WallpaperPage() override;

    // Creates the page as a child of its tab sheet.
    bool Create(HWND parent);
    // The page's MainMenu_Main: its menu bar, which the main window shows.
    HMENU MenuBar() const { return mainMenu_ ? mainMenu_->Handle() : nullptr; }
    const ui::Menu* MainMenu() const { return mainMenu_.get(); }
    ui::Panel& Body() { return body_; }
    ui::Action& ActionNamed(const std::wstring& name) const { return (*Actions())[name]; }

    virtual void LoadSettings(TMyIniFile& file);
    virtual void SaveSettings(TMyIniFile& file);
    // The page's own files that must be written before the session ends.
    virtual void SaveFiles() {}
    void ApplyDisplayOptions();

protected:
    virtual void FormCreate() {}
    void OnResize() override {}

private:
    void BindDisplayOptions();

    const PageTables& tables_;
    std::unique_ptr<ui::Menu> mainMenu_;
    ui::Panel body_;
};

}  // namespace tessera::app
