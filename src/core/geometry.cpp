#include "core/geometry.h"

#include "core/checked.h"

namespace tessera {

void ThrowOverflow(const char* what) { throw std::overflow_error(what); }

std::int32_t Rect::Width() const { return CheckedSub(right, left); }
std::int32_t Rect::Height() const { return CheckedSub(bottom, top); }

Rect Rect::Offset(std::int32_t dx, std::int32_t dy) const {
    return {CheckedAdd(left, dx), CheckedAdd(top, dy), CheckedAdd(right, dx),
            CheckedAdd(bottom, dy)};
}

}  // namespace tessera
