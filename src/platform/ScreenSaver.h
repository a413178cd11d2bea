#pragma once
// The desktop's screen saver (and display power saving): allowed, or held off.

void AllowScreenSaver(bool allowed);
