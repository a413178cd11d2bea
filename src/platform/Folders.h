#pragma once
// Folders and files on the user's machine. Paths use '/' and folder paths end
// with '/'.

#include "core/String.h"

// The relative folder used when no per-user folder can be made.
constexpr const char* kFallbackDataFolder = "My Game Information/";

// Creates every directory along `folder` (each prefix ending at '/').
// Failures are ignored: the caller checks IsWritableFolder when it matters.
void CreateFolders(const String& folder);
bool IsWritableFolder(const String& folder);
bool FileExists(const String& path);
// Deletes `folder` with everything inside it; symbolic links are removed,
// never followed.
void DeleteFolderTree(const String& folder);

// The per-user data folder for `appName`: `overrideFolder` when given, else
// $XDG_DATA_HOME/appName, else ~/.local/share/appName. Creates it. When it
// cannot be created or written, answers kFallbackDataFolder (created too).
String ChooseDataFolder(const String& appName, const String& overrideFolder);

// The folder holding the running executable; empty when unknown.
String ExecutableFolder();
