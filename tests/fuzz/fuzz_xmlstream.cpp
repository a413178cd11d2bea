// Any byte sequence through the streaming reader, its attribute splitter and
// the device table built on them.
#include <cstddef>
#include <cstdint>

#include "data/DisplayDefaults.h"
#include "data/ParseXML.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    String text(reinterpret_cast<const char*>(data), size);
    ParseXML reader;
    reader.OpenText(text);
    for (ParseXMLTag tag = reader.ReadTag(); !tag.missing; tag = reader.ReadTag()) {
        int32_t count = tag.AttributeCount();
        for (int32_t i = 0; i <= count; ++i) tag.Attribute(i);
    }
    DisplayDefaults defaults;
    HardwareVerdict verdict;
    verdict.dxVersion = "7.0";
    defaults.ApplyDeviceText(text, "llvmpipe", [](int32_t, int32_t) { return true; }, verdict);
    return 0;
}
