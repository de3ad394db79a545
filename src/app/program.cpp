#include "app/program.h"

#include <windows.h>

#include "core/command_line.h"

namespace tessera::app {
namespace {

TMyParam& ParamSlot() {
    static TMyParam param;
    return param;
}

TApp_TOOLWallpaperCreate* createPage = nullptr;
TApp_TOOLWallpaperSet* setPage = nullptr;

}  // namespace

const TMyParam& ProgramParam() {
    return ParamSlot();
}
void SetProgramParam(TMyParam param) {
    ParamSlot() = std::move(param);
}
TMyParam ParseProcessCommandLine() {
    return TMyParam(SplitCommandLine(GetCommandLineW()));
}

TApp_TOOLWallpaperCreate* App_TOOLWallpaperCreate() {
    return createPage;
}
TApp_TOOLWallpaperSet* App_TOOLWallpaperSet() {
    return setPage;
}

void SetPageReferences(TApp_TOOLWallpaperCreate* create, TApp_TOOLWallpaperSet* set) {
    createPage = create;
    setPage = set;
}

}  // namespace tessera::app
