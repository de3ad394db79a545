#include "core/param.h"

#include <utility>

namespace tessera {
namespace {

// "/opt:" followed by a token becomes the single token "/opt:token".
std::vector<std::wstring> JoinOptionValues(std::vector<std::wstring> tokens) {
    std::vector<std::wstring> joined;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        std::wstring token = std::move(tokens[i]);
        const bool takesValue = !token.empty() && token.front() == L'/' && token.back() == L':';
        if (takesValue && i + 1 < tokens.size()) token += tokens[++i];
        joined.push_back(std::move(token));
    }
    return joined;
}

TMyParamOption Classify(int index, const std::wstring& token) {
    TMyParamOption option;
    option.index = index;
    option.isOption = token.size() >= 2 && token.front() == L'/';
    if (!option.isOption) return option;
    const std::size_t colon = token.find(L':', 1);
    option.name = token.substr(1, colon == std::wstring::npos ? std::wstring::npos : colon - 1);
    if (colon != std::wstring::npos) option.value = token.substr(colon + 1);
    return option;
}

}  // namespace

TMyParam::TMyParam(std::vector<std::wstring> tokens)
    : tokens_(JoinOptionValues(std::move(tokens))) {
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        options_.push_back(Classify(static_cast<int>(i), tokens_[i]));
        if (!options_.back().isOption) nonOptions_.push_back(tokens_[i]);
    }
}

}  // namespace tessera
