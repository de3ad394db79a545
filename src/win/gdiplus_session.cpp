#include "win/gdiplus_session.h"

#include <objidl.h>
// Before gdiplus.h: WIN32_LEAN_AND_MEAN leaves out the COM types it needs.
#include <gdiplus.h>

namespace tessera::win {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
}

GdiplusSession::~GdiplusSession() {
    if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
}

bool EnsureGdiplus() {
    static GdiplusSession session;
    return session.Started();
}

}  // namespace tessera::win
