#include "core/file_names.h"

#include <gtest/gtest.h>

#include <string>

namespace tessera {
namespace {

struct ExtensionCase {
    std::wstring path;
    std::wstring extension;
    std::wstring result;
};

const ExtensionCase kExtensionCases[] = {
    {L"C:\\Tools\\app.exe", L".ini", L"C:\\Tools\\app.ini"},
    {L"C:\\Tools.d\\app", L"ini", L"C:\\Tools.d\\app.ini"},
    {L".profile", L".ini", L".ini"},
    {L"", L".list", L".list"},
    {L"app.tar.gz", L".list", L"app.tar.list"},
    {L"C:app.exe", L"ini", L"C:app.ini"},
    {L"C:.d\\app", L".ini", L"C:.d\\app.ini"},
    {L"C:/Tools.d/app", L".ini", L"C:/Tools.d/app.ini"},
    {L"C:\\dir\\.profile", L".ini", L"C:\\dir\\.ini"},
    {L"C:\\dir\\app.", L".ini", L"C:\\dir\\app.ini"},
    {L"C:\\壁紙\\設定.exe", L".list", L"C:\\壁紙\\設定.list"},
    {L"C:\\Tools\\app.exe", L"", L"C:\\Tools\\app"},
};

TEST(ChangeFileExtension, ReplacesTheLastComponentsExtension) {
    for (const ExtensionCase& c : kExtensionCases) {
        EXPECT_EQ(ChangeFileExtension(c.path, c.extension), c.result)
            << std::string(c.path.begin(), c.path.end());
    }
}

TEST(FileNameWithoutExtension, DropsOnlyTheLastExtension) {
    EXPECT_EQ(FileNameWithoutExtension(L"C:\\Tools\\app.beta.exe"), L"app.beta");
    EXPECT_EQ(FileNameWithoutExtension(L"C:/Tools.d/app"), L"app");
    EXPECT_EQ(FileNameWithoutExtension(L"C:tessera.exe"), L"tessera");
    EXPECT_EQ(FileNameWithoutExtension(L"tessera"), L"tessera");
    EXPECT_EQ(ExtractFileName(L"C:\\Tools\\"), L"");
    EXPECT_EQ(ExtractFileName(L"\\\\server\\share\\壁紙.bmp"), L"壁紙.bmp");
}

}  // namespace
}  // namespace tessera
