#pragma once
// Named player profiles. The ordered list of names and the current name live
// in "config.cfg" ("Profiles", joined with ","; "CurrentProfile"); each
// profile keeps its files in "<data folder>/Profiles/<name>". Names compare
// ignoring ASCII case everywhere.
//
// The list comes from a file a player can edit, so every name read from it
// or given to Create must be usable as one folder name inside "Profiles":
// IsValidName says which are.

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/String.h"

class ProfileManager {
public:
    static constexpr const char* kProfilesFolder = "Profiles";
    static constexpr const char* kNobody = "Nobody";  // the folder used while no profile is current
    static constexpr int32_t kMaxNameLength = 32;     // characters of a profile name
    static constexpr int32_t kMaxProfiles = 100;      // names kept from the settings file or created

    virtual ~ProfileManager() = default;

    // Reads the list and the current name from `settingsPath` (writing the
    // file back); profile folders go under `dataFolder`. Invalid and repeated
    // names are left out. With no current name the first profile is current.
    void Initialize(const String& settingsPath, const String& dataFolder);
    // Stores the list and the current name; only after Initialize.
    void Save() const;
    // Save, then forget every name.
    void Shutdown();

    bool Exists(const String& name) const;
    // Appends a free variant of `name` (Anna, Anna2, Anna3, ...) and makes it
    // current. The folder is made on first use. False (nothing added) for an
    // invalid name or when the list is full.
    bool Create(const String& name);
    // Removes the profile and its folder with everything in it (symbolic
    // links are removed, never followed). When it was current, the first
    // remaining profile becomes current. Out of range does nothing.
    void Delete(int32_t index);
    void Select(int32_t index);  // out of range does nothing

    int32_t CurrentIndex() const;  // -1 when the current name is not in the list
    int32_t Count() const { return static_cast<int32_t>(mNames.size()); }
    String NameAt(int32_t index) const;  // "" out of range
    const String& CurrentName() const { return mCurrent; }

    // The current profile's folder, made when missing ("Nobody" while no
    // profile is current), without a trailing separator.
    String ProfileFolder();
    String ProfileFilePath(const String& fileName);

    // Printable ASCII, 1 ... kMaxNameLength characters, no blank at either
    // end, none of ~ / \ : * ? " < > | . , (so never "." or ".." or a hidden
    // folder) and no device name that some file systems reserve (CON, NUL,
    // COM1, ...), so it is always one ordinary folder inside "Profiles".
    static bool IsValidName(std::string_view name);

private:
    String ProfilesRoot() const;

    String mSettingsPath;
    String mDataFolder;
    String mCurrent;
    std::vector<String> mNames;
    bool mLoaded = false;
};
