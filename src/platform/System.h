#pragma once
// Small services of the operating system.

#include <cstdint>

#include "core/String.h"

// Opens `url` in the user's browser; false when that failed.
bool OpenUrl(const String& url);
// "Linux 6.1.0-18-amd64 x86_64 (Debian GNU/Linux 12)" and the like.
String OperatingSystemDescription();
// "SDL 2.26.5 (x11)": the media library and video driver in use.
String MediaLibraryDescription();
// Best effort: the calling thread gets a higher (or its normal) priority.
void RaiseThreadPriority(bool raised);
// Milliseconds since the machine started: the seed source at start-up.
uint32_t MillisecondsSinceBoot();
// Hands memory freed inside the process back to the system (loading leaves
// much of it behind in the allocator's pools).
void ReleaseFreedMemory();
// From now on every large block (a picture's pixels) gets a mapping of its
// own, handed back the moment it is freed; by default the allocator soon
// keeps such blocks in pools that it seldom gives back.
void MapLargeBlocksApart();
// Releases what the media library still holds; the last call of the process.
void ShutdownPlatform();
