#include "app/main_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "app/program.h"
#include "win/dpi.h"
#include "win/ini_bounds.h"
#include "win/keys.h"
#include "win/monitors.h"
#include "win/prompts.h"

namespace tessera::app {
namespace {

constexpr wchar_t kBoundsSection[] = L"WALLPAPERSET_Bounds";
constexpr int kDesignWidth = 640;
constexpr int kDesignHeight = 579;
constexpr int kCreateTab = 0;
constexpr int kSetTab = 1;
constexpr UINT kPageControlId = 100;

// The bounds the window returns to when restored: a minimised or maximised window keeps
// them in its placement, in work-area coordinates.
Rect RestoredBounds(HWND window) {
    WINDOWPLACEMENT placement{sizeof placement};
    GetWindowPlacement(window, &placement);
    MONITORINFO info{sizeof info};
    GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& r = placement.rcNormalPosition;
    const LONG dx = info.rcWork.left - info.rcMonitor.left;
    const LONG dy = info.rcWork.top - info.rcMonitor.top;
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

TApp_TOOLWallpaper::TApp_TOOLWallpaper()
    : ui::Form(L"App_TOOLWallpaper", &ui::Application()),
      tabSheetCreate_(L"TabSheet_WallpaperCreate", this),
      tabSheetSet_(L"TabSheet_WallpaperSet", this) {}

// The window goes first, while this object can still answer its last messages.
TApp_TOOLWallpaper::~TApp_TOOLWallpaper() {
    if (Handle()) DestroyWindow(Handle());
}

bool TApp_TOOLWallpaper::Create() {
    const UINT dpi = win::DpiOfWindow(nullptr);
    const int width = win::ScaleToDpi(kDesignWidth, dpi);
    const int height = win::ScaleToDpi(kDesignHeight, dpi);
    if (!CreateWindowOfClass(
            L"TApp_TOOLWallpaper", L"壁紙設定", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
            RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + width, CW_USEDEFAULT + height},
            nullptr)) {
        return false;
    }
    win::SetApplicationWindow(Handle());
    FormCreate();
    return true;
}

void TApp_TOOLWallpaper::FormCreate() {
    pageControl_ =
        CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                        Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kPageControlId)),
                        GetModuleHandleW(nullptr), nullptr);
    Dock().Add(pageControl_, ui::Align::Client);
    int index = 0;
    for (const wchar_t* caption : {L"壁紙作成", L"壁紙選択"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(caption);
        SendMessageW(pageControl_, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
    tabSheetCreate_.Create(Handle(), RECT{0, 0, 0, 0}, WS_EX_CONTROLPARENT);
    tabSheetSet_.Create(Handle(), RECT{0, 0, 0, 0}, WS_EX_CONTROLPARENT);
    SetFontSpec(ui::FontSpec{});

    setPage_ = std::make_unique<TApp_TOOLWallpaperSet>(this);
    if (!setPage_->Create(tabSheetSet_.Handle()))
        throw std::runtime_error("the selection page cannot be created");
    DockPage(*setPage_, tabSheetSet_);
    SetPageReferences(nullptr, setPage_.get());
    EnsureCreatePage();
    PageControl1Change();
    OnResize();
    LoadSettings();
}

void TApp_TOOLWallpaper::DockPage(WallpaperPage& page, ui::Panel& sheet) {
    sheet.Dock().Add(page.Handle(), ui::Align::Client);
    ShowWindow(page.Handle(), SW_SHOWNA);
    sheet.Arrange();
}

void TApp_TOOLWallpaper::EnsureCreatePage() {
    if (createPage_) return;
    createPage_ = std::make_unique<TApp_TOOLWallpaperCreate>(this);
    if (!createPage_->Create(tabSheetCreate_.Handle())) {
        createPage_.reset();
        throw std::runtime_error("the creation page cannot be created");
    }
    createPage_->frameWindow = Handle();
    setPage_->frameWindow = Handle();
    DockPage(*createPage_, tabSheetCreate_);
    SetPageReferences(createPage_.get(), setPage_.get());
}

void TApp_TOOLWallpaper::Show() {
    ShowWindow(Handle(), SW_SHOW);
    // Brought to the top of the ordinary windows: top-most for a moment, then not.
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int TApp_TOOLWallpaper::ActivePage() const {
    return static_cast<int>(SendMessageW(pageControl_, TCM_GETCURSEL, 0, 0));
}

void TApp_TOOLWallpaper::SelectPage(int index) {
    SendMessageW(pageControl_, TCM_SETCURSEL, index, 0);
    PageControl1Change();
}

// The active tab's sheet is shown and its page's menu bar becomes the window's.
void TApp_TOOLWallpaper::PageControl1Change() {
    const bool selection = ActivePage() == kSetTab;
    if (!selection) EnsureCreatePage();
    WallpaperPage* page =
        selection ? static_cast<WallpaperPage*>(setPage_.get()) : createPage_.get();
    ShowWindow(tabSheetSet_.Handle(), selection ? SW_SHOWNA : SW_HIDE);
    ShowWindow(tabSheetCreate_.Handle(), selection ? SW_HIDE : SW_SHOWNA);
    SetMenu(Handle(), page ? page->MenuBar() : nullptr);
    DrawMenuBar(Handle());
    LayoutSheets();
}

ui::Form* TApp_TOOLWallpaper::MenuTarget() {
    if (ActivePage() == kSetTab) return setPage_.get();
    return createPage_.get();
}

void TApp_TOOLWallpaper::OnResize() {
    LayoutSheets();
}

void TApp_TOOLWallpaper::LayoutSheets() {
    if (!pageControl_) return;
    RECT area{};
    GetClientRect(pageControl_, &area);
    SendMessageW(pageControl_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(pageControl_, Handle(), reinterpret_cast<POINT*>(&area), 2);
    for (ui::Panel* sheet : {&tabSheetCreate_, &tabSheetSet_}) {
        SetWindowPos(sheet->Handle(), HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOACTIVATE);
    }
}

void TApp_TOOLWallpaper::OnDpiChanged(UINT dpi, const RECT* suggested) {
    ui::Form::OnDpiChanged(dpi, suggested);
    LayoutSheets();
}

bool TApp_TOOLWallpaper::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != pageControl_ || header.code != TCN_SELCHANGE) return false;
    PageControl1Change();
    result = 0;
    return true;
}

LRESULT TApp_TOOLWallpaper::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DISPLAYCHANGE: OnDisplayChange(); return 0;
        case WM_QUERYENDSESSION: return OnQueryEndSession();
        case WM_DESTROY: FormDestroy(); return 0;
        default: return ui::Form::HandleMessage(message, wParam, lParam);
    }
}

