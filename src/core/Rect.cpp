#include "core/Rect.h"

#include <algorithm>

Rect Rect::Intersect(const Rect& other) const {
    float left = std::max(x, other.x);
    float top = std::max(y, other.y);
    float right = std::min(Right(), other.Right());
    float bottom = std::min(Bottom(), other.Bottom());
    return Rect{left, top, std::max(0.0f, right - left), std::max(0.0f, bottom - top)};
}
