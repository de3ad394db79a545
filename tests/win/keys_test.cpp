#include "win/keys.h"

#include <gtest/gtest.h>

namespace tessera::win {
namespace {

TEST(KeysDown, EveryListedKeyMustBeDown) {
    ScriptedKeyState keys{VK_SHIFT};
    const ScopedKeyState scope(keys);
    EXPECT_TRUE(KeysDown({VK_SHIFT}));
    EXPECT_FALSE(KeysDown({VK_SHIFT, VK_CONTROL}));
    keys.Press(VK_CONTROL);
    EXPECT_TRUE(KeysDown({VK_SHIFT, VK_CONTROL}));
    keys.Release(VK_SHIFT);
    EXPECT_FALSE(KeysDown({VK_SHIFT, VK_CONTROL}));
    EXPECT_TRUE(KeysDown({}));
}

TEST(KeysDown, MouseButtonsFollowTheSystemsSwap) {
    ScriptedKeyState keys{VK_RBUTTON};  // the physical right button
    const ScopedKeyState scope(keys);
    EXPECT_TRUE(KeysDown({VK_RBUTTON}));
    EXPECT_FALSE(KeysDown({VK_LBUTTON}));
    keys.SetMouseButtonsSwapped(true);  // ... is now the logical left button
    EXPECT_TRUE(KeysDown({VK_LBUTTON}));
    EXPECT_FALSE(KeysDown({VK_RBUTTON}));
    keys.Press(VK_SHIFT);
    EXPECT_TRUE(KeysDown({VK_SHIFT, VK_LBUTTON}));  // keyboard keys are never swapped
}

TEST(KeysDown, ScopesRestoreThePreviousKeyState) {
    const KeyState& platform = CurrentKeyState();
    ScriptedKeyState outer{VK_SHIFT};
    {
        const ScopedKeyState outerScope(outer);
        {
            const ScriptedKeyState inner{VK_CONTROL};
            const ScopedKeyState innerScope(inner);
            EXPECT_TRUE(KeysDown({VK_CONTROL}));
            EXPECT_FALSE(KeysDown({VK_SHIFT}));
        }
        EXPECT_TRUE(KeysDown({VK_SHIFT}));
    }
    EXPECT_EQ(&CurrentKeyState(), &platform);
    // Nobody holds keys on the test display.
    EXPECT_FALSE(KeysDown({VK_SHIFT, VK_CONTROL}));
}

}  // namespace
}  // namespace tessera::win
