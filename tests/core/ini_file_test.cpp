#include "core/ini_file.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/ini_number.h"
#include "core/text_file_system.h"

namespace tessera {
namespace {

// Files as texts in memory; counts the writes.
class MemoryFiles final : public TextFileSystem {
public:
    MemoryFiles() { previous_ = SetTextFileSystem(this); }
    ~MemoryFiles() override { SetTextFileSystem(previous_); }
    bool IsFile(const std::wstring& path) const override { return files.count(path) != 0; }
    std::wstring ReadText(const std::wstring& path, TextEncoding& encoding) override {
        const auto it = files.find(path);
        if (it == files.end()) return {};
        encoding = teUtf8;
        return it->second;
    }
    bool WriteText(const std::wstring& path, std::wstring_view text, TextEncoding encoding) override {
        ++writes;
        lastEncoding = encoding;
        if (failWrites) return false;
        files[path] = std::wstring(text);
        return true;
    }
    std::map<std::wstring, std::wstring> files;
    int writes = 0;
    bool failWrites = false;
    TextEncoding lastEncoding = teAuto;

private:
    TextFileSystem* previous_ = nullptr;
};

const std::wstring kIni = L"C:\\app\\tessera.ini";

class IniFileTest : public ::testing::Test {
protected:
    void Put(const std::wstring& text) { files_.files[kIni] = text; }
    std::wstring File() { return files_.files[kIni]; }
    MemoryFiles files_;
};

TEST(IniSectionNameTest, HeadersNeedANameBetweenTheBrackets) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"[main]", L"main"},  {L"  [ main ]  ", L"main"}, {L"[a b]tail", L"a b"},
        {L"[]", L""},          {L"[  ]", L""},             {L"[x", L""},
        {L"x[y]", L""},        {L"\t[\tTab]", L"Tab"},      {L"[[x]]", L"[x"},
    };
    for (const auto& [line, name] : cases) EXPECT_EQ(IniSectionName(line), name) << line;
}

TEST(IniNumberTest, IntegersAreReadLeniently) {
    const std::pair<const wchar_t*, std::int32_t> cases[] = {
        {L"\xff11\xff12\xff13", 123}, {L"1,000", 1000},   {L"12px", 12},     {L"0x1F", 31},
        {L"$1F", 31},                 {L"abc", 2748},     {L"  12 ", 12},    {L"   ", 0},
        {L"-17", -17},                {L"+5", 5},         {L"x1f", 31},      {L"12 34", 12},
        {L"-$10", -16},               {L"$FFFFFFFF", -1}, {L"zz", 0},        {L"1e3", 0x1E3},
        {L"2147483647", 2147483647},  {L"-2147483648", INT32_MIN},          {L"\xff0d\xff15", -5},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadIniIntegerText(text, 77), value) << text;
    EXPECT_EQ(ReadIniIntegerText(L"2147483648", 77), 77);  // outside the range: the default
    EXPECT_EQ(ReadIniIntegerText(L"99999999999px", 77), 77);
}

TEST(IniNumberTest, FloatsRoundTripInTheLocaleFormat) {
    for (double v : {0.0, 0.1, -2.5, 1e20, 123456.789}) {
        EXPECT_EQ(ParseLocaleFloat(FormatLocaleFloat(v)), v) << v;
    }
    EXPECT_EQ(ParseLocaleFloat(L" 1.5 "), 1.5);
    EXPECT_EQ(ParseLocaleFloat(L"+2"), 2.0);
    EXPECT_EQ(ParseLocaleFloat(L"abc"), std::nullopt);
    EXPECT_EQ(ParseLocaleFloat(L"inf"), std::nullopt);
    EXPECT_EQ(ParseLocaleFloat(L"+-1"), std::nullopt);
    EXPECT_EQ(ParseLocaleFloat(L"1.5x"), std::nullopt);
}

