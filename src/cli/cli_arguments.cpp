#include "cli/cli_arguments.h"

#include <array>
#include <cwctype>
#include <functional>
#include <limits>
#include <map>

#include "core/codecs/image_format.h"
#include "core/tile_anchor.h"

namespace tessera::cli {
namespace {

std::wstring Lower(std::wstring_view text) {
    std::wstring lower;
    for (wchar_t c : text)
        lower.push_back(c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c);
    return lower;
}

// A decimal integer (optional minus sign) in int32.
std::optional<std::int32_t> ParseInteger(std::wstring_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) {
        negative = text[0] == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::vector<std::wstring_view> Split(std::wstring_view text, wchar_t separator) {
    std::vector<std::wstring_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::wstring_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

std::optional<int> HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return std::nullopt;
}

// A name from the list or its index as a number.
template <std::size_t N>
std::optional<int> ParseChoice(std::wstring_view text, const std::array<const wchar_t*, N>& names) {
    const std::wstring lower = Lower(text);
    for (std::size_t i = 0; i < N; ++i) {
        if (lower == names[i]) return static_cast<int>(i);
    }
    const auto number = ParseInteger(text);
    if (number && *number >= 0 && static_cast<std::size_t>(*number) < N) return *number;
    return std::nullopt;
}

[[noreturn]] void UsageError(const std::wstring& message) {
    throw CliError(message + L"\n詳しくは tessera-cli help を参照してください。", kExitUsage);
}

[[noreturn]] void BadValue(const std::wstring& option, const std::wstring& value,
                           const std::wstring& expected) {
    UsageError(L"--" + option + L" の値が正しくありません: \"" + value + L"\"\n" + expected);
}

using OptionHandler = std::function<void(const std::wstring& value)>;

// Options ("--name value" or "--name=value") go to their handlers, everything else (and
// everything after "--") to `positional`.
void ReadArguments(const std::vector<std::wstring>& args,
                   const std::map<std::wstring, OptionHandler>& options,
                   const std::function<void(const std::wstring&)>& positional) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != L'-') {
            positional(arg);
            continue;
        }
        if (arg == L"--") {
            optionsEnded = true;
            continue;
        }
        const std::wstring body = arg.substr(arg.starts_with(L"--") ? 2 : 1);
        const auto equals = body.find(L'=');
        const std::wstring name = body.substr(0, equals);
        const auto handler = options.find(name);
        if (handler == options.end()) UsageError(L"不明なオプションです: " + arg);
        if (equals != std::wstring::npos) {
            handler->second(body.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            handler->second(args[++i]);
        } else {
            UsageError(L"オプション --" + name + L" に値がありません");
        }
    }
}

template <typename T>
T Require(std::optional<T> value, const std::wstring& option, const std::wstring& text,
          const std::wstring& expected) {
    if (!value) BadValue(option, text, expected);
    return *value;
}

const wchar_t kColorHelp[] = L"色は #RRGGBB、R,G,B (各 0〜255) または desktop で指定します。";
const wchar_t kStyleHelp[] =
    L"表示スタイルは 0〜5 または center, tile, stretch, fit, fill, span です。";
const wchar_t kPointHelp[] = L"X,Y の形の整数で指定します (例: -30,15)。";

void CheckOutputName(const std::wstring& option, const std::wstring& path) {
    const auto format = codecs::FormatOfPath(path);
    if (format != codecs::ImageFormat::Bmp && format != codecs::ImageFormat::Jpeg &&
        format != codecs::ImageFormat::Gif) {
        BadValue(option, path, L"書き出せるのは .bmp、.jpg、.jpeg、.gif のファイルです。");
    }
}

}  // namespace

std::optional<Color> ParseColor(std::wstring_view text) {
    if (Lower(text) == L"desktop") return kDesktopBackgroundRef;
    if (text.size() == 7 && text[0] == L'#') {
        Color rgb = 0;
        for (std::size_t i = 1; i < 7; ++i) {
            const auto digit = HexDigit(text[i]);
            if (!digit) return std::nullopt;
            rgb = rgb << 4 | static_cast<Color>(*digit);
        }
        return MakeRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    const auto parts = Split(text, L',');
    if (parts.size() != 3) return std::nullopt;
    std::uint8_t channels[3];
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = ParseInteger(parts[i]);
        if (!value || *value < 0 || *value > 255 || parts[i][0] == L'-') return std::nullopt;
        channels[i] = static_cast<std::uint8_t>(*value);
    }
    return MakeRgb(channels[0], channels[1], channels[2]);
}

std::optional<DisplayStyle> ParseStyle(std::wstring_view text) {
    static constexpr std::array<const wchar_t*, 6> kNames = {L"center", L"tile", L"stretch",
                                                             L"fit",    L"fill", L"span"};
    const auto index = ParseChoice(text, kNames);
    if (!index) return std::nullopt;
    return static_cast<DisplayStyle>(*index);
}

std::optional<ImagePosition> ParsePosition(std::wstring_view text) {
    static constexpr std::array<const wchar_t*, 11> kNames = {
        L"default",  L"center",      L"left",      L"right",        L"top",   L"bottom",
        L"top-left", L"bottom-left", L"top-right", L"bottom-right", L"offset"};
    const auto index = ParseChoice(text, kNames);
    if (!index) return std::nullopt;
    return static_cast<ImagePosition>(*index);
}

