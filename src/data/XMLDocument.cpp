#include "data/XMLDocument.h"

#include <cstring>

#include "core/IOBuffer.h"
#include "data/XMLTreeParser.h"

void XMLDocument::Clear() {
    tags.clear();
    error = kNoError;
}

void XMLDocument::Parse(const char* text) {
    Clear();
    if (!text) {
        error = kErrorNoText;
        return;
    }
    XMLTreeParser parser(std::string_view(text, std::strlen(text)), tags);
    error = parser.Run();
    if (error == kNoError && tags.empty()) error = kErrorNoTopLevelElement;
}

String XMLDocument::NormalisePath(const String& path) {
    std::string out;
    bool pendingSeparator = false;
    for (char c : path.view()) {
        if (c == '/' || c == '\\') {
            pendingSeparator = !out.empty();
            continue;
        }
        if (pendingSeparator) out += '\\';
        pendingSeparator = false;
        out += c;
    }
    if (out.empty() || pendingSeparator) return String();
    return String(std::move(out));
}

void XMLDocument::Load(const String& path) {
    Clear();
    String normalised = NormalisePath(path);
    if (normalised.IsEmpty()) {
        error = kErrorBadPath;
        return;
    }
    // Our files live on a POSIX file system: an absolute path keeps its root,
    // and the design's backslashes become slashes.
    std::string onDisk = path.view().starts_with('/') ? "/" : "";
    for (char c : normalised.view()) onDisk += c == '\\' ? '/' : c;

    IOBuffer file;
    if (!file.LoadFile(String(onDisk))) return;
    if (file.Size() == 0) {
        error = kErrorEmptyFile;
        return;
    }
    std::string text(reinterpret_cast<const char*>(file.Data()), static_cast<size_t>(file.Size()));
    Parse(text.c_str());
}
