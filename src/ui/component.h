#pragma once
// Named components in a tree of owners with the application at the root. The tree only
// names and finds; each component is owned (destroyed) by the C++ object that holds it.
#include <string>
#include <vector>

namespace tessera::ui {

class Component {
public:
    explicit Component(std::wstring name = {}, Component* owner = nullptr);
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    const std::wstring& Name() const { return name_; }
    void SetName(std::wstring name) { name_ = std::move(name); }
    Component* Owner() const { return owner_; }
    void SetOwner(Component* owner);
    const std::vector<Component*>& Components() const { return components_; }

    // A component owned directly by this one, compared without regard to case.
    Component* FindComponent(const std::wstring& name) const;
    // This one or any component below it.
    Component* FindInTree(const std::wstring& name);
    Component& Root();
    // "<prefix>_<N>" with the smallest N not named anywhere in the root's tree.
    std::wstring UniqueName(const std::wstring& prefix);

private:
    std::wstring name_;
    Component* owner_ = nullptr;
    std::vector<Component*> components_;
};

// The root of the program's component tree.
Component& Application();

}  // namespace tessera::ui
