#pragma once
// The virtual display layouts that test.sh starts, as Windows reports them: the monitor
// rectangles in enumeration order (the primary first). TESSERA_LAYOUT names the current one.
#include <string>
#include <vector>

#include "core/geometry.h"

namespace tessera::testing {

struct DisplayLayout {
    std::string name;
    std::vector<Rect> monitors;
};

// The layout the current test process runs on ("single" when TESSERA_LAYOUT is unset).
const DisplayLayout& CurrentLayout();
const DisplayLayout* FindLayout(const std::string& name);

}  // namespace tessera::testing
