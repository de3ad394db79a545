#pragma once
// The program-wide objects: the command line (parsed before any window exists) and the
// references to the two pages, which the pages use to reach each other's operations.
#include <string>

#include "core/param.h"

namespace tessera::app {

class TApp_TOOLWallpaperCreate;
class TApp_TOOLWallpaperSet;

const TMyParam& ProgramParam();
void SetProgramParam(TMyParam param);
// The command line of this process, split and parsed.
TMyParam ParseProcessCommandLine();

// Set by the main window while the pages exist; null otherwise.
TApp_TOOLWallpaperCreate* App_TOOLWallpaperCreate();
TApp_TOOLWallpaperSet* App_TOOLWallpaperSet();
void SetPageReferences(TApp_TOOLWallpaperCreate* create, TApp_TOOLWallpaperSet* set);

}  // namespace tessera::app
