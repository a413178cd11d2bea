// Any byte sequence as a settings file: every getter answers, and what the
// store writes reads back as the same entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "data/Registry.h"
#include "data/SettingsKeys.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Registry store;
    store.ReadText(std::string_view(reinterpret_cast<const char*>(data), size));
    int8_t bytes[16];
    for (const char* key : {SettingsKey::kScreenWidth, SettingsKey::kFullscreen, SettingsKey::kSoundVolume,
                            SettingsKey::kProfiles}) {
        store.GetInt(key);
        store.GetBool(key);
        store.GetFloat(key);
        store.GetBytes(key, bytes, 16);
        store.GetString(key);
    }
    String written = store.WriteText();
    Registry again;
    again.ReadText(written.view());
    if (again.WriteText().str() != written.str()) std::abort();
    return 0;
}
