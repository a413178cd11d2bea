#pragma once
// Finds the game data root before anything is loaded from it. A wrong or
// missing root would otherwise surface as one error box per picture, sound and
// font; instead the player gets one message naming every place looked at.

#include <cstdint>
#include <vector>

#include "core/String.h"

class DataRootCheck {
public:
    static constexpr int32_t kExitNoGameData = 1;
    static constexpr const char* kMissingTitle = "Game Data Missing";

    // `named` is the folder given with --data: when set it is the only place
    // tried, so a mistyped folder is never quietly replaced by another. Else
    // the data beside the executable, then the installed share folder.
    DataRootCheck(const String& named, const String& executableFolder);

    // The first place that holds game data, ending in '/'; empty when none does.
    const String& Root() const { return mRoot; }
    struct Place {
        String folder;   // absolute, ending in '/'
        String problem;  // why it is not a data root; empty for the root
    };
    // Every place tried, in order, up to the root.
    const std::vector<Place>& Looked() const { return mLooked; }
    // The root's marker names another version than this build's.
    bool OtherVersion() const;

    String MissingText() const;
    String OtherVersionText() const;
    // Tells the player what is wrong, if anything: without a root one message
    // box (also logged and on standard error), with another version's data a
    // warning in the log and on standard error. Answers whether the game can
    // go on.
    bool Report() const;

    // The version this build expects in the marker, and the marker's name.
    static const char* ExpectedVersion();
    static const char* MarkerFile();

private:
    std::vector<Place> mLooked;
    String mRoot;
    String mVersion;  // what the root's marker says
};
