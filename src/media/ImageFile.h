#pragma once
// The file side of Image::Load: which file kinds are tried in which order, the
// ".shortcut" redirection and the "_alpha" companions. Each decoder gets the
// whole file in memory.

#include "core/String.h"

class Image;

class ImageFile {
public:
    enum class Source { None, Cache, Gif, Jpeg, Png, Shortcut };

    // Decodes the first of "name.cached", ".gif", ".jpg", ".png" that gives
    // pixels; answers Shortcut (image untouched) when none did but a
    // "name.shortcut" exists.
    static Source Read(const String& name, Image& image);
    // The name a ".shortcut" file redirects `name` to, "" when unreadable.
    static String ShortcutTarget(const String& name);
    // Image::Load of `target` without a mask; a chain of redirections longer
    // than a few steps (a shortcut pointing at itself) yields an empty image.
    static bool LoadRedirected(const String& target, Image& image);
    // Decodes the first of "name_alpha.png", ".gif", ".jpg" that exists.
    static bool ReadAlphaCompanion(const String& name, Image& image);
    // Decodes a file by its kind (extension); false leaves the image empty.
    static bool Decode(const String& path, Source kind, Image& image);
};
