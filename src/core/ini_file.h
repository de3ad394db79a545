#pragma once
// TMyIniFile: the settings file as sections of name=value lines, read whole at
// construction and written whole by UpdateFile (at destruction) only when something was
// written. Files go through the installed TextFileSystem.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/my_wstrings.h"

namespace tessera {

// The section name of a header line ("[ name ]" gives "name"); empty when it is none.
std::wstring IniSectionName(std::wstring_view line);

class TMyIniFile {
public:
    TMyIniFile();  // the default settings file, teAuto
    explicit TMyIniFile(TextEncoding encoding);
    TMyIniFile(std::wstring fileName, TextEncoding encoding);
    TMyIniFile(const TMyIniFile&) = delete;
    TMyIniFile& operator=(const TMyIniFile&) = delete;
    virtual ~TMyIniFile();  // UpdateFile; never throws

    virtual bool UpdateFile();
    virtual bool SectionExists(std::wstring_view section) const;
    virtual void ReadSections(TMyWStrings& list) const;
    virtual void ReadSection(std::wstring_view section, TMyWStrings& list) const;
    virtual void EraseSection(std::wstring_view section);
    virtual void ReadSectionValues(std::wstring_view section, TMyWStrings& list) const;
    virtual void WriteSectionValues(std::wstring_view section, const TMyWStrings& list);
    virtual void ReadSectionRaw(std::wstring_view section, TMyWStrings& list) const;
    virtual void WriteSectionRaw(std::wstring_view section, const TMyWStrings& list);
    virtual std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                                    const std::wstring& defaultValue);
    virtual void WriteString(std::wstring_view section, std::wstring_view key,
                             std::wstring_view value);
    virtual std::int32_t ReadInteger(std::wstring_view section, std::wstring_view key,
                                     std::int32_t defaultValue);
    virtual void WriteInteger(std::wstring_view section, std::wstring_view key, std::int32_t value);
    virtual bool ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue);
    virtual void WriteBool(std::wstring_view section, std::wstring_view key, bool value);
    virtual double ReadFloat(std::wstring_view section, std::wstring_view key, double defaultValue);
    virtual void WriteFloat(std::wstring_view section, std::wstring_view key, double value);

    const std::wstring& FileName() const { return fileName_; }
    const TMyWStrings& Lines() const { return lines_; }
    bool Modified() const { return modified_; }
    TextEncoding ReadEncoding() const { return readEncoding_; }
    TextEncoding WriteEncoding() const { return writeEncoding_; }

private:
    struct SectionEntry {
        std::wstring name;
        int headerLine;
    };
    struct SectionRange {
        int header;
        int end;  // one past the last line
    };

    void Load();
    void RebuildIndex();
    int FindSection(std::wstring_view name) const;  // index entry, -1 when absent
    SectionRange RangeOf(int entry) const;
    bool IsCurrent(std::wstring_view name) const;
    std::vector<std::wstring> SectionLines(std::wstring_view name) const;
    std::vector<std::wstring> NormalRead(std::wstring_view section) const;
    void WriteSection(std::wstring_view section, std::vector<std::wstring> lines, bool raw);
    void RemoveSectionLines(int entry);
    void Select(std::wstring_view section);
    void Flush();

    std::wstring fileName_;
    TMyWStrings lines_;
    std::vector<SectionEntry> index_;
    bool hasCurrent_ = false;
    std::wstring currentName_;
    TMyWStrings current_;
    bool dirty_ = false;
    bool modified_ = false;
    TextEncoding readEncoding_ = teAuto;
    TextEncoding writeEncoding_ = teAuto;
};

}  // namespace tessera
