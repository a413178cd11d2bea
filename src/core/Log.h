#pragma once
// The diagnostic log "DEBUG.TXT". The first line of a session truncates the
// file and writes the session banner; each line is appended with CR LF and the
// file closed again, so nothing is lost when the program dies. Safe to call
// from any thread.

#include "core/String.h"

namespace Log {
// Where the log goes (a full file path). Until it is set, lines are kept back
// and written when it is.
void SetPath(const String& path);
// printf-style; one line, at most 2048 bytes.
void Line(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Writes the closing banner if the session wrote anything.
void End();
}  // namespace Log
