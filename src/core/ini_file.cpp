#include "core/ini_file.h"

#include <exception>
#include <unordered_set>
#include <utility>

#include "core/ini_number.h"
#include "core/text_compare.h"
#include "core/text_file_system.h"

namespace tessera {
namespace {

bool IsTrimmed(wchar_t c) { return static_cast<std::uint32_t>(c) <= 0x20; }

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && IsTrimmed(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsTrimmed(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    return LocaleCompare(a, b, kCompareIgnoreCase) == 0;
}

// Of several lines with one name, the last one stands.
std::vector<std::wstring> CleanSection(std::vector<std::wstring> lines) {
    std::unordered_set<std::wstring> seen;
    std::vector<std::wstring> kept;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        const std::wstring name = NameOfLine(*it);
        if (name.empty()) continue;
        if (!seen.insert(LocaleUpperCase(name)).second) continue;
        kept.push_back(std::move(*it));
    }
    return {kept.rbegin(), kept.rend()};
}

std::vector<std::wstring> LinesOf(const TMyWStrings& list) {
    std::vector<std::wstring> lines;
    lines.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    return lines;
}

void FillList(TMyWStrings& list, const std::vector<std::wstring>& lines) {
    list.BeginUpdate();
    list.Clear();
    for (const auto& line : lines) list.Add(line);
    list.EndUpdate();
}

std::wstring ValueOfLine(std::wstring_view line) {
    const auto equals = line.find(L'=');
    return equals == std::wstring_view::npos ? std::wstring() : std::wstring(line.substr(equals + 1));
}

}  // namespace

// "[", optional blanks, a name of at least one character, "]"; what follows is ignored.
std::wstring IniSectionName(std::wstring_view line) {
    std::wstring_view text = Trim(line);
    if (text.empty() || text[0] != L'[') return {};
    text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
    const auto close = text.find(L']');
    if (close == std::wstring_view::npos || close == 0) return {};
    return std::wstring(Trim(text.substr(0, close)));
}

TMyIniFile::TMyIniFile() : TMyIniFile(DefaultIniFileName(), teAuto) {}

TMyIniFile::TMyIniFile(TextEncoding encoding) : TMyIniFile(DefaultIniFileName(), encoding) {}

TMyIniFile::TMyIniFile(std::wstring fileName, TextEncoding encoding)
    : fileName_(std::move(fileName)), readEncoding_(encoding), writeEncoding_(encoding) {
    Load();
}

// Writing at destruction must not throw: a failure is as silent as UpdateFile's false.
TMyIniFile::~TMyIniFile() {
    try {
        UpdateFile();
    } catch (...) {
    }
}

void TMyIniFile::Load() {
    if (!fileName_.empty() && CurrentTextFileSystem().IsFile(fileName_)) {
        lines_.LoadFromFile(fileName_, readEncoding_);
    }
    RebuildIndex();
}

void TMyIniFile::RebuildIndex() {
    index_.clear();
    for (int i = 0; i < lines_.Count(); ++i) {
        std::wstring name = IniSectionName(lines_.At(i));
        if (!name.empty()) index_.push_back({std::move(name), i});
    }
}

int TMyIniFile::FindSection(std::wstring_view name) const {
    name = Trim(name);
    for (std::size_t i = 0; i < index_.size(); ++i) {
        if (SameName(index_[i].name, name)) return static_cast<int>(i);
    }
    return -1;
}

TMyIniFile::SectionRange TMyIniFile::RangeOf(int entry) const {
    const auto e = static_cast<std::size_t>(entry);
    const int end = e + 1 < index_.size() ? index_[e + 1].headerLine : lines_.Count();
    return {index_[e].headerLine, end};
}

bool TMyIniFile::IsCurrent(std::wstring_view name) const {
    return hasCurrent_ && SameName(currentName_, Trim(name));
}

std::vector<std::wstring> TMyIniFile::SectionLines(std::wstring_view name) const {
    if (IsCurrent(name)) return LinesOf(current_);
    const int entry = FindSection(name);
    if (entry < 0) return {};
    const SectionRange range = RangeOf(entry);
    std::vector<std::wstring> lines;
    for (int i = range.header + 1; i < range.end; ++i) lines.push_back(lines_.At(i));
    return lines;
}

std::vector<std::wstring> TMyIniFile::NormalRead(std::wstring_view section) const {
    return CleanSection(SectionLines(section));
}

void TMyIniFile::RemoveSectionLines(int entry) {
    const SectionRange range = RangeOf(entry);
    lines_.BeginUpdate();
    for (int i = range.end - 1; i >= range.header; --i) lines_.Delete(i);
    lines_.EndUpdate();
}

// Every section written moves to the end of the file. The lines are taken by value, so
// that writing the current section's own lines is safe.
void TMyIniFile::WriteSection(std::wstring_view section, std::vector<std::wstring> lines, bool raw) {
    const std::wstring name(Trim(section));
    if (name.empty()) return;  // "[]" is no header: its lines would join another section
    modified_ = true;
    const bool wasCurrent = IsCurrent(name);
    // Every copy goes: a later one of the same name would otherwise be found in place of
    // the section just written.
    for (int entry = FindSection(name); entry >= 0; entry = FindSection(name)) {
        RemoveSectionLines(entry);
        RebuildIndex();
    }
    if (wasCurrent) {
        hasCurrent_ = false;
        currentName_.clear();
        current_.Clear();
    }
    lines_.BeginUpdate();
    lines_.Add(L"[" + name + L"]");
    if (raw) {
        for (const auto& line : lines) lines_.Add(line);
    } else {
        std::unordered_set<std::wstring> written;  // of several lines, the first stands
        for (const auto& line : lines) {
            const std::wstring key = NameOfLine(line);
            if (key.empty() || !written.insert(LocaleUpperCase(key)).second) continue;
            lines_.Add(line);
        }
        lines_.Add(L"");
    }
    lines_.EndUpdate();
    // Only the section written loses its pending changes; another current section keeps
    // them until it is flushed.
    if (wasCurrent) dirty_ = false;
    RebuildIndex();
}

void TMyIniFile::Flush() {
    if (!dirty_ || !hasCurrent_) return;
    WriteSection(currentName_, LinesOf(current_), false);
    dirty_ = false;
}

void TMyIniFile::Select(std::wstring_view section) {
    const std::wstring_view name = Trim(section);
    if (hasCurrent_ && !SameName(currentName_, name)) Flush();
    if (IsCurrent(name)) return;
    FillList(current_, NormalRead(name));
    currentName_ = std::wstring(name);
    hasCurrent_ = true;
    dirty_ = false;
}

bool TMyIniFile::UpdateFile() {
    if (!modified_) return false;
    bool saved = false;
    try {
        Flush();
        saved = lines_.SaveToFile(fileName_, writeEncoding_);
    } catch (const std::exception&) {
        saved = false;
    }
    modified_ = false;
    return saved;
}

bool TMyIniFile::SectionExists(std::wstring_view section) const { return FindSection(section) >= 0; }

void TMyIniFile::ReadSections(TMyWStrings& list) const {
    list.BeginUpdate();
    list.Clear();
    for (const auto& entry : index_) list.Add(entry.name);
    list.EndUpdate();
}

void TMyIniFile::ReadSection(std::wstring_view section, TMyWStrings& list) const {
    std::vector<std::wstring> names;
    for (const auto& line : NormalRead(section)) names.push_back(NameOfLine(line));
    FillList(list, names);
}

void TMyIniFile::EraseSection(std::wstring_view section) {
    const int entry = FindSection(section);
    if (entry < 0) return;
    modified_ = true;
    RemoveSectionLines(entry);
    RebuildIndex();
    if (IsCurrent(section)) {
        hasCurrent_ = false;
        currentName_.clear();
        current_.Clear();
        dirty_ = false;
    }
}

void TMyIniFile::ReadSectionValues(std::wstring_view section, TMyWStrings& list) const {
    FillList(list, NormalRead(section));
}

void TMyIniFile::WriteSectionValues(std::wstring_view section, const TMyWStrings& list) {
    WriteSection(section, LinesOf(list), false);
}

void TMyIniFile::ReadSectionRaw(std::wstring_view section, TMyWStrings& list) const {
    FillList(list, SectionLines(section));
}

void TMyIniFile::WriteSectionRaw(std::wstring_view section, const TMyWStrings& list) {
    std::vector<std::wstring> lines = LinesOf(list);  // before flushing: it may be current_
    Flush();
    WriteSection(section, std::move(lines), true);
}

std::wstring TMyIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                    const std::wstring& defaultValue) {
    Select(section);
    const int i = current_.IndexOfName(Trim(key));
    if (i < 0) return defaultValue;
    std::wstring value = ValueOfLine(current_.At(i));
    return value.empty() ? defaultValue : value;
}

