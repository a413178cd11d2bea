#pragma once
#include <string>

#include "common/Pixmap.h"

// Renders an SVG file at its own width and height (in pixels). A malformed
// file stops the tool with librsvg's message, which names the line.
Pixmap RenderSvg(const std::string& path);
