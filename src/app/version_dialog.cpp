#include "app/version_dialog.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "core/file_names.h"
#include "win/dpi.h"
#include "win/monitors.h"
#include "win/program_identity.h"
#include "win/prompts.h"

namespace tessera::app {
namespace {

constexpr int kVerHeight = 40;  // pnlVer
constexpr int kMemoExtra = 80;  // the text block's height when it has text
constexpr int kUrlLeft = 8;
constexpr int kUrlId = 10;
constexpr int kCloseWidth = 88;
constexpr int kCloseHeight = 21;

std::unique_ptr<THelp_VersionInfo>& VersionDialogReference() {
    static std::unique_ptr<THelp_VersionInfo> dialog;
    return dialog;
}

std::wstring Trimmed(const std::wstring& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] <= L' ') ++first;
    while (last > first && text[last - 1] <= L' ') --last;
    return text.substr(first, last - first);
}

// The title: the product name, else the application's title, else the file's name.
std::wstring DialogTitle() {
    std::wstring title = win::ProgramTitle();
    if (title.empty()) {
        if (HWND application = win::ApplicationWindow()) {
            wchar_t caption[256] = {};
            GetWindowTextW(application, caption, 256);
            title = caption;
        }
    }
    if (title.empty()) title = ExtractFileName(win::ProgramPath());
    return title;
}

}  // namespace

std::function<void(THelp_VersionInfo&)> THelp_VersionInfo::onShown;

THelp_VersionInfo::THelp_VersionInfo() : ui::Window(L"Help_VersionInfo", &ui::Application()) {}

THelp_VersionInfo::~THelp_VersionInfo() = default;

