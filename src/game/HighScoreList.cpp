#include "game/HighScoreList.h"

#include "core/IOBuffer.h"
#include "data/Registry.h"

namespace {
constexpr const char* kNameKey = "NAME%d";
constexpr const char* kScoreKey = "SCORE%d";
constexpr int32_t kMaxEntries = 1000;  // far beyond the game's table; keeps a bad caller bounded

struct DefaultEntry {
    const char* name;
    int32_t score;
};
constexpr DefaultEntry kDefaults[] = {
    {"Bemo", 200000},   {"Lurra", 150000}, {"Quib", 100000}, {"Tazzimo", 50000}, {"Vunk", 25000},
    {"Orbetta", 10000}, {"Zisko", 7500},   {"Pelda", 5000},  {"Dorrik", 2500},   {"Gloomnob", 1000},
};
}  // namespace

void HighScoreList::SetSize(int32_t count) {
    if (count < 0) count = 0;
    if (count > kMaxEntries) count = kMaxEntries;
    entries.assign(static_cast<size_t>(count), HighScoreEntry{});
}

void HighScoreList::Load(const String& name) {
    fileName = name;
    Registry store;
    store.LoadReadOnly(fileName);
    for (int32_t i = 0; i < Size(); ++i) {
        String nameKey = String::Format(kNameKey, i), scoreKey = String::Format(kScoreKey, i);
        if (store.Has(nameKey)) entries[static_cast<size_t>(i)].name = store.GetString(nameKey);
        if (store.Has(scoreKey)) entries[static_cast<size_t>(i)].score = store.GetInt(scoreKey);
    }
}

bool HighScoreList::Save() const {
    // Read-only, so the store does not write the file a second time as it goes;
    // keys of other tables in the file are kept.
    Registry store;
    store.LoadReadOnly(fileName);
    for (int32_t i = 0; i < Size(); ++i) {
        store.SetString(String::Format(kNameKey, i), At(i).name);
        store.SetInt(String::Format(kScoreKey, i), At(i).score);
    }
    String text = store.WriteText();
    return WriteFileAtomically(fileName, text.c_str(), static_cast<size_t>(text.Length()));
}

int32_t HighScoreList::RankOf(int32_t score) const {
    for (int32_t i = 0; i < Size(); ++i)
        if (At(i).score < score) return i;
    return -1;
}

bool HighScoreList::Qualifies(int32_t score) const { return RankOf(score) >= 0; }

void HighScoreList::Insert(const String& name, int32_t score) {
    int32_t rank = RankOf(score);
    if (rank < 0) return;
    entries.pop_back();
    entries.insert(entries.begin() + rank, HighScoreEntry{name, score});
}

bool HighScoreList::Contains(const String& name) const {
    for (const HighScoreEntry& entry : entries)
        if (entry.name.EqualsIgnoreCase(name.view())) return true;
    return false;
}

void OfferDefaultHighScores(HighScoreList& list) {
    for (const DefaultEntry& entry : kDefaults)
        if (!list.Contains(entry.name)) list.Insert(entry.name, entry.score);
}
