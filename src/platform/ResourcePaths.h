#pragma once
// Finds game data files by resource name. Names use "\\" or "/" and any
// capitalisation ("Graphics\\TempleScreen\\Background.png"); they resolve under
// the game data root by a case-insensitive match of every path component.
// The tree is indexed once when the root is set, so a lookup never scans a
// folder. Absolute names ("/tmp/x/a.png") are taken as they are.
// Safe to call from any thread.

#include "core/String.h"

class ResourcePaths {
public:
    // Sets the data root and indexes every file below it (replacing any index).
    static void SetDataRoot(const String& root);
    static String DataRoot();
    // Full path of the file named `name` (with its extension), or "" when no
    // such file exists.
    static String Find(const String& name);
    static bool Exists(const String& name) { return !Find(name).IsEmpty(); }
    // The name with "/" separators, "." components dropped and ".." applied
    // (never climbing above the start); lower case when `lower` is set.
    static String Normalise(const String& name, bool lower);
};
