#include "ui/preview.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "ui/form.h"
#include "win/bitmap.h"

namespace tessera::testing {
namespace {

// A top-level panel holding one preview whose grid is 400 x 300.
class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ =
            CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 600, 500,
                            406, 306, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(frame_);
        ASSERT_TRUE(host_.Create(frame_));
        Resize(406, 306);
        SetCursorPos(5, 5);  // away from the preview
        PumpMessages();
    }
    void TearDown() override { DestroyWindow(frame_); }
    void Resize(int width, int height) { MoveWindow(host_.Handle(), 0, 0, width, height, TRUE); }
    ui::PreviewGrid& Grid() { return host_.Grid(); }

    win::ScriptedKeyState keys_;
    win::ScopedKeyState scopedKeys_{keys_};
    HWND frame_ = nullptr;
    ui::PreviewHost host_{L"Panel_Wallpaper", nullptr, L"Grid_Wallpaper"};
};

TEST_F(PreviewTest, FitModeFollowsTheAreaAndZoomingLeavesIt) {
    win::Bitmap bitmap(4000, 2000);
    Grid().SetBitmap(&bitmap);
    ASSERT_EQ(Grid().Area(), (Size{400, 300}));
    EXPECT_TRUE(Grid().FitMode());
    EXPECT_EQ(Grid().Image(), (ImageBounds{0, 0, 400, 300}));
    EXPECT_EQ(Grid().ZoomText(), L"10%");

    Grid().SetFitMode(false);
    Grid().ZoomStep(+1);  // the cursor is off the preview: the new size is centred
    EXPECT_EQ(Grid().Image(), (ImageBounds{0, 0, 800, 400}));
    EXPECT_EQ(Grid().ZoomText(), L"20%");
    keys_.Press(VK_SHIFT);
    Grid().ZoomStep(+1);
    EXPECT_EQ(Grid().Image().width, 801);
    keys_.Release(VK_SHIFT);

    // Resizing keeps free bounds; back in fit mode the image follows the area.
    Resize(306, 206);
    EXPECT_EQ(Grid().Image().width, 801);
    Grid().SetFitMode(true);
    EXPECT_EQ(Grid().Image(), (ImageBounds{0, 0, 300, 200}));
}

TEST_F(PreviewTest, ActualSizeCentresASmallBitmap) {
    win::Bitmap bitmap(100, 50);
    Grid().SetBitmap(&bitmap);
    EXPECT_EQ(Grid().ZoomText(), L"400%");
    Grid().ActualSize();
    EXPECT_FALSE(Grid().FitMode());
    EXPECT_EQ(Grid().Image(), (ImageBounds{150, 125, 100, 50}));
    EXPECT_EQ(Grid().ZoomText(), L"100%");
}

TEST_F(PreviewTest, DraggingWithTheMouseMovesAndReleaseSettles) {
    win::Bitmap bitmap(4000, 2000);
    Grid().SetBitmap(&bitmap);
    Grid().SetFitMode(false);
    Grid().SetImageBounds({-100, -50, 800, 400});
    const HWND grid = Grid().Handle();
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(GetFocus(), grid);
    EXPECT_EQ(ui::ProgramDragAnchor().anchor, (Point{110, 60}));
    SendMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(160, 20));
    EXPECT_EQ(Grid().Image(), (ImageBounds{50, -40, 800, 400}));  // a gap on the left
    SendMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(160, 20));
    EXPECT_EQ(Grid().Image(), (ImageBounds{0, -40, 800, 400}));
    EXPECT_FALSE(ui::ProgramDragAnchor().Active());
}

TEST_F(PreviewTest, ZoomActionsFollowTheFocusedPreview) {
    const ui::ActionSpec specs[] = {
        {L"Action_ZoomUp", L"", L""},
        {L"Action_ZoomDown", L"", L""},
        {L"Action_Zoom100", L"", L""},
        {L"Action_ZoomAlwaysFit", L"", L"", -1, 0, 0, L"", 0, ui::kActionCheckable}};
    ui::ActionList actions(L"ActionList1", nullptr, specs, 500);
    ui::SetZoomActionsEnabled(actions, false, nullptr);
    for (const auto& action : actions.Actions()) EXPECT_FALSE(action->Enabled()) << action->Name();

    Grid().onFocusChanged = [&](bool focused) {
        ui::SetZoomActionsEnabled(actions, focused, &Grid());
    };
    SetFocus(Grid().Handle());
    for (const auto& action : actions.Actions()) EXPECT_TRUE(action->Enabled()) << action->Name();
    EXPECT_TRUE(actions[L"Action_ZoomAlwaysFit"].Checked());
    SetFocus(frame_);
    EXPECT_FALSE(actions[L"Action_ZoomUp"].Enabled());
}

}  // namespace
}  // namespace tessera::testing
