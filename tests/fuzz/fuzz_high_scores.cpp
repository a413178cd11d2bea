// Arbitrary bytes as the shared high-score file: the table keeps its size,
// takes the defaults and a new score without harm, and what it saves loads
// back as the same table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/IOBuffer.h"
#include "game/HighScoreList.h"

namespace {
const String& ScratchFile() {
    static const String file = [] {
        char pattern[] = "/tmp/fuzz_high_scores_XXXXXX";
        const char* made = mkdtemp(pattern);
        return String((std::string(made ? made : "/tmp") + "/HighScoreJourney.SCORE").c_str());
    }();
    return file;
}

bool SameTable(const HighScoreList& a, const HighScoreList& b) {
    if (a.Size() != b.Size()) return false;
    for (int32_t i = 0; i < a.Size(); ++i)
        if (a.At(i).score != b.At(i).score || a.At(i).name != b.At(i).name) return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!WriteFileAtomically(ScratchFile(), data, size)) return 0;
    HighScoreList table;
    table.SetSize(HighScoreList::kGameSize);
    table.Load(ScratchFile());
    OfferDefaultHighScores(table);
    table.Insert("Fuzz", 123456);
    if (table.Size() != HighScoreList::kGameSize) std::abort();
    if (!table.Save()) std::abort();

    HighScoreList again;
    again.SetSize(HighScoreList::kGameSize);
    again.Load(ScratchFile());
    if (!SameTable(table, again)) std::abort();
    return 0;
}