void TMyIniFile::WriteString(std::wstring_view section, std::wstring_view key,
                             std::wstring_view value) {
    if (Trim(section).empty()) return;  // could never be written as a header
    modified_ = true;
    Select(section);
    dirty_ = true;
    const std::wstring_view name = Trim(key);
    const std::wstring line = std::wstring(name) + L"=" + std::wstring(value);
    const int i = current_.IndexOfName(name);
    if (i >= 0) {
        current_.Put(i, line);
    } else {
        current_.Add(line);
    }
}

std::int32_t TMyIniFile::ReadInteger(std::wstring_view section, std::wstring_view key,
                                     std::int32_t defaultValue) {
    const std::wstring text = ReadString(section, key, std::to_wstring(defaultValue));
    return ReadIniIntegerText(text, defaultValue);
}

void TMyIniFile::WriteInteger(std::wstring_view section, std::wstring_view key, std::int32_t value) {
    WriteString(section, key, std::to_wstring(value));
}

bool TMyIniFile::ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TMyIniFile::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
    WriteString(section, key, value ? L"1" : L"0");
}

double TMyIniFile::ReadFloat(std::wstring_view section, std::wstring_view key, double defaultValue) {
    const std::wstring text = ReadString(section, key, std::wstring());
    if (text.empty()) return defaultValue;
    return ParseLocaleFloat(text).value_or(0.0);
}

void TMyIniFile::WriteFloat(std::wstring_view section, std::wstring_view key, double value) {
    WriteString(section, key, FormatLocaleFloat(value));
}

}  // namespace tessera
