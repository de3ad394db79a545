#include "support/layouts.h"

#include <cstdlib>
#include <stdexcept>

namespace tessera::testing {
namespace {

const std::vector<DisplayLayout>& AllLayouts() {
    static const std::vector<DisplayLayout> layouts = {
        {"single", {{0, 0, 1920, 1080}}},
        {"left", {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}},
        {"above", {{0, 0, 1024, 768}, {0, -768, 1024, 0}}},
        {"above-shifted", {{0, 0, 1920, 1080}, {-500, -1080, 1420, 0}}},
        {"three", {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}, {0, -768, 1024, 0}}},
    };
    return layouts;
}

}  // namespace

const DisplayLayout* FindLayout(const std::string& name) {
    for (const auto& layout : AllLayouts()) {
        if (layout.name == name) return &layout;
    }
    return nullptr;
}

const DisplayLayout& CurrentLayout() {
    const char* name = std::getenv("TESSERA_LAYOUT");
    const DisplayLayout* layout = FindLayout(name && *name ? name : "single");
    if (!layout) throw std::runtime_error("unknown TESSERA_LAYOUT");
    return *layout;
}

}  // namespace tessera::testing
