#include "ui/menu.h"

#include <algorithm>

#include "core/component_names.h"
#include "win/handles.h"

namespace tessera::ui {
namespace {

HFONT MenuFont(bool bold) {
    NONCLIENTMETRICSW metrics{sizeof metrics};
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

}  // namespace

Menu::Menu(std::wstring name, Component* owner, ActionList& actions,
           std::span<const MenuItemSpec> items, Kind kind, bool ownerDraw)
    : Component(std::move(name), owner),
      actions_(actions),
      menu_(kind == Kind::Bar ? CreateMenu() : CreatePopupMenu()),
      ownerDraw_(ownerDraw) {
    // The parent of each level; an item followed by a deeper one opens a sub-menu.
    std::vector<HMENU> parents = {menu_};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItemSpec& spec = items[i];
        parents.resize(static_cast<std::size_t>(spec.level) + 1);
        MenuItem* item = Append(parents.back(), spec, kind == Kind::Bar && spec.level == 0);
        if (i + 1 < items.size() && items[i + 1].level > spec.level) {
            item->subMenu = CreatePopupMenu();
            MENUITEMINFOW info{sizeof info};
            info.fMask = MIIM_SUBMENU;
            info.hSubMenu = item->subMenu;
            SetMenuItemInfoW(item->parent, item->position, TRUE, &info);
            parents.push_back(item->subMenu);
        }
    }
    observer_ = actions_.AddObserver([this] { Refresh(); });
    Refresh();
}

Menu::~Menu() {
    actions_.RemoveObserver(observer_);
    if (menu_) DestroyMenu(menu_);
}

MenuItem* Menu::Append(HMENU parent, const MenuItemSpec& spec, bool topLevel) {
    auto item = std::make_unique<MenuItem>();
    item->menu = this;
    item->name = spec.name ? spec.name : L"";
    item->action = spec.action ? &actions_[spec.action] : nullptr;
    item->caption = spec.caption ? spec.caption : L"";
    item->separator = !item->action && item->caption == L"-";
    item->parent = parent;
    item->position = static_cast<UINT>(GetMenuItemCount(parent));
    item->id = item->action ? item->action->Id() : 0;
    item->topLevel = topLevel;

    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    info.fType = item->separator ? MFT_SEPARATOR : (ownerDraw_ ? MFT_OWNERDRAW : MFT_STRING);
    info.wID = item->id;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
    std::wstring text = item->Caption();
    info.dwTypeData = text.data();
    InsertMenuItemW(parent, item->position, TRUE, &info);
    items_.push_back(std::move(item));
    return items_.back().get();
}

const MenuItem* Menu::FindItem(const std::wstring& name) const {
    return ItemNamed(name);
}

MenuItem* Menu::ItemNamed(const std::wstring& name) const {
    for (const auto& item : items_) {
        if (!item->name.empty() && SameComponentName(item->name, name)) return item.get();
    }
    return nullptr;
}

const MenuItem* Menu::ItemAt(HMENU parent, UINT item, bool byPosition) const {
    for (const auto& entry : items_) {
        if (entry->parent != parent) continue;
        if (byPosition ? entry->position == item : (entry->id == item && entry->id != 0))
            return entry.get();
    }
    return nullptr;
}

HMENU Menu::SubMenu(const std::wstring& itemName) const {
    const MenuItem* item = FindItem(itemName);
    return item ? item->subMenu : nullptr;
}

HMENU Menu::EnsureSubMenu(const std::wstring& itemName) {
    MenuItem* item = ItemNamed(itemName);
    if (!item) return nullptr;
    if (item->subMenu) return item->subMenu;
    item->subMenu = CreatePopupMenu();
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = item->subMenu;
    SetMenuItemInfoW(item->parent, item->position, TRUE, &info);
    return item->subMenu;
}

std::vector<std::wstring> Menu::Captions(HMENU menu) {
    std::vector<std::wstring> captions;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{sizeof info};
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            captions.push_back(L"-");
        } else if (const auto* item = reinterpret_cast<const MenuItem*>(info.dwItemData)) {
            captions.push_back(item->Caption());
        } else {
            wchar_t text[256] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
            captions.push_back(text);
        }
    }
    return captions;
}

