#include "win/file_stream.h"

#include <gtest/gtest.h>

#include <system_error>
#include "support/scratch_folder.h"

namespace tessera::win {
namespace {

TEST(FileStreamTest, CreatesReplacesAndSharesNothing) {
    const std::wstring path = testing::UniqueTempFolder(L"tessera_stream_テスト") + L".bin";
    EXPECT_THROW(TFileStreamW(path + L".missing", TFileStreamW::kOpenRead), std::system_error);
    {
        TFileStreamW stream(path, TFileStreamW::kCreate);
        stream.Write("0123456789", 10);
    }
    {
        TFileStreamW stream(
            path, TFileStreamW::kCreate);  // replaces: the file holds only what is written now
        stream.Write("ab", 2);
    }
    {
        TFileStreamW stream(path, TFileStreamW::kOpenRead);
        EXPECT_EQ(stream.Size(), 2u);
        // Not shared while open.
        EXPECT_THROW(TFileStreamW(path, TFileStreamW::kOpenRead), std::system_error);
        EXPECT_FALSE(stream.ReadAll(1));
        const auto bytes = stream.ReadAll(2);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(*bytes, (std::vector<std::uint8_t>{'a', 'b'}));
    }
    EXPECT_EQ(ReadWholeFile(path, 100)->size(), 2u);
    EXPECT_FALSE(ReadWholeFile(path + L".missing", 100));
    DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace tessera::win
