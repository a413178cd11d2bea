#pragma once
// The shared high-score table: a fixed number of (name, score) entries kept
// from highest to lowest score, stored as "NAME%d" / "SCORE%d" keys of a
// settings file. Ties keep the older entry higher.

#include <cstdint>
#include <vector>

#include "core/String.h"

struct HighScoreEntry {
    String name;
    int32_t score = 0;
};

class HighScoreList {
public:
    static constexpr int32_t kGameSize = 10;  // entries the game keeps

    // `count` entries with an empty name and score 0.
    void SetSize(int32_t count);
    // Remembers `fileName`; keys missing from it leave their entry as it is.
    // The entries are not sorted again.
    void Load(const String& fileName);
    // Writes every entry to the remembered file; false when it cannot be written.
    bool Save() const;
    // Some entry scores strictly lower than `score`.
    bool Qualifies(int32_t score) const;
    // Puts (name, score) above the first entry that scores lower; the last
    // entry drops off. Nothing happens when the score does not qualify.
    void Insert(const String& name, int32_t score);
    // An entry of that name, case ignored.
    bool Contains(const String& name) const;
    // The position Insert would give `score`; -1 when it does not qualify.
    int32_t RankOf(int32_t score) const;

    int32_t Size() const { return static_cast<int32_t>(entries.size()); }
    const HighScoreEntry& At(int32_t index) const { return entries[static_cast<size_t>(index)]; }

private:
    std::vector<HighScoreEntry> entries;
    String fileName;
};

// Offers the game's ten default entries, each only when no entry has its name.
void OfferDefaultHighScores(HighScoreList& list);
