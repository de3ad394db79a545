#pragma once
// Commands declared once, as data: menus, tool bar buttons and pop-up menus point at an
// action by name, and an action's state (enabled, checked) lives only here.
#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/component.h"

namespace tessera::ui {

enum ActionFlag : unsigned {
    kActionCheckable = 1,  // toggles its check mark when executed
    kActionChecked = 2,    // checked at start
    kActionDisabled = 4,   // disabled at start
};

struct ActionSpec {
    const wchar_t* name;
    const wchar_t* caption;
    const wchar_t* hint;
    int imageIndex = -1;
    UINT shortcutKey = 0;        // virtual key, 0 for none
    BYTE shortcutModifiers = 0;  // FALT, FCONTROL, FSHIFT
    const wchar_t* category = L"";
    int groupIndex = 0;  // radio group: checking one unchecks the others
    unsigned flags = 0;
};

class ActionList;

class Action : public Component {
public:
    Action(const ActionSpec& spec, UINT id, ActionList& list);

    const ActionSpec& Spec() const { return spec_; }
    UINT Id() const { return id_; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    const std::wstring& Hint() const { return hint_; }
    void SetHint(std::wstring hint);
    std::wstring ShortcutText() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // Runs the handler when enabled; returns whether it ran.
    bool Execute();
    std::function<void()> onExecute;
    // The rule that computes the state; run by ActionList::Update.
    std::function<void(Action&)> onUpdate;

private:
    friend class ActionList;
    ActionSpec spec_;
    UINT id_;
    ActionList& list_;
    std::wstring caption_;
    std::wstring hint_;
    bool enabled_;
    bool checked_;
};

class ActionList : public Component {
public:
    // Command ids are firstId, firstId + 1, ... in table order.
    ActionList(std::wstring name, Component* owner, std::span<const ActionSpec> specs,
               UINT firstId);
    ~ActionList() override;

    Action* Find(const std::wstring& name) const;
    Action& operator[](const std::wstring& name) const;  // throws std::out_of_range
    Action* FromId(UINT id) const;
    const std::vector<std::unique_ptr<Action>>& Actions() const { return actions_; }
    bool ExecuteId(UINT id);

    // Runs every update rule; observers then bring menus and tool bars in step.
    void Update();
    // Observers are told of every state change; the id removes one again.
    int AddObserver(std::function<void()> observer);
    void RemoveObserver(int id);
    void NotifyChanged();

    // The keyboard shortcuts of the actions; translated before dispatch.
    HACCEL Accelerators();

private:
    friend class Action;
    void UncheckGroup(const Action& checked);

    std::vector<std::unique_ptr<Action>> actions_;
    std::vector<std::pair<int, std::function<void()>>> observers_;
    int nextObserver_ = 1;
    HACCEL accelerators_ = nullptr;
    bool updating_ = false;
};

}  // namespace tessera::ui
