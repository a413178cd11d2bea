#pragma once
// Plain text on the system clipboard.

#include <cstdint>

#include "core/String.h"

// The clipboard's text, cut to at most `maxBytes` bytes; empty when there is
// none or no display is open.
String ReadClipboardText(int32_t maxBytes);
// Puts `text` on the clipboard; false when no display is open.
bool WriteClipboardText(const String& text);
