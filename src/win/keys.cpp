#include "win/keys.h"

namespace tessera::win {
namespace {

class PlatformKeyState : public KeyState {
public:
    // The high byte of GetAsyncKeyState carries the "down now" bit.
    bool IsPhysicallyDown(int virtualKey) const override {
        const auto state = static_cast<unsigned short>(GetAsyncKeyState(virtualKey));
        return (state & 0xFF00) != 0;
    }
    bool MouseButtonsSwapped() const override { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }
};

const KeyState* installedState = nullptr;

// GetAsyncKeyState reports the physical mouse buttons; the caller means the logical ones.
int PhysicalKey(int virtualKey, const KeyState& state) {
    if (virtualKey != VK_LBUTTON && virtualKey != VK_RBUTTON) return virtualKey;
    if (!state.MouseButtonsSwapped()) return virtualKey;
    return virtualKey == VK_LBUTTON ? VK_RBUTTON : VK_LBUTTON;
}

}  // namespace

const KeyState& CurrentKeyState() {
    static const PlatformKeyState platform;
    return installedState ? *installedState : platform;
}

bool KeysDown(std::initializer_list<int> virtualKeys) {
    const KeyState& state = CurrentKeyState();
    for (const int key : virtualKeys) {
        if (!state.IsPhysicallyDown(PhysicalKey(key, state))) return false;
    }
    return true;
}

ScopedKeyState::ScopedKeyState(const KeyState& state) : previous_(installedState) {
    installedState = &state;
}

ScopedKeyState::~ScopedKeyState() { installedState = previous_; }

}  // namespace tessera::win
