#pragma once
// Menu bars and pop-up menus built from tables of items pointing at actions. The state of
// every item is taken from its action in Refresh; owner-drawn menus paint through a hook.
#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/action.h"
#include "ui/component.h"

namespace tessera::ui {

struct MenuItemSpec {
    int level;                     // 0 for the items of the bar or of the pop-up itself
    const wchar_t* action;         // the action it runs and shows, or nullptr
    const wchar_t* caption = L"";  // without an action; L"-" is a separator
    const wchar_t* name = L"";     // component name (MenuItem_FileOpen)
};

class Menu;

struct MenuItem {
    const Menu* menu = nullptr;  // the menu that built it
    std::wstring name;
    Action* action = nullptr;
    std::wstring caption;
    HMENU parent = nullptr;
    UINT position = 0;
    UINT id = 0;
    HMENU subMenu = nullptr;  // for an item that opens a sub-menu
    bool separator = false;
    bool topLevel = false;  // an item of a menu bar
    std::wstring Caption() const { return action ? action->Caption() : caption; }
};

class Menu : public Component {
public:
    enum class Kind { Bar, Popup };
    Menu(std::wstring name, Component* owner, ActionList& actions,
         std::span<const MenuItemSpec> items, Kind kind, bool ownerDraw = false);
    ~Menu() override;

    HMENU Handle() const { return menu_; }
    const MenuItem* FindItem(const std::wstring& name) const;
    const MenuItem* ItemAt(HMENU parent, UINT item, bool byPosition) const;
    HMENU SubMenu(const std::wstring& itemName) const;
    // The item's sub-menu, created empty for entries built at run time.
    HMENU EnsureSubMenu(const std::wstring& itemName);
    // Captions of the items of a menu, separators as "-" (for tests and hints).
    static std::vector<std::wstring> Captions(HMENU menu);

    void Refresh();
    bool OwnerDraw() const { return ownerDraw_; }
    void Measure(MEASUREITEMSTRUCT& measure, HWND window) const;
    void Draw(const DRAWITEMSTRUCT& draw) const;
    // Replaces the default painting of owner-drawn items.
    std::function<void(const DRAWITEMSTRUCT&, const MenuItem&)> onDrawItem;

    // Shows a pop-up menu at a screen point; the command goes to window.
    void Popup(HWND window, POINT screenPoint) const;

private:
    MenuItem* ItemNamed(const std::wstring& name) const;
    MenuItem* Append(HMENU parent, const MenuItemSpec& spec, bool topLevel);

    ActionList& actions_;
    int observer_ = 0;
    HMENU menu_ = nullptr;
    bool ownerDraw_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace tessera::ui
