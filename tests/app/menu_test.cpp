#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "ui/menu.h"

namespace tessera::testing {
namespace {

const ui::ActionSpec kSpecs[] = {
    {L"Action_One", L"一(&1)", L"一のヒント", -1, VK_F2},
    {L"Action_Two", L"二(&2)", L"二のヒント", -1, 0, 0, L"", 1, ui::kActionCheckable},
    {L"Action_Three", L"三(&3)", L"三のヒント", -1, 0, 0, L"", 1, ui::kActionCheckable},
};
const ui::MenuItemSpec kItems[] = {
    {0, nullptr, L"親(&P)", L"MenuItem_Parent"},
    {1, L"Action_One"},
    {1, nullptr, L"-"},
    {1, L"Action_Two"},
    {1, L"Action_Three"},
};

UINT StateOf(HMENU menu, UINT position) {
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_STATE;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info.fState;
}

// Item state follows the actions; radio groups check one; owner-drawn items reach the
// menu's painter through the window that shows the menu.
TEST_F(MainWindowTest, MenusFollowTheirActionsAndPaintThroughTheirWindow) {
    app::TApp_TOOLWallpaper& window = Start();
    ui::ActionList actions(L"ActionList_Test", nullptr, kSpecs, 900);
    ui::Menu menu(L"PopupMenu_Test", nullptr, actions, kItems, ui::Menu::Kind::Popup, true);
    HMENU sub = menu.SubMenu(L"MenuItem_Parent");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(ui::Menu::Captions(sub), (std::vector<std::wstring>{L"一(&1)", L"-", L"二(&2)", L"三(&3)"}));
    EXPECT_EQ(actions[L"Action_One"].ShortcutText(), L"F2");

    actions[L"Action_One"].SetEnabled(false);
    EXPECT_TRUE(StateOf(sub, 0) & MFS_DISABLED);
    actions[L"Action_Two"].Execute();
    actions[L"Action_Three"].Execute();
    EXPECT_FALSE(actions[L"Action_Two"].Checked());
    EXPECT_TRUE(StateOf(sub, 3) & MFS_CHECKED);
    EXPECT_FALSE(StateOf(sub, 2) & MFS_CHECKED);

    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_DATA;
    GetMenuItemInfoW(sub, 3, TRUE, &info);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, info.dwItemData};
    SendMessageW(window.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_GT(measure.itemWidth, 0u);
    EXPECT_GT(measure.itemHeight, 0u);
    std::wstring painted;
    menu.onDrawItem = [&](const DRAWITEMSTRUCT&, const ui::MenuItem& item) { painted = item.Caption(); };
    DRAWITEMSTRUCT draw{ODT_MENU};
    draw.itemData = info.dwItemData;
    draw.hDC = GetDC(window.Handle());
    SendMessageW(window.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    ReleaseDC(window.Handle(), draw.hDC);
    EXPECT_EQ(painted, L"三(&3)");
}

}  // namespace
}  // namespace tessera::testing
