#include "win/clipboard.h"

#include <gtest/gtest.h>

#include "win/prompts.h"

namespace tessera::win {
namespace {

TEST(ClipboardTest, CopiesABitmapAsCfBitmapWithoutAMessage) {
    ScriptedPrompter prompter;
    ScopedPrompter scoped(prompter);
    Bitmap bitmap(4, 2);
    bitmap.Pixels().At(3, 1)[1] = 0xEE;
    CopyBitmapToClipboard(bitmap);
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));  // synthesised by the system
    const auto image = ReadClipboardImage();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 4);
    EXPECT_EQ(image->View().At(3, 1)[1], 0xEE);

    // An empty bitmap is ignored: the clipboard keeps its image and nothing is shown.
    CopyBitmapToClipboard(Bitmap());
    EXPECT_TRUE(prompter.Shown().empty());
    EXPECT_TRUE(ReadClipboardImage());
}

// While another window holds the clipboard open, copying fails and says so.
TEST(ClipboardTest, TellsTheUserWhenTheClipboardIsBusy) {
    ScriptedPrompter prompter;
    ScopedPrompter scoped(prompter);
    HWND holder =
        CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(holder, nullptr);
    ASSERT_TRUE(OpenClipboard(holder));
    // The clipboard belongs to a thread: another thread's attempt must fail.
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](void*) -> DWORD {
            CopyBitmapToClipboard(Bitmap(2, 2));
            return 0;
        },
        nullptr, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseClipboard();
    DestroyWindow(holder);
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0].text, L"クリップボードへコピーできませんでした");
}

}  // namespace
}  // namespace tessera::win
