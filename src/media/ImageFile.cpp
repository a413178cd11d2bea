#include "media/ImageFile.h"

#include <algorithm>

#include "core/IOBuffer.h"
#include "media/GifDecoder.h"
#include "media/Image.h"
#include "media/ImageCache.h"
#include "media/JpegDecoder.h"
#include "media/PngDecoder.h"
#include "platform/ResourcePaths.h"

namespace {
// Longest text a redirection file may hold, in bytes.
constexpr int32_t kMaxShortcutBytes = 260;
// Redirections followed for one load before giving up (a file pointing at itself).
constexpr int32_t kMaxRedirections = 8;

thread_local int32_t tRedirections = 0;

struct Candidate {
    const char* suffix;
    ImageFile::Source kind;
};
}  // namespace

bool ImageFile::Decode(const String& path, Source kind, Image& image) {
    IOBuffer file;
    if (!file.LoadFile(path)) return false;
    const uint8_t* bytes = file.Data();
    size_t size = static_cast<size_t>(file.Size());
    switch (kind) {
        case Source::Cache: return ImageCache::Read(bytes, size, image);
        case Source::Gif: return GifDecoder::Decode(bytes, size, image);
        case Source::Jpeg: return JpegDecoder::Decode(bytes, size, image);
        case Source::Png: return PngDecoder::Decode(bytes, size, image);
        default: return false;
    }
}

ImageFile::Source ImageFile::Read(const String& name, Image& image) {
    static constexpr Candidate kOrder[] = {
        {".cached", Source::Cache}, {".gif", Source::Gif}, {".jpg", Source::Jpeg}, {".png", Source::Png}};
    for (const Candidate& candidate : kOrder) {
        String path = ResourcePaths::Find(name + candidate.suffix);
        if (!path.IsEmpty() && Decode(path, candidate.kind, image)) return candidate.kind;
    }
    return ResourcePaths::Exists(name + ".shortcut") ? Source::Shortcut : Source::None;
}

String ImageFile::ShortcutTarget(const String& name) {
    IOBuffer file;
    if (!file.LoadFile(ResourcePaths::Find(name + ".shortcut"))) return String();
    int32_t length = std::min(file.Size(), kMaxShortcutBytes);
    std::string relative;
    for (int32_t i = 0; i < length; ++i) {
        uint8_t byte = file.Data()[i];
        if (byte >= 32 && byte <= 127) relative += static_cast<char>(byte);  // line ends and other noise dropped
    }
    std::string folder = name.str();
    size_t slash = folder.find_last_of("\\/");
    std::string filePart = slash == std::string::npos ? folder : folder.substr(slash + 1);
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash);
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find_first_of("\\/", start);
        if (end == std::string::npos) end = relative.size();
        std::string part = relative.substr(start, end - start);
        if (part == "..") {
            size_t last = folder.find_last_of("\\/");
            folder = last == std::string::npos ? std::string() : folder.substr(0, last);
        } else if (!part.empty() && part != ".") {
            folder += folder.empty() ? part : "\\" + part;
        }
        start = end + 1;
    }
    if (!name.IsEmpty() && name[0] == '/' && (folder.empty() || folder[0] != '/')) folder = "/" + folder;
    return String(folder.empty() ? filePart : folder + "\\" + filePart);
}

bool ImageFile::LoadRedirected(const String& target, Image& image) {
    if (tRedirections >= kMaxRedirections) {
        image.Clear();
        return false;
    }
    ++tRedirections;
    bool loaded = image.Load(target);
    --tRedirections;
    return loaded;
}

bool ImageFile::ReadAlphaCompanion(const String& name, Image& image) {
    static constexpr Candidate kOrder[] = {
        {"_alpha.png", Source::Png}, {"_alpha.gif", Source::Gif}, {"_alpha.jpg", Source::Jpeg}};
    for (const Candidate& candidate : kOrder) {
        String path = ResourcePaths::Find(name + candidate.suffix);
        if (!path.IsEmpty()) return Decode(path, candidate.kind, image);
    }
    return false;
}