std::unique_ptr<TMyIniFile> TApp_TOOLWallpaper::OpenSettings() const {
    if (settingsFileName_.empty()) return std::make_unique<TMyIniFile>();
    return std::make_unique<TMyIniFile>(settingsFileName_, teAuto);
}

// Shift and Ctrl held together skip the settings.
void TApp_TOOLWallpaper::LoadSettings() {
    if (win::KeysDown({VK_SHIFT, VK_CONTROL})) return;
    const std::unique_ptr<TMyIniFile> file = OpenSettings();
    win::RestoreBounds(*file, kBoundsSection, Name(), Handle());
    if (setPage_) setPage_->LoadSettings(*file);
    if (createPage_) createPage_->LoadSettings(*file);
}

void TApp_TOOLWallpaper::SaveSettings() {
    if (win::KeysDown({VK_SHIFT, VK_CONTROL})) return;
    const std::unique_ptr<TMyIniFile> file = OpenSettings();
    if (IsIconic(Handle()) || IsZoomed(Handle())) {
        win::WriteBounds(*file, kBoundsSection, Name(), RestoredBounds(Handle()));
    } else {
        win::WriteBounds(*file, kBoundsSection, Name(), Handle());
    }
    if (setPage_) setPage_->SaveSettings(*file);
    if (createPage_) createPage_->SaveSettings(*file);
}

// Asks after a change of the monitors: reload now, or keep working without setting
// wallpapers until the user reloads.
void TApp_TOOLWallpaper::OnDisplayChange() {
    MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST);
    const int answer = win::AskYesNo(kDisplayChangeQuestion);
    if (!createPage_) return;
    ui::Action& reload = createPage_->ActionNamed(L"Action_FileReloadMonitorInfo");
    if (answer == IDYES) {
        // The reload runs even while its command is disabled (it is until a change).
        if (reload.onExecute) reload.onExecute();
        reload.SetEnabled(false);
        return;
    }
    createPage_->ActionNamed(L"Action_FileSetWallpaper").SetEnabled(false);
    reload.SetEnabled(true);
}

// Everything is saved at once and the session may end. The pages stay as they are, so the
// window goes on working if another program cancels the end of the session.
BOOL TApp_TOOLWallpaper::OnQueryEndSession() {
    SaveSettings();
    if (setPage_) setPage_->SaveFiles();
    if (createPage_) createPage_->SaveFiles();
    return TRUE;
}

void TApp_TOOLWallpaper::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    SaveSettings();
    if (setPage_) setPage_->SaveFiles();
    if (createPage_) createPage_->SaveFiles();
    // The menu bar belongs to a page: the window must not destroy it with itself.
    SetMenu(Handle(), nullptr);
    SetPageReferences(nullptr, nullptr);
    createPage_.reset();
    setPage_.reset();
    if (win::ApplicationWindow() == Handle()) win::SetApplicationWindow(nullptr);
    if (postQuitOnDestroy) PostQuitMessage(0);
}

}  // namespace tessera::app
