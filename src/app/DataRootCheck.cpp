#include "app/DataRootCheck.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "core/Log.h"
#include "platform/MessageBox.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kDataBesideExecutable = "data/";
constexpr const char* kInstalledData = PZ_INSTALLED_DATA;  // relative to the installed executable
constexpr const char* kGameFolders[] = {"Graphics", "Sounds", "Fonts", "Levels", "Data"};
// A data root holds a handful of entries; past this many it is some other folder.
constexpr size_t kMostRootEntries = 10000;
// Longer than any version text; the rest of a larger marker is never read.
constexpr size_t kMarkerBytes = 64;
constexpr const char* kStderrPrefix = "plimb-zappets: ";

String Lower(const std::string& text) { return String(text).Lower(); }

String AbsoluteFolder(const String& folder) {
    std::error_code error;
    fs::path path = fs::absolute(fs::path(folder.str()), error);
    if (error) path = fs::path(folder.str());
    std::string text = path.lexically_normal().string();
    if (text.empty() || text.back() != '/') text += '/';
    return String(text);
}

// The marker's first line, with anything unprintable shown as '?'.
String ReadMarker(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    char bytes[kMarkerBytes] = {};
    in.read(bytes, sizeof bytes);
    std::string line;
    for (std::streamsize i = 0; i < in.gcount() && bytes[i] != '\n' && bytes[i] != '\r'; ++i)
        line += (bytes[i] >= ' ' && bytes[i] < 0x7F) ? bytes[i] : '?';
    return String(line).Trimmed();
}

// Why `folder` is not a game data root, or "" when it is (`version` then holds
// its marker's text). Names are matched ignoring case, as every resource
// lookup is.
String ProblemWith(const String& folder, String& version) {
    std::error_code error;
    fs::path path(folder.str());
    if (!fs::exists(path, error)) return "not there";
    if (!fs::is_directory(path, error)) return "not a folder";
    std::set<std::string> folders;
    fs::path marker;
    size_t seen = 0;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        if (++seen > kMostRootEntries) return "not a game data folder";
        String name = Lower(it->path().filename().string());
        std::error_code kindError;
        if (it->is_directory(kindError))
            folders.insert(name.str());
        else if (it->is_regular_file(kindError) && name == Lower(DataRootCheck::MarkerFile()))
            marker = it->path();
    }
    if (error) return "cannot be read";
    for (const char* wanted : kGameFolders)
        if (!folders.count(Lower(wanted).str())) return String::Format("no %s folder", wanted);
    if (marker.empty()) return String::Format("no %s file", DataRootCheck::MarkerFile());
    version = ReadMarker(marker);
    return String();
}
}  // namespace

const char* DataRootCheck::ExpectedVersion() { return PZ_DATA_VERSION; }
const char* DataRootCheck::MarkerFile() { return PZ_DATA_MARKER; }

DataRootCheck::DataRootCheck(const String& named, const String& executableFolder) {
    std::vector<String> candidates;
    if (!named.IsEmpty())
        candidates.push_back(named);
    else
        candidates = {executableFolder + kDataBesideExecutable, executableFolder + kInstalledData};
    for (const String& candidate : candidates) {
        Place place{AbsoluteFolder(candidate), String()};
        place.problem = ProblemWith(place.folder, mVersion);
        mLooked.push_back(place);
        if (place.problem.IsEmpty()) {
            mRoot = place.folder;
            return;
        }
    }
}

bool DataRootCheck::OtherVersion() const { return !mRoot.IsEmpty() && mVersion.str() != ExpectedVersion(); }

String DataRootCheck::MissingText() const {
    String text = "The game data could not be found. It was looked for in:\n";
    for (const Place& place : mLooked)
        text += String::Format("    %s (%s)\n", place.folder.c_str(), place.problem.c_str());
    text += "The game data folder holds the folders";
    const size_t count = std::size(kGameFolders);
    for (size_t i = 0; i < count; ++i) text += String(i == 0 ? " " : i + 1 == count ? " and " : ", ") + kGameFolders[i];
    text += String::Format(" and the file %s.\n", MarkerFile());
    text += "To use game data kept elsewhere, start the game with --data DIR, where DIR is that folder.";
    return text;
}

String DataRootCheck::OtherVersionText() const {
    String found = mVersion.IsEmpty() ? String("of an unknown version") : String("version ") + mVersion;
    return String::Format(
        "The game data in %s is %s, but this game expects version %s; "
        "pictures, sounds or levels may be missing or wrong.",
        mRoot.c_str(), found.c_str(), ExpectedVersion());
}

bool DataRootCheck::Report() const {
    if (mRoot.IsEmpty()) {
        String text = MissingText();
        // Standard error first: a player at a terminal reads it while the box waits.
        std::fprintf(stderr, "%s%s\n", kStderrPrefix, text.c_str());
        ShowMessageBox(kMissingTitle, text);
        return false;
    }
    if (OtherVersion()) {
        String text = OtherVersionText();
        std::fprintf(stderr, "%s%s\n", kStderrPrefix, text.c_str());
        Log::Line("%s", text.c_str());
    }
    return true;
}