TEST_F(IniFileTest, KeysAreFoundIgnoringCaseAndBlanks) {
    Put(L"top=1\r\n[ main ]\r\nMain=5\r\nKey = abc\r\nEmpty=\r\nBlank=   \r\n[  ]\r\nAfter=7\r\n");
    TMyIniFile ini(kIni, teAuto);
    EXPECT_EQ(ini.ReadInteger(L"MAIN", L"main", 0), 5);
    EXPECT_EQ(ini.ReadString(L" main ", L"KEY", L"d"), L" abc");
    EXPECT_EQ(ini.ReadInteger(L"main", L"key", 0), 2748);
    EXPECT_EQ(ini.ReadString(L"main", L"Empty", L"d"), L"d");
    EXPECT_EQ(ini.ReadInteger(L"main", L"Blank", 9), 0);
    EXPECT_EQ(ini.ReadInteger(L"main", L"After", 0), 7);  // "[  ]" is no header
    EXPECT_EQ(ini.ReadString(L"main", L"top", L"none"), L"none");
    EXPECT_EQ(ini.ReadBool(L"none", L"x", true), true);
    EXPECT_EQ(ini.ReadFloat(L"main", L"Main", 1.5), 5.0);
    EXPECT_EQ(ini.ReadFloat(L"main", L"Key", 1.5), 0.0);      // not a number
    EXPECT_EQ(ini.ReadFloat(L"main", L"Missing", 1.5), 1.5);
    EXPECT_TRUE(ini.SectionExists(L"MAIN"));
    EXPECT_FALSE(ini.SectionExists(L""));
}

TEST_F(IniFileTest, LastValueWinsAndAWriteKeepsOnlyIt) {
    Put(L"[S]\r\nWidth=1\r\nWidth=2\r\nnoise\r\n");
    {
        TMyIniFile ini(kIni, teAuto);
        EXPECT_EQ(ini.ReadInteger(L"S", L"Width", 0), 2);
        TMyWStrings values;
        ini.ReadSectionValues(L"S", values);
        EXPECT_EQ(values.GetText(), L"Width=2\r\n");
        ini.WriteInteger(L"S", L"Height", 3);
    }
    EXPECT_EQ(File(), L"[S]\r\nWidth=2\r\nHeight=3\r\n\r\n");
}

TEST_F(IniFileTest, OnlyReadSettingsAreNeverWritten) {
    Put(L"[S]\r\nA=1\r\n");
    {
        TMyIniFile ini(kIni, teAuto);
        EXPECT_EQ(ini.ReadInteger(L"S", L"A", 0), 1);
        TMyWStrings list;
        ini.ReadSectionRaw(L"S", list);
        ini.ReadSections(list);
        EXPECT_FALSE(ini.UpdateFile());
    }
    EXPECT_EQ(files_.writes, 0);
}

TEST_F(IniFileTest, SectionsMoveToTheEndInTheOrderWritten) {
    Put(L"; comment\r\n[A]\r\nx=0\r\n[Keep]\r\nk=1\r\n[B]\r\ny=0\r\n");
    {
        TMyIniFile ini(kIni, teAuto);
        ini.WriteString(L"A", L"one", L"1");
        ini.WriteString(L"A", L"two", L"2");
        ini.WriteString(L"B", L"three", L"3");
        ini.WriteString(L"A", L"four", L"4");
    }
    EXPECT_EQ(File(),
              L"; comment\r\n[Keep]\r\nk=1\r\n"
              L"[B]\r\ny=0\r\nthree=3\r\n\r\n"
              L"[A]\r\nx=0\r\none=1\r\ntwo=2\r\nfour=4\r\n\r\n");
    EXPECT_EQ(files_.lastEncoding, teAuto);
}

TEST_F(IniFileTest, RawSectionsKeepTheirLines) {
    TMyWStrings lines, back;
    lines.SetText(L"x\r\n\r\ny=1\r\ny=2\r\n");
    {
        TMyIniFile ini(kIni, teAuto);
        ini.WriteSectionRaw(L"R", lines);
        ini.ReadSectionRaw(L"R", back);
        EXPECT_EQ(back.GetText(), lines.GetText());
        ini.ReadSection(L"R", back);
        EXPECT_EQ(back.GetText(), L"y\r\n");
    }
    EXPECT_EQ(File(), L"[R]\r\nx\r\n\r\ny=1\r\ny=2\r\n");
    TMyIniFile again(kIni, teAuto);
    again.ReadSectionRaw(L"r", back);
    EXPECT_EQ(back.GetText(), lines.GetText());
}