std::optional<TileOrigin> ParseTileOrigin(std::wstring_view text) {
    const std::wstring lower = Lower(text);
    if (lower == L"default") return kTileOriginDefault;
    if (lower == L"each") return kTileOriginEachMonitor;
    const auto number = ParseInteger(text);
    if (!number || *number < 1) return std::nullopt;
    return *number - 1;
}

std::optional<Point> ParsePoint(std::wstring_view text) {
    const auto parts = Split(text, L',');
    if (parts.size() != 2) return std::nullopt;
    const auto x = ParseInteger(parts[0]);
    const auto y = ParseInteger(parts[1]);
    if (!x || !y) return std::nullopt;
    return Point{*x, *y};
}

std::optional<std::vector<int>> ParseMonitorList(std::wstring_view text) {
    if (Lower(text) == L"all") return std::vector<int>{};
    std::vector<int> indices;
    for (std::wstring_view part : Split(text, L',')) {
        const auto number = ParseInteger(part);
        if (!number || *number < 1) return std::nullopt;
        indices.push_back(*number - 1);
    }
    return indices;
}

namespace {

// Options that shape the pictures named after them.
std::map<std::wstring, OptionHandler> PictureOptions(Picture& next) {
    WallpaperParams& params = next.params;
    return {
        {L"style",
         [&](const std::wstring& v) {
             params.Style = Require(ParseStyle(v), L"style", v, kStyleHelp);
         }},
        {L"position",
         [&](const std::wstring& v) {
             params.Position =
                 Require(ParsePosition(v), L"position", v,
                         L"位置は 0〜10 または default, center, left, right, top, bottom, "
                         L"top-left, bottom-left, top-right, bottom-right, offset です。");
         }},
        {L"origin",
         [&](const std::wstring& v) {
             params.Origin =
                 Require(ParseTileOrigin(v), L"origin", v,
                         L"並べて表示の基準は default、each またはモニター番号 (1 から) です。");
         }},
        {L"offset",
         [&](const std::wstring& v) {
             const Point offset = Require(ParsePoint(v), L"offset", v, kPointHelp);
             params.OffsetX = offset.x;
             params.OffsetY = offset.y;
         }},
        {L"background",
         [&](const std::wstring& v) {
             params.BackgroundColor = Require(ParseColor(v), L"background", v, kColorHelp);
         }},
        {L"outside",
         [&](const std::wstring& v) {
             params.OutsideColor = Require(ParseColor(v), L"outside", v, kColorHelp);
         }},
        {L"monitor",
         [&](const std::wstring& v) {
             next.monitors =
                 Require(ParseMonitorList(v), L"monitor", v,
                         L"モニターは番号 (1 から) をコンマで区切るか all で指定します。");
         }},
    };
}

// Options that say what becomes of the composed wallpaper.
std::map<std::wstring, OptionHandler> OutputOptions(ComposeRequest& request) {
    return {
        {L"output",
         [&](const std::wstring& v) {
             CheckOutputName(L"output", v);
             request.output = v;
         }},
        {L"file-image",
         [&](const std::wstring& v) {
             CheckOutputName(L"file-image", v);
             request.fileImage = v;
         }},
        {L"set", [&](const std::wstring& v) { request.setPath = v; }},
        {L"anchor",
         [&](const std::wstring& v) {
             if (Lower(v) != L"auto" && !ParseTileAnchor(v)) {
                 BadValue(L"anchor", v, L"基点は primary、desktop または auto です。");
             }
             request.anchor = v;
         }},
    };
}

}  // namespace

// Picture options apply to every picture named after them, until they are given again.
ComposeRequest ParseCompose(const std::vector<std::wstring>& args) {
    ComposeRequest request;
    request.anchor = L"auto";
    Picture next;
    next.params.BackgroundColor = kDesktopBackgroundRef;
    next.params.OutsideColor = kWhite;
    auto options = PictureOptions(next);
    options.merge(OutputOptions(request));
    ReadArguments(args, options, [&](const std::wstring& path) {
        next.path = path;
        request.pictures.push_back(next);
    });
    if (request.pictures.empty()) UsageError(L"画像ファイルを指定してください。");
    if (request.output.empty() && request.fileImage.empty() && request.setPath.empty()) {
        UsageError(L"出力先 (--output、--file-image、--set のどれか) を指定してください。");
    }
    return request;
}

SetRequest ParseSet(const std::vector<std::wstring>& args) {
    SetRequest request;
    const std::map<std::wstring, OptionHandler> options = {
        {L"style",
         [&](const std::wstring& v) {
             request.style = Require(ParseStyle(v), L"style", v, kStyleHelp);
         }},
        {L"background",
         [&](const std::wstring& v) {
             request.color = Require(ParseColor(v), L"background", v, kColorHelp);
         }},
        {L"wallpaper-origin",
         [&](const std::wstring& v) {
             request.origin = Require(ParsePoint(v), L"wallpaper-origin", v, kPointHelp);
         }},
    };
    std::vector<std::wstring> paths;
    ReadArguments(args, options, [&](const std::wstring& path) { paths.push_back(path); });
    if (paths.size() != 1) UsageError(L"壁紙にするファイルを 1 つ指定してください。");
    request.path = paths.front();
    return request;
}

}  // namespace tessera::cli
