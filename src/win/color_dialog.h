#pragma once
// The colour dialog of the colour lists: starts at the current colour and keeps the
// sixteen custom colours between showings.
#include <windows.h>

#include <array>

#include "core/color.h"

namespace tessera::win {

class TMyColorDialog {
public:
    TMyColorDialog();
    // On OK Color is the chosen RGB value. A system-colour reference starts as its
    // current value.
    bool Execute(HWND owner = nullptr);

    Color color = 0;
    std::array<COLORREF, 16> customColors{};
};

}  // namespace tessera::win