TEST_F(IniFileTest, WriteSectionValuesKeepsTheFirstOfEachName) {
    TMyWStrings lines;
    lines.SetText(L"a=1\r\n\r\nnoise\r\nA=2\r\nb=3\r\n");
    TMyIniFile ini(kIni, teAuto);
    ini.WriteSectionValues(L"V", lines);
    EXPECT_EQ(ini.Lines().GetText(), L"[V]\r\na=1\r\nb=3\r\n\r\n");
}

TEST_F(IniFileTest, EraseSectionDropsPendingChangesOfTheCurrentSection) {
    Put(L"[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    {
        TMyIniFile ini(kIni, teAuto);
        ini.WriteString(L"A", L"z", L"3");
        ini.EraseSection(L"a");
        ini.EraseSection(L"missing");
        EXPECT_EQ(ini.ReadString(L"A", L"z", L"gone"), L"gone");
    }
    EXPECT_EQ(File(), L"[B]\r\ny=2\r\n");
}

// Writing one section must not lose the pending keys of another.
TEST_F(IniFileTest, WritingASectionKeepsAnotherSectionsPendingKeys) {
    TMyWStrings lines;
    lines.SetText(L"v=1\r\n");
    {
        TMyIniFile ini(kIni, teAuto);
        ini.WriteString(L"A", L"a", L"1");
        ini.WriteSectionValues(L"B", lines);
    }
    EXPECT_EQ(File(), L"[B]\r\nv=1\r\n\r\n[A]\r\na=1\r\n\r\n");
}

// A hand-edited file may hold a section twice: after a write, the written one is found.
TEST_F(IniFileTest, WritingASectionReplacesEveryCopyOfIt) {
    Put(L"[S]\r\na=1\r\n[T]\r\nt=1\r\n[s]\r\na=2\r\nb=3\r\n");
    {
        TMyIniFile ini(kIni, teAuto);
        EXPECT_EQ(ini.ReadInteger(L"S", L"a", 0), 1);
        EXPECT_EQ(ini.ReadInteger(L"S", L"b", 0), 0);  // the second copy is never read
        ini.WriteInteger(L"S", L"a", 5);
        EXPECT_EQ(ini.ReadInteger(L"T", L"t", 0), 1);
        EXPECT_EQ(ini.ReadInteger(L"S", L"a", 0), 5);
    }
    EXPECT_EQ(File(), L"[T]\r\nt=1\r\n[S]\r\na=5\r\n\r\n");
}

TEST_F(IniFileTest, AFailedSaveReportsFalseAndClearsTheModifiedFlag) {
    files_.failWrites = true;
    TMyIniFile ini(kIni, teUtf16LEBom);
    ini.WriteBool(L"S", L"b", true);
    EXPECT_TRUE(ini.Modified());
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(files_.lastEncoding, teUtf16LEBom);
    EXPECT_EQ(files_.writes, 1);
}

TEST_F(IniFileTest, KeepsTheLineBreakStyleItWasReadWith) {
    Put(L"[S]\na=1\n");
    {
        TMyIniFile ini(kIni, teAuto);
        ini.WriteFloat(L"S", L"f", 0.5);
        EXPECT_EQ(ini.ReadFloat(L"S", L"f", 0), 0.5);
    }
    EXPECT_EQ(File(), L"[S]\na=1\nf=0.5\n\n");
}

TEST_F(IniFileTest, EmptySectionNamesAreNotWritten) {
    Put(L"[A]\r\nx=1\r\n");
    {
        TMyIniFile ini(kIni, teAuto);
        ini.WriteString(L"  ", L"k", L"v");
        EXPECT_FALSE(ini.Modified());
    }
    EXPECT_EQ(files_.writes, 0);
}

}  // namespace
}  // namespace tessera
