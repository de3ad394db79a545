#pragma once
// The program's command line: tokens, options ("/name:value") and the other tokens, which
// name files. Parsed once, before any window exists.
#include <string>
#include <vector>

namespace tessera {

struct TMyParamOption {
    int index = 0;          // position among the tokens
    bool isOption = false;  // at least two characters, beginning with "/"
    std::wstring name;      // between "/" and the first ":"
    std::wstring value;     // after that ":"
};

class TMyParam {
public:
    TMyParam() = default;
    // tokens: the split command line; the first is the program's path.
    explicit TMyParam(std::vector<std::wstring> tokens);

    const std::vector<std::wstring>& Tokens() const { return tokens_; }
    const std::vector<TMyParamOption>& Options() const { return options_; }
    const std::vector<std::wstring>& NonOptions() const { return nonOptions_; }
    int ArgumentCount() const { return static_cast<int>(tokens_.size()) - 1; }

private:
    std::vector<std::wstring> tokens_;
    std::vector<TMyParamOption> options_;
    std::vector<std::wstring> nonOptions_;
};

}  // namespace tessera
