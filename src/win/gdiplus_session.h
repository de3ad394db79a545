#pragma once
// GDI+ for the process: started once, shut down when the process ends.
#include <windows.h>

namespace tessera::win {

// Starts GDI+ for its lifetime.
class GdiplusSession {
  public:
    GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession();
    bool Started() const { return token_ != 0; }

  private:
    ULONG_PTR token_ = 0;
};

// The process-wide session, started on first use; false when GDI+ cannot start.
bool EnsureGdiplus();

}  // namespace tessera::win