std::wstring THelp_VersionInfo::TextOf(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

HWND THelp_VersionInfo::AddControl(const wchar_t* className, const wchar_t* text, DWORD style,
                                   int id) {
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                                   Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return control;
}

bool THelp_VersionInfo::FormCreate() {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    if (!CreateWindowOfClass(L"THelp_VersionInfo", L"バージョン情報", style,
                             WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, RECT{0, 0, 400, 180},
                             win::ApplicationWindow())) {
        return false;
    }
    const UINT dpi = Dpi();
    font_.reset(win::CreateDesignFont(L"MS UI Gothic", 12, dpi, SHIFTJIS_CHARSET));
    linkFont_.reset(
        win::CreateDesignFont(L"MS UI Gothic", 12, dpi, SHIFTJIS_CHARSET, FW_NORMAL, true));
    imgIcon_ = AddControl(L"STATIC", L"", SS_ICON, -1);
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    SendMessageW(imgIcon_, STM_SETICON,
                 reinterpret_cast<WPARAM>(icon ? icon : LoadIconW(nullptr, IDI_APPLICATION)), 0);

    const win::TMyFileVersionInfo info = win::ReadVersionInfo(win::ProgramPath());
    std::wstring title = DialogTitle();
    if (title.empty() || title.back() != L':') title += L':';
    lblHelp_Ver_ =
        AddControl(L"STATIC", (title + L"Ver " + info.FileVersion).c_str(), SS_NOPREFIX, -1);
    lblHelp_Description_ = AddControl(L"STATIC", info.Comments.c_str(), SS_NOPREFIX, -1);
    edtMemo_ =
        AddControl(L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, -1);
    lblURL_ = AddControl(L"STATIC", L"", SS_NOTIFY | SS_NOPREFIX, kUrlId);
    ShowWindow(lblURL_, SW_HIDE);
    btnClose_ = AddControl(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDCANCEL);

    SetVersionMemo(L"");
    SetVersionUrl(L"");
    win::CenterOnCursorMonitor(Handle());
    if (HWND main = win::ApplicationWindow();
        main && (GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return true;
}

SIZE THelp_VersionInfo::MeasureUrl() const {
    HDC dc = GetDC(Handle());
    HGDIOBJ previous = SelectObject(dc, font_.get());
    SIZE size{};
    GetTextExtentPoint32W(dc, url_.c_str(), static_cast<int>(url_.size()), &size);
    // The line's height does not depend on the text (it is measured empty, too).
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    size.cy = metrics.tmHeight;
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    // Back to 96-DPI pixels: the layout is kept in design units.
    const int dpi = static_cast<int>(Dpi());
    return {MulDiv(size.cx, 96, dpi), MulDiv(size.cy, 96, dpi)};
}

void THelp_VersionInfo::SetVersionUrl(const std::wstring& text) {
    url_ = text;
    SetWindowTextW(lblURL_, url_.c_str());
    const SIZE label = MeasureUrl();
    if (!url_.empty()) {
        if (clientWidth_ < label.cx + 2 * kUrlLeft) clientWidth_ = label.cx + 2 * kUrlLeft;
        if (!urlVisible_) {
            clientHeight_ += label.cy;
            cmdHeight_ += label.cy;
        }
        urlVisible_ = true;
    } else if (urlVisible_) {
        clientHeight_ -= label.cy;
        cmdHeight_ -= label.cy;
        urlVisible_ = false;
    }
    Layout();
}

void THelp_VersionInfo::SetVersionMemo(const std::wstring& text) {
    const std::wstring memo = Trimmed(text);
    SetWindowTextW(edtMemo_, memo.c_str());
    if (!memo.empty()) {
        clientHeight_ = kVerHeight + cmdHeight_ + kMemoExtra;
        memoVisible_ = true;
    } else if (memoVisible_) {
        clientHeight_ -= clientHeight_ - kVerHeight - cmdHeight_;
        memoVisible_ = false;
    }
    Layout();
}

// Places the controls for the design sizes at the window's DPI.
void THelp_VersionInfo::Layout() {
    const UINT dpi = Dpi();
    auto s = [dpi](int pixels) { return win::ScaleToDpi(pixels, dpi); };
    RECT frame{0, 0, s(clientWidth_), s(clientHeight_)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int cmdTop = clientHeight_ - cmdHeight_;
    MoveWindow(imgIcon_, s(4), s(4), s(32), s(32), FALSE);
    MoveWindow(lblHelp_Ver_, s(40), s(6), s(clientWidth_ - 44), s(14), FALSE);
    MoveWindow(lblHelp_Description_, s(40), s(22), s(clientWidth_ - 44), s(14), FALSE);
    MoveWindow(edtMemo_, s(4), s(kVerHeight + 2), s(clientWidth_ - 8),
               s(std::max(0, cmdTop - kVerHeight - 4)), FALSE);
    ShowWindow(edtMemo_, memoVisible_ ? SW_SHOWNA : SW_HIDE);
    MoveWindow(lblURL_, s(kUrlLeft), s(cmdTop + 4), s(clientWidth_ - 2 * kUrlLeft), s(16), FALSE);
    ShowWindow(lblURL_, urlVisible_ ? SW_SHOWNA : SW_HIDE);
    MoveWindow(btnClose_, s((clientWidth_ - kCloseWidth) / 2), s(clientHeight_ - kCloseHeight - 12),
               s(kCloseWidth), s(kCloseHeight), FALSE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void THelp_VersionInfo::ShowModal() {
    SetVersionUrl(url_);
    SetVersionMemo(TextOf(edtMemo_));
    HWND owner = GetWindow(Handle(), GW_OWNER);
    const bool ownerEnabled = owner && IsWindowEnabled(owner);
    if (ownerEnabled) EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    FormShow();
    SetFocus(btnClose_);
    closed_ = false;
    if (onShown) onShown(*this);
    MSG message;
    while (!closed_ && IsWindow(Handle())) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the program is ending
            break;
        }
        if (got < 0) break;
        if (IsDialogMessageW(Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (ownerEnabled) EnableWindow(owner, TRUE);
    ShowWindow(Handle(), SW_HIDE);
}

// The first showing fixes the minimum size.
void THelp_VersionInfo::FormShow() {
    if (shown_) return;
    shown_ = true;
    RECT r{};
    GetWindowRect(Handle(), &r);
    minimum_ = {r.right - r.left, r.bottom - r.top};
}

LRESULT THelp_VersionInfo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_CLOSE: btnCloseClick(); return 0;
        case WM_CTLCOLORSTATIC:
            return OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
            break;
        case WM_PAINT: OnPaint(); return 0;
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {minimum_.cx, minimum_.cy};
            return 0;
        case WM_DPICHANGED: Layout(); return 0;
        default: break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void THelp_VersionInfo::OnCommand(int id, int code) {
    if (id == IDCANCEL || id == IDOK) return btnCloseClick();
    if (id == kUrlId && code == STN_CLICKED) lblURLClick();
}

void THelp_VersionInfo::btnCloseClick() {
    closed_ = true;
}

void THelp_VersionInfo::lblURLClick() {
    if (url_.empty()) return;
    SHELLEXECUTEINFOW execute{sizeof execute};
    execute.hwnd = Handle();
    execute.lpVerb = L"open";
    execute.lpFile = url_.c_str();
    execute.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&execute);
}

void THelp_VersionInfo::lblURLMouseEnter() {
    if (urlHot_) return;
    urlHot_ = true;
    SendMessageW(lblURL_, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), TRUE);
}

void THelp_VersionInfo::lblURLMouseLeave() {
    if (!urlHot_) return;
    urlHot_ = false;
    SendMessageW(lblURL_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

// The address is hot while the mouse is over it: underlined, with the hand cursor.
BOOL THelp_VersionInfo::OnSetCursor(HWND under) {
    if (under != lblURL_) {
        lblURLMouseLeave();
        return FALSE;
    }
    lblURLMouseEnter();
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
}

LRESULT THelp_VersionInfo::OnColorStatic(HDC dc, HWND control) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (control == lblURL_) SetTextColor(dc, GetSysColor(COLOR_HOTLIGHT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The one-pixel lines above and below the text block.
void THelp_VersionInfo::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (memoVisible_) {
        const int width = win::ScaleToDpi(clientWidth_, Dpi());
        RECT top{0, win::ScaleToDpi(kVerHeight, Dpi()), width, 0};
        top.bottom = top.top + 1;
        RECT bottom{0, win::ScaleToDpi(clientHeight_ - cmdHeight_, Dpi()) - 1, width, 0};
        bottom.bottom = bottom.top + 1;
        FillRect(dc, &top, GetSysColorBrush(COLOR_BTNSHADOW));
        FillRect(dc, &bottom, GetSysColorBrush(COLOR_BTNSHADOW));
    }
    EndPaint(Handle(), &ps);
}

THelp_VersionInfo& GetVersionInfoDialog() {
    auto& dialog = VersionDialogReference();
    if (dialog && IsWindow(dialog->Handle())) return *dialog;
    dialog = std::make_unique<THelp_VersionInfo>();
    if (!dialog->FormCreate()) {
        dialog.reset();
        throw std::runtime_error("the version dialog cannot be created");
    }
    return *dialog;
}

void ShowVersionInfo(const std::wstring& url) {
    THelp_VersionInfo& dialog = GetVersionInfoDialog();
    dialog.SetVersionUrl(url);
    dialog.ShowModal();
    ReleaseVersionInfoDialog();
}

void ReleaseVersionInfoDialog() {
    VersionDialogReference().reset();
}

}  // namespace tessera::app
