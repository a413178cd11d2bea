#pragma once
// The pictures of the cursor that the graphics service draws itself when
// custom cursors are on: an arrow, and an I-beam over text.

#include "media/Graphics.h"

class CursorArt {
public:
    // Hot spot at (x, y) in logical pixels.
    static void Draw(CursorKind kind, float x, float y);
};
