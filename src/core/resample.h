#pragma once
// Smooth stretching of 24-bit pixels: area averaging where an axis shrinks, bilinear
// interpolation where it grows. The geometry is that of a stretching blit: the whole
// source is mapped onto the target rectangle, which may lie partly or wholly outside the
// destination, and only the pixels inside the clip rectangle and the destination change.
#include "core/geometry.h"
#include "core/pixels.h"

namespace tessera {

// Draws the whole `source` stretched onto `target` (destination coordinates) in `dest`.
// A target with a width or height below 1, or an empty source, draws nothing.
void StretchSmooth(const Bgr24View& dest, const Rect& target, const Bgr24View& source,
                   const Rect& clip);
void StretchSmooth(const Bgr24View& dest, const Rect& target, const Bgr24View& source);

// The pixels of `dest` that a stretch onto `target` clipped to `clip` writes (empty when
// none): target, clip and the destination's bounds intersected.
Rect StretchCoverage(const Bgr24View& dest, const Rect& target, const Rect& clip);

}  // namespace tessera
