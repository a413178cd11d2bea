#pragma once
// Key names as the platform layer names them ("Return", "Right", "A", "F1"),
// for input scripts and recordings.

#include <cstdint>
#include <string>
#include <string_view>

// The virtual-key code of a key name (case ignored); 0 when no key has it.
uint32_t VirtualKeyFromName(std::string_view name);
// The name of a virtual-key code; "" when none.
std::string NameOfVirtualKey(uint32_t virtualKey);
