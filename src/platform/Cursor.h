#pragma once
// Mouse cursors: the system's own and ones built from monochrome bitmaps.

#include <cstdint>

struct PlatformCursor;                   // opaque
using CursorHandle = PlatformCursor*;    // null: none

enum class SystemCursorKind { Arrow, Wait, Hand, Text };

// Null when the system has no such cursor (or no display, as when headless).
CursorHandle LoadSystemCursor(SystemCursorKind kind);
// A two-colour cursor from rows of `width` pixels (width a multiple of 8),
// one bit per pixel, most significant bit first: `data` 1 = black, `mask`
// 1 = opaque (data 0 + mask 1 is white). Null when it cannot be made.
CursorHandle CreateBitmapCursor(const uint8_t* data, const uint8_t* mask, int32_t width, int32_t height,
                                int32_t hotX, int32_t hotY);
void FreeCursor(CursorHandle cursor);
// Makes `cursor` the visible cursor; null leaves the current one.
void ShowCursor(CursorHandle cursor);
