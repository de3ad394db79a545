#include "win/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include "support/scratch_folder.h"

namespace tessera::win {
namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = testing::UniqueTempFolder(L"tessera_atomic_test");
        CreateDirectoryW(folder_.c_str(), nullptr);
        target_ = folder_ + L"\\壁紙.bin";
    }
    void TearDown() override {
        DeleteFileW(target_.c_str());
        RemoveDirectoryW(folder_.c_str());  // fails, and so shows, when a temporary file was left
    }
    std::string Content() const {
        std::ifstream in(target_.c_str(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Put(const std::string& text) const {
        ASSERT_TRUE(WriteFileAtomically(target_, text.data(), text.size()));
    }

    std::wstring folder_;
    std::wstring target_;
};

TEST_F(AtomicFileTest, ReplacesTheTargetOnlyWhenCommitted) {
    Put("old content");
    {
        AtomicFileWriter writer(target_);
        ASSERT_TRUE(writer.Open());
        ASSERT_TRUE(writer.Write("new", 3));
        // Abandoned half-way: the old file stays as it was and no temporary file remains.
    }
    EXPECT_EQ(Content(), "old content");
    Put("new");
    EXPECT_EQ(Content(), "new");
}

TEST_F(AtomicFileTest, FailsWithoutTouchingAReadOnlyTarget) {
    Put("kept");
    SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteFileAtomically(target_, "lost", 4));
    SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Content(), "kept");
}

TEST_F(AtomicFileTest, FailsInAMissingFolder) {
    EXPECT_FALSE(WriteFileAtomically(folder_ + L"\\missing\\x.bin", "x", 1));
}

}  // namespace
}  // namespace tessera::win
