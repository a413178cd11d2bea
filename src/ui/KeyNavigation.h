#pragma once
// Playing the screens without a pointer: a highlight moves among the controls
// of whatever screen or dialog lies on top, and is pressed as a click would
// press it. The highlight is the hover itself, so every control shows it with
// the picture it shows under the pointer, and the pointer takes it back the
// moment it moves.
//
// A control is any labelled gadget that is shown and enabled, holds no
// labelled gadgets itself, and where a click at its middle would land on it
// (nothing lies over it).

#include <cstdint>
#include <vector>

#include "ui/GadgetHost.h"

enum class NavigationMove : int32_t { Next, Previous, Left, Right, Up, Down, Press, Back, PressOrBack };

namespace KeyNavigation {
// The controls reachable now, in reading order (top to bottom, then left to right).
std::vector<Gadget*> Controls(const GadgetHost& host);
// The gadget a left click at (x, y) in screen coordinates would reach; null for none.
Gadget* GadgetUnder(const GadgetHost& host, float x, float y);
// Whether a click at the gadget's middle reaches it or one of its children.
bool IsUncovered(const GadgetHost& host, const Gadget& gadget);
// The highlighted control, null when the hover is on none.
Gadget* Highlighted(const GadgetHost& host);
// Answers whether the move found anything to act on.
bool Move(GadgetHost& host, NavigationMove move);
// The navigation move of a key or pad button; false for those that make none.
bool MoveOfKey(uint32_t key, bool shift, NavigationMove& move);
bool MoveOfPadButton(PadButton button, NavigationMove& move);
}  // namespace KeyNavigation
