#include "win/program_identity.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "core/command_line.h"
#include "core/file_names.h"
#include "win/handles.h"
#include "win/prompts.h"

namespace tessera::win {
namespace {

using GetModuleFileNameExWFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

// PSAPI is loaded on first use and kept for the life of the process.
GetModuleFileNameExWFunction ModuleFileNameFunction() {
    static const GetModuleFileNameExWFunction function = [] {
        const HMODULE psapi = LoadLibraryW(L"PSAPI.dll");
        if (!psapi) return GetModuleFileNameExWFunction{};
        return reinterpret_cast<GetModuleFileNameExWFunction>(
            reinterpret_cast<void*>(GetProcAddress(psapi, "GetModuleFileNameExW")));
    }();
    return function;
}

DWORD OwnerProcessId() {
    DWORD processId = 0;
    if (const HWND window = ApplicationWindow()) GetWindowThreadProcessId(window, &processId);
    return processId ? processId : GetCurrentProcessId();
}

// The buffer starts at MAX_PATH and grows, so that a long path is never cut off (a cut
// path would name the wrong settings file).
std::wstring MainModulePath() {
    const GetModuleFileNameExWFunction function = ModuleFileNameFunction();
    if (!function) return {};
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, OwnerProcessId()));
    if (!process) return {};
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD length = function(process.get(), nullptr, path.data(), size);
        if (length == 0) return {};
        if (length < size - 1) return path.substr(0, length);
    }
    return {};
}

std::wstring QueryString(const std::vector<BYTE>& block, const std::wstring& subBlock,
                         const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = subBlock + name;
    if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || !value || length == 0)
        return {};
    std::wstring text(static_cast<const wchar_t*>(value), length);
    text.resize(wcsnlen(text.c_str(), text.size()));  // the length may count the NUL
    return text;
}

// "\StringFileInfo\llllcccc\" of the first language and code page listed.
std::wstring StringTableOf(const std::vector<BYTE>& block) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length) ||
        !value || length < 4)
        return {};
    const auto* translation = static_cast<const WORD*>(value);
    wchar_t subBlock[32];
    swprintf(subBlock, 32, L"\\StringFileInfo\\%.4x%.4x\\", translation[0], translation[1]);
    return subBlock;
}

}  // namespace

std::wstring ProgramPath() {
    std::wstring path = MainModulePath();
    if (!path.empty()) return path;
    return FirstCommandLineToken(GetCommandLineW());
}

TMyFileVersionInfo ReadVersionInfo(const std::wstring& path) {
    TMyFileVersionInfo info;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) return info;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return info;
    const std::wstring table = StringTableOf(block);
    if (table.empty()) return info;
    const struct {
        const wchar_t* name;
        std::wstring TMyFileVersionInfo::*field;
    } kFields[] = {
        {L"Comments", &TMyFileVersionInfo::Comments},
        {L"CompanyName", &TMyFileVersionInfo::CompanyName},
        {L"FileDescription", &TMyFileVersionInfo::FileDescription},
        {L"FileVersion", &TMyFileVersionInfo::FileVersion},
        {L"InternalName", &TMyFileVersionInfo::InternalName},
        {L"LegalCopyright", &TMyFileVersionInfo::LegalCopyright},
        {L"LegalTrademarks", &TMyFileVersionInfo::LegalTrademarks},
        {L"OriginalFilename", &TMyFileVersionInfo::OriginalFilename},
        {L"PrivateBuild", &TMyFileVersionInfo::PrivateBuild},
        {L"ProductName", &TMyFileVersionInfo::ProductName},
        {L"ProductVersion", &TMyFileVersionInfo::ProductVersion},
        {L"SpecialBuild", &TMyFileVersionInfo::SpecialBuild},
    };
    for (const auto& field : kFields) info.*field.field = QueryString(block, table, field.name);
    return info;
}

std::wstring ProgramTitle(const std::wstring& path) {
    std::wstring product = ReadVersionInfo(path).ProductName;
    if (!product.empty()) return product;
    return FileNameWithoutExtension(path);
}

std::wstring ProgramTitle() { return ProgramTitle(ProgramPath()); }

}  // namespace tessera::win
