#pragma once
#include <string>

#include "common/Pixmap.h"

// Renders an SVG file at its own width and height (in pixels), or scaled to
// `width` pixels across with the height in proportion (icons drawn once and
// shipped at several sizes). A malformed file stops the tool with librsvg's
// message, which names the line.
Pixmap RenderSvg(const std::string& path, int width = 0);
