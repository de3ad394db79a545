#pragma once
// Whether keys are held down, behind a seam: the default asks GetAsyncKeyState, tests
// install a scripted key state for a scope.
#include <windows.h>

#include <initializer_list>
#include <set>

namespace tessera::win {

class KeyState {
public:
    virtual ~KeyState() = default;
    // The physical key or mouse button (GetAsyncKeyState semantics).
    virtual bool IsPhysicallyDown(int virtualKey) const = 0;
    virtual bool MouseButtonsSwapped() const = 0;
};

// True when every listed key is down; VK_LBUTTON/VK_RBUTTON are the logical buttons.
bool KeysDown(std::initializer_list<int> virtualKeys);

// The key state KeysDown consults now (the platform's unless a test installed one).
const KeyState& CurrentKeyState();

// Installs a key state for its lifetime and restores the previous one.
class ScopedKeyState {
public:
    explicit ScopedKeyState(const KeyState& state);
    ScopedKeyState(const ScopedKeyState&) = delete;
    ScopedKeyState& operator=(const ScopedKeyState&) = delete;
    ~ScopedKeyState();

private:
    const KeyState* previous_;
};

// A key state for tests: the physical keys listed are down.
class ScriptedKeyState : public KeyState {
public:
    ScriptedKeyState(std::initializer_list<int> down = {}, bool swapped = false)
        : down_(down), swapped_(swapped) {}
    void Press(int virtualKey) { down_.insert(virtualKey); }
    void Release(int virtualKey) { down_.erase(virtualKey); }
    void SetMouseButtonsSwapped(bool swapped) { swapped_ = swapped; }
    bool IsPhysicallyDown(int virtualKey) const override { return down_.count(virtualKey) != 0; }
    bool MouseButtonsSwapped() const override { return swapped_; }

private:
    std::set<int> down_;
    bool swapped_;
};

}  // namespace tessera::win
