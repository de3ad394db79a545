#include "ui/action.h"

#include <algorithm>
#include <stdexcept>

#include "core/component_names.h"

namespace tessera::ui {
namespace {

std::wstring KeyName(UINT key) {
    if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::wstring(1, static_cast<wchar_t>(key));
    switch (key) {
        case VK_DELETE: return L"Del";
        case VK_INSERT: return L"Ins";
        case VK_RETURN: return L"Enter";
        case VK_ESCAPE: return L"Esc";
        case VK_ADD: return L"Num +";
        case VK_SUBTRACT: return L"Num -";
        default: return L"";
    }
}

}  // namespace

Action::Action(const ActionSpec& spec, UINT id, ActionList& list)
    : Component(spec.name, &list),
      spec_(spec),
      id_(id),
      list_(list),
      caption_(spec.caption ? spec.caption : L""),
      hint_(spec.hint ? spec.hint : L""),
      enabled_(!(spec.flags & kActionDisabled)),
      checked_((spec.flags & kActionChecked) != 0) {}

void Action::SetCaption(std::wstring caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    list_.NotifyChanged();
}

void Action::SetHint(std::wstring hint) {
    hint_ = std::move(hint);
}

std::wstring Action::ShortcutText() const {
    if (!spec_.shortcutKey) return {};
    std::wstring text;
    if (spec_.shortcutModifiers & FSHIFT) text += L"Shift+";
    if (spec_.shortcutModifiers & FCONTROL) text += L"Ctrl+";
    if (spec_.shortcutModifiers & FALT) text += L"Alt+";
    return text + KeyName(spec_.shortcutKey);
}

void Action::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    list_.NotifyChanged();
}

void Action::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (checked_ && spec_.groupIndex != 0) list_.UncheckGroup(*this);
    list_.NotifyChanged();
}

bool Action::Execute() {
    if (!enabled_) return false;
    if (spec_.flags & kActionCheckable) SetChecked(spec_.groupIndex != 0 ? true : !checked_);
    if (onExecute) onExecute();
    return true;
}

ActionList::ActionList(std::wstring name, Component* owner, std::span<const ActionSpec> specs,
                       UINT firstId)
    : Component(std::move(name), owner) {
    UINT id = firstId;
    for (const ActionSpec& spec : specs)
        actions_.push_back(std::make_unique<Action>(spec, id++, *this));
}

ActionList::~ActionList() {
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

Action* ActionList::Find(const std::wstring& name) const {
    for (const auto& action : actions_) {
        if (SameComponentName(action->Name(), name)) return action.get();
    }
    return nullptr;
}

Action& ActionList::operator[](const std::wstring& name) const {
    if (Action* action = Find(name)) return *action;
    throw std::out_of_range("unknown action");
}

Action* ActionList::FromId(UINT id) const {
    for (const auto& action : actions_) {
        if (action->Id() == id) return action.get();
    }
    return nullptr;
}

bool ActionList::ExecuteId(UINT id) {
    Action* action = FromId(id);
    return action && action->Execute();
}

void ActionList::Update() {
    updating_ = true;
    for (const auto& action : actions_) {
        if (action->onUpdate) action->onUpdate(*action);
    }
    updating_ = false;
    NotifyChanged();
}

int ActionList::AddObserver(std::function<void()> observer) {
    observers_.emplace_back(nextObserver_, std::move(observer));
    return nextObserver_++;
}

void ActionList::RemoveObserver(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void ActionList::NotifyChanged() {
    if (updating_) return;
    for (const auto& observer : observers_) observer.second();
}

void ActionList::UncheckGroup(const Action& checked) {
    for (const auto& action : actions_) {
        if (action.get() != &checked && action->Spec().groupIndex == checked.Spec().groupIndex) {
            action->checked_ = false;
        }
    }
}

HACCEL ActionList::Accelerators() {
    if (accelerators_) return accelerators_;
    std::vector<ACCEL> table;
    for (const auto& action : actions_) {
        const ActionSpec& spec = action->Spec();
        if (!spec.shortcutKey) continue;
        table.push_back({static_cast<BYTE>(FVIRTKEY | spec.shortcutModifiers),
                         static_cast<WORD>(spec.shortcutKey), static_cast<WORD>(action->Id())});
    }
    if (!table.empty())
        accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    return accelerators_;
}

}  // namespace tessera::ui
