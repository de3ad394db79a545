#pragma once
// The command line of tessera-cli: values (colours, styles, positions, monitor numbers)
// and the requests of the commands. Bad input throws CliError with the usage exit code.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"
#include "core/geometry.h"
#include "core/placement.h"

namespace tessera::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,  // an image could not be read or written, or the system refused
    kExitUsage = 2,   // the command line is wrong
    kExitError = 3,   // anything unexpected (registry, memory)
};

// A message for the user and the exit code that goes with it.
class CliError : public std::runtime_error {
  public:
    CliError(std::wstring message, int exitCode)
        : std::runtime_error("tessera-cli"), message_(std::move(message)), exitCode_(exitCode) {}
    const std::wstring& Message() const { return message_; }
    int ExitCode() const { return exitCode_; }

  private:
    std::wstring message_;
    int exitCode_;
};

// "#RRGGBB", "R,G,B" (0..255 each) or "desktop" (the desktop background colour).
std::optional<Color> ParseColor(std::wstring_view text);
// A number 0..5 or center, tile, stretch, fit, fill, span.
std::optional<DisplayStyle> ParseStyle(std::wstring_view text);
// A number 0..10 or default, center, left, right, top, bottom, top-left, bottom-left,
// top-right, bottom-right, offset.
std::optional<ImagePosition> ParsePosition(std::wstring_view text);
// "default", "each" or a monitor number from 1 (given back as an index from 0).
std::optional<TileOrigin> ParseTileOrigin(std::wstring_view text);
// "X,Y".
std::optional<Point> ParsePoint(std::wstring_view text);
// "all" (empty list) or monitor numbers from 1 separated by commas (indices from 0).
std::optional<std::vector<int>> ParseMonitorList(std::wstring_view text);

// One picture and where and how it goes onto the wallpaper image.
struct Picture {
    std::wstring path;
    WallpaperParams params;
    std::vector<int> monitors;  // indices; empty: every monitor
};

struct ComposeRequest {
    std::vector<Picture> pictures;
    std::wstring output;     // the composed wallpaper image
    std::wstring fileImage;  // the image laid out for the system's tiling
    std::wstring setPath;    // saved as 24-bit BMP and set as the wallpaper
    std::wstring anchor;     // "primary", "desktop" or "auto"
};

struct SetRequest {
    std::wstring path;
    DisplayStyle style = DisplayStyle::Tile;
    Color color = kDesktopBackgroundRef;
    Point origin;
};

// The arguments after the command name.
ComposeRequest ParseCompose(const std::vector<std::wstring>& args);
SetRequest ParseSet(const std::vector<std::wstring>& args);

}  // namespace tessera::cli
