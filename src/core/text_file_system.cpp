#include "core/text_file_system.h"

#include <utility>

namespace tessera {
namespace {

class NoFileSystem final : public TextFileSystem {
public:
    bool IsFile(const std::wstring&) const override { return false; }
    std::wstring ReadText(const std::wstring&, TextEncoding&) override { return {}; }
    bool WriteText(const std::wstring&, std::wstring_view, TextEncoding) override { return false; }
};

NoFileSystem gNoFileSystem;
TextFileSystem* gFileSystem = &gNoFileSystem;

std::wstring& IniFileName() {
    static std::wstring name;
    return name;
}

}  // namespace

TextFileSystem& CurrentTextFileSystem() { return *gFileSystem; }

TextFileSystem* SetTextFileSystem(TextFileSystem* fileSystem) {
    TextFileSystem* previous = gFileSystem == &gNoFileSystem ? nullptr : gFileSystem;
    gFileSystem = fileSystem ? fileSystem : &gNoFileSystem;
    return previous;
}

std::wstring DefaultIniFileName() { return IniFileName(); }

void SetDefaultIniFileName(std::wstring path) { IniFileName() = std::move(path); }

}  // namespace tessera
