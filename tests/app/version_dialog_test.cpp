#include "app/version_dialog.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/app_fixture.h"
#include "core/file_names.h"
#include "win/program_identity.h"

namespace tessera::testing {
namespace {

class VersionDialogTest : public MainWindowTest {};

// The test program has no version information: the title is its file's base name.
TEST_F(VersionDialogTest, WithoutVersionInformationTheTitleIsTheFileName) {
    app::THelp_VersionInfo& dialog = app::GetVersionInfoDialog();
    EXPECT_EQ(dialog.TitleLine(), FileNameWithoutExtension(win::ProgramPath()) + L":Ver ");
    EXPECT_EQ(dialog.Description(), L"");
    EXPECT_FALSE(dialog.UrlVisible());
    EXPECT_FALSE(dialog.MemoVisible());
    EXPECT_EQ(dialog.CommandPanelHeight(), 50);
    EXPECT_EQ(dialog.DesignClientSize().cx, 400);
    EXPECT_EQ(dialog.DesignClientSize().cy, 90);  // the version panel and the command panel
    EXPECT_EQ(&app::GetVersionInfoDialog(), &dialog);
}

TEST_F(VersionDialogTest, AddressAndTextGrowAndShrinkTheLayout) {
    app::THelp_VersionInfo& dialog = app::GetVersionInfoDialog();
    dialog.SetVersionUrl(L"https://example.org/help/");
    ASSERT_TRUE(dialog.UrlVisible());
    const int line = dialog.CommandPanelHeight() - 50;
    EXPECT_GT(line, 0);
    EXPECT_EQ(dialog.DesignClientSize().cy, 90 + line);
    dialog.SetVersionUrl(L"https://example.org/other/");  // still one line
    EXPECT_EQ(dialog.DesignClientSize().cy, 90 + line);

    // A long address widens the window to the label plus its margins.
    dialog.SetVersionUrl(L"https://example.org/" + std::wstring(120, L'x'));
    EXPECT_GT(dialog.DesignClientSize().cx, 400);

    dialog.SetVersionMemo(L"  text  ");
    EXPECT_TRUE(dialog.MemoVisible());
    EXPECT_EQ(dialog.DesignClientSize().cy, 40 + 50 + line + 80);
    dialog.SetVersionMemo(L" ");
    EXPECT_FALSE(dialog.MemoVisible());
    EXPECT_EQ(dialog.DesignClientSize().cy, 90 + line);
    dialog.SetVersionUrl(L"");
    EXPECT_FALSE(dialog.UrlVisible());
    EXPECT_EQ(dialog.CommandPanelHeight(), 50);
    EXPECT_EQ(dialog.DesignClientSize().cy, 90);
}

TEST_F(VersionDialogTest, ShownTwiceWithTheSameLayoutAndClosedByCancel) {
    Start();
    std::vector<SIZE> sizes;
    std::vector<int> commandHeights;
    app::THelp_VersionInfo::onShown = [&](app::THelp_VersionInfo& dialog) {
        sizes.push_back(dialog.DesignClientSize());
        commandHeights.push_back(dialog.CommandPanelHeight());
        EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
        EXPECT_FALSE(IsWindowEnabled(window_->Handle()));  // modal over the main window
        PostMessageW(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
    };
    app::ShowVersionInfo(L"https://example.org/help/");
    app::ShowVersionInfo(L"https://example.org/help/");
    app::THelp_VersionInfo::onShown = nullptr;
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].cx, sizes[1].cx);
    EXPECT_EQ(sizes[0].cy, sizes[1].cy);
    EXPECT_EQ(commandHeights[0], commandHeights[1]);
    EXPECT_TRUE(IsWindowEnabled(window_->Handle()));
}

TEST_F(VersionDialogTest, TheHelpCommandOpensTheDialog) {
    app::TApp_TOOLWallpaper& window = Start();
    bool shown = false;
    app::THelp_VersionInfo::onShown = [&](app::THelp_VersionInfo& dialog) {
        shown = true;
        EXPECT_EQ(dialog.Url(), app::TApp_TOOLWallpaperCreate::kHelpUrl);
        PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    };
    // F1 goes through the page's shortcuts.
    MSG key{window.Handle(), WM_KEYDOWN, VK_F1, 0};
    ASSERT_TRUE(window.TranslateShortcut(key));
    app::THelp_VersionInfo::onShown = nullptr;
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace tessera::testing
