#include "ui/component.h"

#include <algorithm>

#include "core/component_names.h"

namespace tessera::ui {

Component::Component(std::wstring name, Component* owner) : name_(std::move(name)) {
    SetOwner(owner);
}

Component::~Component() {
    SetOwner(nullptr);
    for (Component* child : components_) child->owner_ = nullptr;
}

void Component::SetOwner(Component* owner) {
    if (owner_) std::erase(owner_->components_, this);
    owner_ = owner;
    if (owner_) owner_->components_.push_back(this);
}

Component* Component::FindComponent(const std::wstring& name) const {
    for (Component* child : components_) {
        if (SameComponentName(child->name_, name)) return child;
    }
    return nullptr;
}

Component* Component::FindInTree(const std::wstring& name) {
    if (!name_.empty() && SameComponentName(name_, name)) return this;
    for (Component* child : components_) {
        if (Component* found = child->FindInTree(name)) return found;
    }
    return nullptr;
}

Component& Component::Root() {
    Component* top = this;
    while (top->owner_) top = top->owner_;
    return *top;
}

std::wstring Component::UniqueName(const std::wstring& prefix) {
    Component& root = Root();
    return UniqueComponentName(
        prefix, [&root](const std::wstring& name) { return root.FindInTree(name) != nullptr; });
}

Component& Application() {
    static Component application(L"Application");
    return application;
}

}  // namespace tessera::ui
