#pragma once
// The version information dialog: the program's icon, title and file version, its
// description, an optional text block and an optional web address, all from the version
// information of the program's own file.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/window.h"
#include "win/handles.h"

namespace tessera::app {

class THelp_VersionInfo : public ui::Window {
public:
    THelp_VersionInfo();
    ~THelp_VersionInfo() override;

    bool FormCreate();
    void SetVersionUrl(const std::wstring& text);
    void SetVersionMemo(const std::wstring& text);
    // Shows the dialog modally over the application's window until it is closed.
    void ShowModal();

    std::wstring TitleLine() const { return TextOf(lblHelp_Ver_); }
    std::wstring Description() const { return TextOf(lblHelp_Description_); }
    std::wstring Url() const { return url_; }
    bool UrlVisible() const { return urlVisible_; }
    bool MemoVisible() const { return memoVisible_; }
    // Layout in pixels at 96 DPI.
    SIZE DesignClientSize() const { return {clientWidth_, clientHeight_}; }
    int CommandPanelHeight() const { return cmdHeight_; }
    HWND CloseButton() const { return btnClose_; }
    HWND UrlLabel() const { return lblURL_; }

    // Called once the dialog is up, before its message loop waits (tests close it here).
    static std::function<void(THelp_VersionInfo&)> onShown;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static std::wstring TextOf(HWND control);
    HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, int id);
    SIZE MeasureUrl() const;
    void Layout();
    void FormShow();
    void btnCloseClick();
    void lblURLClick();
    void lblURLMouseEnter();
    void lblURLMouseLeave();
    void OnCommand(int id, int code);
    LRESULT OnColorStatic(HDC dc, HWND control);
    void OnPaint();
    void OnMouseMove();
    BOOL OnSetCursor(HWND under);

    HWND imgIcon_ = nullptr;
    HWND lblHelp_Ver_ = nullptr;
    HWND lblHelp_Description_ = nullptr;
    HWND edtMemo_ = nullptr;
    HWND lblURL_ = nullptr;
    HWND btnClose_ = nullptr;
    win::UniqueFont font_;
    win::UniqueFont linkFont_;
    std::wstring url_;
    int clientWidth_ = 400;
    int clientHeight_ = 180;
    int cmdHeight_ = 50;
    bool urlVisible_ = false;
    bool memoVisible_ = true;
    bool urlHot_ = false;
    bool shown_ = false;  // the form's tag: the minimum size is taken at the first showing
    bool closed_ = false;
    SIZE minimum_{0, 0};
};

// The dialog if it exists, else a new one (kept in the program-wide reference).
THelp_VersionInfo& GetVersionInfoDialog();
// Shows the dialog with the address and releases it afterwards.
void ShowVersionInfo(const std::wstring& url);
void ReleaseVersionInfoDialog();

}  // namespace tessera::app
