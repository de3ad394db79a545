#include "win/prompts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win/program_identity.h"

namespace tessera::win {
namespace {

// A hidden top-level window that stands in for the main window while it exists.
class ApplicationWindowScope {
public:
    ApplicationWindowScope() {
        window_ = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 100, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        SetApplicationWindow(window_);
    }
    ~ApplicationWindowScope() {
        SetApplicationWindow(nullptr);
        DestroyWindow(window_);
    }
    HWND get() const { return window_; }

private:
    HWND window_;
};

TEST(Prompts, TheThreeBoxesGoThroughTheInstalledPrompter) {
    const ApplicationWindowScope main;
    ScriptedPrompter prompter{IDYES, IDCANCEL, IDNO};
    const ScopedPrompter scope(prompter);

    ShowInfo(L"C:\\画像\\a.bmp\rを保存しました。");
    EXPECT_EQ(AskYesNo(L"削除しますか？"), IDYES);
    EXPECT_EQ(AskYesNoCancel(L"保存しますか？", L"確認", MB_ICONQUESTION), IDCANCEL);
    EXPECT_EQ(AskYesNo(L"続けますか？", {}, MB_DEFBUTTON2), IDNO);

    const std::wstring title = ProgramTitle();
    ASSERT_EQ(prompter.Shown().size(), 4u);
    EXPECT_EQ(prompter.Shown()[0], (PromptRequest{L"C:\\画像\\a.bmp\rを保存しました。", title,
                                                  MB_OK | MB_SETFOREGROUND, main.get()}));
    EXPECT_EQ(prompter.Shown()[1],
              (PromptRequest{L"削除しますか？", title, MB_YESNO | MB_SETFOREGROUND, main.get()}));
    EXPECT_EQ(prompter.Shown()[2],
              (PromptRequest{L"保存しますか？", L"確認",
                             MB_YESNOCANCEL | MB_SETFOREGROUND | MB_ICONQUESTION, main.get()}));
    EXPECT_EQ(prompter.Shown()[3].style, static_cast<UINT>(MB_YESNO | MB_SETFOREGROUND |
                                                           MB_DEFBUTTON2));
    EXPECT_EQ(prompter.Unanswered(), 0u);
}

TEST(Prompts, UnscriptedBoxesGetTheirSafeAnswer) {
    ScriptedPrompter prompter;
    const ScopedPrompter scope(prompter);
    EXPECT_EQ(AskYesNo(L"a"), IDNO);
    EXPECT_EQ(AskYesNoCancel(L"b"), IDCANCEL);
    ShowInfo(L"c");
    ASSERT_EQ(prompter.Shown().size(), 3u);
    EXPECT_EQ(prompter.Shown()[1].text, L"b");
    EXPECT_EQ(prompter.Shown()[2].owner, nullptr);  // no application window yet
}

TEST(Prompts, ScopesRestoreThePreviousPrompter) {
    Prompter& platform = CurrentPrompter();
    ScriptedPrompter outer{IDYES};
    {
        const ScopedPrompter outerScope(outer);
        {
            ScriptedPrompter inner{IDNO};
            const ScopedPrompter innerScope(inner);
            EXPECT_EQ(AskYesNo(L"inner"), IDNO);
        }
        EXPECT_EQ(AskYesNo(L"outer"), IDYES);
    }
    EXPECT_EQ(&CurrentPrompter(), &platform);
    EXPECT_EQ(outer.Shown().size(), 1u);
}

TEST(Prompts, RequestsTakeTheProgramTitleUnlessACaptionIsGiven) {
    EXPECT_EQ(MakePromptRequest(L"x", MB_YESNOCANCEL, {}, MB_ICONWARNING),
              (PromptRequest{L"x", ProgramTitle(), MB_YESNOCANCEL | MB_SETFOREGROUND | MB_ICONWARNING,
                             nullptr}));
    EXPECT_EQ(MakePromptRequest(L"x", MB_OK, L"題名", 0).caption, L"題名");
}

// What the platform's box showed, read while it is open; then it is answered "no".
struct SeenBox {
    std::wstring caption;
    HWND owner = nullptr;
    bool found = false;
};
SeenBox seenBox;

BOOL CALLBACK AnswerMessageBox(HWND window, LPARAM) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    seenBox = {caption, GetWindow(window, GW_OWNER), true};
    PostMessageW(window, WM_COMMAND, IDNO, 0);
    return FALSE;
}

void CALLBACK LookForMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    if (!seenBox.found) EnumThreadWindows(GetCurrentThreadId(), AnswerMessageBox, 0);
}

TEST(Prompts, ThePlatformBoxIsOwnedByTheApplicationWindowAndReturnsTheAnswer) {
    const ApplicationWindowScope main;
    seenBox = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookForMessageBox);
    ASSERT_NE(timer, 0u);
    const int answer = AskYesNo(L"テスト\r二行目", L"確認のテスト");
    KillTimer(nullptr, timer);
    ASSERT_TRUE(seenBox.found);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(seenBox.caption, L"確認のテスト");
    EXPECT_EQ(seenBox.owner, main.get());
}

}  // namespace
}  // namespace tessera::win
