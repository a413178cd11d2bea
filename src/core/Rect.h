#pragma once
// Axis-aligned rectangle in logical pixels (y downwards).

struct Rect {
    float x = 0, y = 0, width = 0, height = 0;

    bool Contains(float px, float py) const { return px >= x && py >= y && px < x + width && py < y + height; }
    float Right() const { return x + width; }
    float Bottom() const { return y + height; }
    // The overlap of two rectangles; width or height 0 when they do not meet.
    Rect Intersect(const Rect& other) const;
};
