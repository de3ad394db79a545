#include "app/page.h"

#include "ui/status_bar.h"
#include "ui/tool_bar.h"

namespace tessera::app {
namespace {

constexpr UINT kToolBarId = 101;
constexpr UINT kStatusBarId = 102;

}  // namespace

WallpaperPage::WallpaperPage(const PageTables& tables, ui::Component* owner)
    : ui::Form(tables.formName, owner), tables_(tables), body_(L"Panel_Body", this) {}

WallpaperPage::~WallpaperPage() = default;

bool WallpaperPage::Create(HWND parent) {
    if (!CreateWindowOfClass(L"TApp_TOOLWallpaperPage", tables_.caption,
                             WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                             RECT{0, 0, 0, 0}, parent)) {
        return false;
    }
    SetActions(std::make_unique<ui::ActionList>(L"ActionList1", this, tables_.actions,
                                                tables_.firstCommandId));
    mainMenu_ = std::make_unique<ui::Menu>(L"MainMenu_Main", this, *Actions(), tables_.menu,
                                           ui::Menu::Kind::Bar);
    SetToolBar(std::make_unique<ui::ToolBar>(L"ToolBar_Main", this, Handle(), kToolBarId,
                                             *Actions(), tables_.tools));
    SetStatusBar(std::make_unique<ui::StatusBar>(L"StatusBar_Hint", this, Handle(), kStatusBarId));
    if (!body_.Create(Handle(), RECT{0, 0, 0, 0})) return false;
    Dock().Add(body_.Handle(), ui::Align::Client);
    BindDisplayOptions();
    SetFontSpec(ui::FontSpec{});
    FormCreate();
    Arrange();
    return true;
}

void WallpaperPage::BindDisplayOptions() {
    ui::ActionList& actions = *Actions();
    for (const wchar_t* name :
         {L"Action_ShowToolBar", L"Action_ShowStatusBar", L"Action_ShowPopupHint"}) {
        if (ui::Action* action = actions.Find(name))
            action->onExecute = [this] { ApplyDisplayOptions(); };
    }
}

// Shows or hides the tool bar and the status bar and switches the pop-up hints.
void WallpaperPage::ApplyDisplayOptions() {
    ui::ActionList& actions = *Actions();
    if (ui::Action* tools = actions.Find(L"Action_ShowToolBar"); tools && Tools()) {
        ShowWindow(Tools()->Handle(), tools->Checked() ? SW_SHOWNA : SW_HIDE);
    }
    if (ui::Action* status = actions.Find(L"Action_ShowStatusBar"); status && Status()) {
        ShowWindow(Status()->Handle(), status->Checked() ? SW_SHOWNA : SW_HIDE);
    }
    if (ui::Action* hints = actions.Find(L"Action_ShowPopupHint")) SetPopupHints(hints->Checked());
    Arrange();
}

void WallpaperPage::LoadSettings(TMyIniFile& file) {
    ui::ActionList& actions = *Actions();
    const std::wstring section = tables_.optionSection;
    for (const auto& [key, name] : {std::pair{L"ToolBar", L"Action_ShowToolBar"},
                                    std::pair{L"StatusBar", L"Action_ShowStatusBar"},
                                    std::pair{L"PopupHint", L"Action_ShowPopupHint"}}) {
        ui::Action& action = actions[name];
        action.SetChecked(file.ReadBool(section, key, action.Checked()));
    }
    ApplyDisplayOptions();
}

void WallpaperPage::SaveSettings(TMyIniFile& file) {
    ui::ActionList& actions = *Actions();
    const std::wstring section = tables_.optionSection;
    file.WriteBool(section, L"ToolBar", actions[L"Action_ShowToolBar"].Checked());
    file.WriteBool(section, L"StatusBar", actions[L"Action_ShowStatusBar"].Checked());
    file.WriteBool(section, L"PopupHint", actions[L"Action_ShowPopupHint"].Checked());
}

}  // namespace tessera::app
