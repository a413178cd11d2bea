// The game screen's record inside the saved journey. The file is the
// player's and may be damaged or forged: everything is read and checked
// before the game takes any of it.
#include <cmath>

#include "board/Board.h"
#include "board/LevelGroup.h"
#include "core/IOBuffer.h"
#include "game/play/Game.h"

namespace {
constexpr int32_t kLongestScoreText = 11;  // characters of "-2147483648"

bool IsScoreText(const String& text) {
    int32_t length = text.Length();
    if (length == 0 || length > kLongestScoreText) return false;
    for (int32_t i = 0; i < length; ++i) {
        char ch = text[i];
        if (!(ch >= '0' && ch <= '9') && !(ch == '-' && i == 0 && length > 1)) return false;
    }
    return true;
}

bool IsFraction(float value) { return std::isfinite(value) && value >= 0 && value <= 1; }
}  // namespace

void Game::Save(IOBuffer& out) const {
    out.WriteString(scoreText);
    out.WriteInt(progressCount);
    out.WriteInt(progressQuota);
    out.WriteInt(levelIndex);
    for (int32_t tally : tallies) out.WriteInt(tally);
    out.WriteInt(extraLifeMeter);
    out.WriteFloat(progressTarget);
    out.WriteFloat(progressShown);
    out.WriteBool(progressFull);
    out.WriteBool(board != nullptr);
    if (board) board->Save(out);
}

bool Game::Load(IOBuffer& in) {
    String text = in.ReadString();
    int32_t count = in.ReadInt(), quota = in.ReadInt(), index = in.ReadInt();
    std::array<int32_t, kTallyCount> counted{};
    for (int32_t& tally : counted) tally = in.ReadInt();
    int32_t meter = in.ReadInt();
    float target = in.ReadFloat(), shown = in.ReadFloat();
    bool full = in.ReadBool(), running = in.ReadBool();
    if (in.HasError() || !IsScoreText(text) || count < 0 || count > kMostProgress || quota < 1 ||
        quota > kMostProgress || index < 0 || meter < 0 || meter >= kLifeMeterSpan || !IsFraction(target) ||
        !IsFraction(shown))
        return false;
    for (int32_t tally : counted)
        if (tally < 0) return false;

    Board* restored = nullptr;
    if (running) {
        // The board is rebuilt from its level and then takes its record.
        if (!group || index >= static_cast<int32_t>(group->levelNames.size())) return false;
        // The board is built mirrored or not before it reads positions along its paths.
        ChooseMirroring(true);
        restored = BuildLevelBoard(group->levelNames[static_cast<size_t>(index)]);
        if (!restored) return false;
        if (!restored->Load(in)) {
            RemoveChild(restored);
            delete restored;
            return false;
        }
    }
    DestroyBoard();
    board = restored;
    scoreText = text;
    progressCount = count;
    progressQuota = quota;
    levelIndex = index;
    tallies = counted;
    extraLifeMeter = meter;
    progressTarget = target;
    progressShown = shown;
    progressFull = full;
    if (board) {
        board->TakeFocus();
        // Back in the level the player starts it again with a click.
        PausePlay();
    }
    return true;
}
