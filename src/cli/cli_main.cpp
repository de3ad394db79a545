// tessera-cli: the wallpaper engine for scripts and scheduled tasks.
#include <windows.h>

#include <objbase.h>

#include <exception>
#include <new>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "cli/console_output.h"
#include "win/registry.h"

namespace tessera::cli {
namespace {

std::wstring Widen(const char* text) {
    std::wstring wide;
    for (const char* p = text; *p; ++p) wide.push_back(static_cast<unsigned char>(*p));
    return wide;
}

int Dispatch(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        ShowUsage(true);
        return kExitUsage;
    }
    const std::wstring& command = args.front();
    const std::vector<std::wstring> rest(args.begin() + 1, args.end());
    if (command == L"help" || command == L"--help" || command == L"-h" || command == L"/?") {
        ShowUsage(false);
        return kExitOk;
    }
    if (command == L"version" || command == L"--version") return ShowVersion();
    if (command == L"monitors") {
        if (!rest.empty())
            throw CliError(L"monitors に引数は要りません: " + rest.front(), kExitUsage);
        return ListMonitors();
    }
    if (command == L"compose") return RunCompose(ParseCompose(rest));
    if (command == L"set") return RunSet(ParseSet(rest));
    throw CliError(
        L"不明なコマンドです: " + command + L"\n詳しくは tessera-cli help を参照してください。",
        kExitUsage);
}

// Every failure ends here: one message on the error output and an exit code scripts can test.
int Run(const std::vector<std::wstring>& args) {
    try {
        return Dispatch(args);
    } catch (const CliError& error) {
        WriteError(L"tessera-cli: " + error.Message() + L"\n");
        return error.ExitCode();
    } catch (const win::RegistryError& error) {
        WriteError(L"tessera-cli: レジストリの値を読み書きできませんでした: " +
                   Widen(error.what()) + L"\n");
    } catch (const std::bad_alloc&) {
        WriteError(L"tessera-cli: メモリが足りません\n");
    } catch (const std::exception& error) {
        WriteError(L"tessera-cli: エラーが発生しました: " + Widen(error.what()) + L"\n");
    }
    return kExitError;
}

}  // namespace
}  // namespace tessera::cli

int wmain(int argc, wchar_t** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    const int code = tessera::cli::Run(args);
    CoUninitialize();
    return code;
}
