#include "win/color_dialog.h"

#include "win/bitmap.h"
#include "win/dialog_seam.h"
#include "win/prompts.h"

namespace tessera::win {

TMyColorDialog::TMyColorDialog() {
    customColors.fill(RGB(255, 255, 255));
}

bool TMyColorDialog::Execute(HWND owner) {
    CHOOSECOLORW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = owner ? owner : ApplicationWindow();
    record.rgbResult = ResolveColor(color);
    record.lpCustColors = customColors.data();
    record.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!CurrentDialogRunner().RunColor(record)) return false;
    color = record.rgbResult & 0xFFFFFF;
    return true;
}

}  // namespace tessera::win
