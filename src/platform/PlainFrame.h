#pragma once
// A cleared frame for the window, for as long as no graphics service draws
// into it: makes a renderer for the window on first use (software when
// headless), clears it to black and presents it.

#include "platform/Window.h"

void PresentPlainFrame(const Window& window);
