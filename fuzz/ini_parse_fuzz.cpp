// Arbitrary text as a settings file: the section index, normal and raw reads, writes
// that move sections, and the lenient number readers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "core/ini_file.h"
#include "core/ini_number.h"
#include "core/text_encoding.h"
#include "core/text_file_system.h"
#include "fuzz_support.h"

namespace {

using tessera::fuzz::Check;

using namespace tessera;

class MemoryFiles final : public TextFileSystem {
public:
    bool IsFile(const std::wstring& path) const override { return files.count(path) != 0; }
    std::wstring ReadText(const std::wstring& path, TextEncoding&) override { return files[path]; }
    bool WriteText(const std::wstring& path, std::wstring_view text, TextEncoding) override {
        files[path] = std::wstring(text);
        return true;
    }
    std::map<std::wstring, std::wstring> files;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFiles files;
    SetTextFileSystem(&files);
    const std::wstring path = L"fuzz.ini";
    files.files[path] = DecodeUtf8(ByteView(data, size));
    TMyWStrings sections, values;
    {
        TMyIniFile ini(path, teAuto);
        ini.ReadSections(sections);
        for (int i = 0; i < sections.Count() && i < 8; ++i) {
            const std::wstring section = sections.Get(i);
            ini.ReadSectionValues(section, values);
            for (int k = 0; k < values.Count() && k < 8; ++k) {
                const std::wstring key = values.NameOf(k);
                static_cast<void>(ini.ReadInteger(section, key, 7));
                static_cast<void>(ini.ReadFloat(section, key, 0.5));
                static_cast<void>(ini.ReadString(section, key, L""));
            }
        }
        if (sections.Count() > 0) {
            ini.EraseSection(sections.Get(sections.Count() - 1));
            ini.WriteString(sections.Get(0), L"fuzz", L"1");
            ini.WriteInteger(L"new", L"n", 5);
        }
    }
    // What was written reads back.
    if (sections.Count() > 0) {
        TMyIniFile ini(path, teAuto);
        Check(ini.ReadInteger(L"new", L"n", 0) == 5);
    }
    SetTextFileSystem(nullptr);
    return 0;
}
