// Splits arbitrary UTF-16 as a command line and parses the tokens as the program's
// parameters: nothing may crash, the first token must be what FirstCommandLineToken
// gives, no token outside quotes holds a separator, and every parameter token is either
// an option rebuilt exactly from its name and value or one of the non-options, in order.
#include <cstdint>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/param.h"
#include "fuzz_support.h"

using tessera::fuzz::Check;
using tessera::fuzz::Utf16FromBytes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = Utf16FromBytes(data, size);
    const std::vector<std::wstring> tokens = tessera::SplitCommandLine(text);
    Check(tessera::FirstCommandLineToken(text) == (tokens.empty() ? L"" : tokens.front()));
    if (text.find(L'"') == std::wstring::npos) {
        for (const std::wstring& token : tokens) {
            Check(!token.empty() && token.find_first_of(L" \t\r\n") == std::wstring::npos);
        }
    }
    const tessera::TMyParam param(tokens);
    // Joining "/opt:" with its value only ever merges tokens, and every token is either
    // an option, whose name and value are its text, or one of the non-options.
    Check(param.Tokens().size() <= tokens.size());
    Check(param.Options().size() == param.Tokens().size());
    std::size_t nonOptions = 0;
    for (const tessera::TMyParamOption& option : param.Options()) {
        const std::wstring& token = param.Tokens()[static_cast<std::size_t>(option.index)];
        if (!option.isOption) {
            Check(param.NonOptions()[nonOptions++] == token);
            continue;
        }
        const std::wstring rebuilt =
            L"/" + option.name + (token.find(L':', 1) == std::wstring::npos ? L"" : L":") +
            option.value;
        Check(rebuilt == token);
    }
    Check(nonOptions == param.NonOptions().size());
    return 0;
}