// Brings every item in step with its action: caption, shortcut, enabled and checked.
void Menu::Refresh() {
    for (const auto& item : items_) {
        if (!item->action) continue;
        const Action& action = *item->action;
        MENUITEMINFOW info{sizeof info};
        info.fMask = MIIM_STATE | MIIM_FTYPE;
        info.fType = ownerDraw_ ? MFT_OWNERDRAW : MFT_STRING;
        if (action.Spec().groupIndex != 0) info.fType |= MFT_RADIOCHECK;
        info.fState = (action.Enabled() ? MFS_ENABLED : MFS_DISABLED) |
                      (action.Checked() ? MFS_CHECKED : MFS_UNCHECKED);
        std::wstring text = action.Caption();
        if (!item->topLevel && !action.ShortcutText().empty())
            text += L"\t" + action.ShortcutText();
        if (!ownerDraw_) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
        }
        SetMenuItemInfoW(item->parent, item->position, TRUE, &info);
    }
}

void Menu::Measure(MEASUREITEMSTRUCT& measure, HWND window) const {
    const auto* item = reinterpret_cast<const MenuItem*>(measure.itemData);
    if (!item) return;
    HDC dc = GetDC(window);
    win::UniqueFont font(MenuFont(false));
    SIZE text{};
    {
        win::ScopedSelect select(dc, font.get());
        std::wstring caption = item->Caption();
        if (item->action && !item->action->ShortcutText().empty())
            caption += L"    " + item->action->ShortcutText();
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    }
    ReleaseDC(window, dc);
    const UINT height = std::max<UINT>(static_cast<UINT>(GetSystemMetrics(SM_CYMENU)),
                                       static_cast<UINT>(text.cy) + 4);
    measure.itemHeight = height;
    measure.itemWidth =
        static_cast<UINT>(text.cx) +
        (item->topLevel ? 8 : height + 2 + static_cast<UINT>(GetSystemMetrics(SM_CXMENUCHECK)));
}

// The plain painting of an owner-drawn item: highlight, check mark, caption, shortcut.
void Menu::Draw(const DRAWITEMSTRUCT& draw) const {
    const auto* item = reinterpret_cast<const MenuItem*>(draw.itemData);
    if (!item) return;
    if (onDrawItem) return onDrawItem(draw, *item);
    const bool selected = (draw.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    const bool disabled = (draw.itemState & (ODS_DISABLED | ODS_GRAYED | ODS_INACTIVE)) != 0;
    HDC dc = draw.hDC;
    RECT rect = draw.rcItem;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected   ? COLOR_HIGHLIGHTTEXT
                                 : disabled ? COLOR_GRAYTEXT
                                            : COLOR_MENUTEXT));
    win::UniqueFont font(MenuFont((draw.itemState & ODS_DEFAULT) != 0));
    win::ScopedSelect select(dc, font.get());
    const std::wstring caption = item->Caption();
    if (item->topLevel) {
        DrawTextW(dc, caption.c_str(), -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return;
    }
    const int square = rect.bottom - rect.top;
    if (draw.itemState & ODS_CHECKED) {
        RECT mark{rect.left + (square - 16) / 2, rect.top + (square - 16) / 2, 0, 0};
        mark.right = mark.left + 16;
        mark.bottom = mark.top + 16;
        const bool radio = item->action && item->action->Spec().groupIndex != 0;
        DrawFrameControl(dc, &mark, DFC_MENU, radio ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    }
    RECT textRect{rect.left + square + 2, rect.top, rect.right, rect.bottom};
    DrawTextW(dc, caption.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER);
    if (item->action && !item->action->ShortcutText().empty()) {
        textRect.right -= GetSystemMetrics(SM_CXMENUCHECK);
        const std::wstring shortcut = item->action->ShortcutText();
        DrawTextW(dc, shortcut.c_str(), -1, &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
}

void Menu::Popup(HWND window, POINT screenPoint) const {
    actions_.Update();
    TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x,
                   screenPoint.y, 0, window, nullptr);
}

}  // namespace tessera::ui
