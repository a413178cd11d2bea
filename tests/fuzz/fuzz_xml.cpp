// Any byte sequence as a configuration document: the tree reader must end
// with a result, never crash, hang or read outside the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/XMLDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    XMLDocument document;
    document.Parse(text.c_str());
    for (const auto& tag : document.tags) {
        if (tag->FindChild("level") && tag->FindParameter("name")) return 0;
    }
    return 0;
}
