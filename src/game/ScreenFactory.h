#pragma once
// Makes the screen of a slot.

#include "game/ScreenKind.h"

class Gadget;
class PlimbZappetsApp;

// The new screen; the caller adds it to the gadget tree, which owns it.
Gadget* CreateScreen(PlimbZappetsApp& app, ScreenKind kind);
