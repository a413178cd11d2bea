#pragma once
// The player's shooter at the bottom of the field: it slides after the mouse
// and shoots straight up. It holds the loaded ball and the next one behind
// it; firing hands the loaded ball to the board and the next rolls forward
// while a new one appears behind. The two can be swapped.

#include <cstdint>

class IOBuffer;
class LauncherHost;
class Plimb;

class Launcher {
public:
    static constexpr float kStartX = 300.0f;
    static constexpr int32_t kFlashTicks = 10;
    // Ball kinds of the saved record.
    static constexpr int32_t kPlainKind = 0;
    static constexpr int32_t kBombKind = 1;
    static constexpr int32_t kFireBallKind = 2;

    // board must outlive the launcher.
    explicit Launcher(LauncherHost* board);
    virtual ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // Size class 0 (small), 1 (medium) or 2 (large); anything else is 0.
    void SetSize(int32_t size);
    virtual void Update();
    virtual void Draw() const;
    // Shoots the loaded ball, when it is ready.
    void Fire();
    void RequestSwap();

    // The launcher record of the saved game. Load answers false on a short or
    // damaged record (an unknown ball kind among them), leaving the launcher
    // unchanged.
    void Save(IOBuffer& out) const;
    bool Load(IOBuffer& in);
    // Load in two steps, so that a board can read its whole record before
    // anything changes. A record owns its balls until it is taken.
    struct Record {
        Record() = default;
        ~Record();
        Record(const Record&) = delete;
        Record& operator=(const Record&) = delete;
        bool savedFlag = false;
        int32_t flash = 0, reloadTick = 0;
        float recoil = 0, x = 0, y = 0, aimX = 0, aimY = 0;
        Plimb* loaded = nullptr;
        Plimb* next = nullptr;
    };
    bool ReadRecord(IOBuffer& in, Record& record) const;
    void TakeRecord(Record& record);

    Plimb* Loaded() const { return loaded; }
    Plimb* Next() const { return next; }
    float X() const { return x; }
    float Y() const { return y; }
    int32_t ReloadTick() const { return reloadTick; }
    float ReloadTicks() const { return reloadTicks; }
    bool IsSwapping() const { return swapping; }
    bool IsSwapRequested() const { return swapRequested; }
    float Recoil() const { return recoil; }
    float BallScale() const { return ballScale; }

private:
    void PlaceBall(Plimb* ball, float slot) const;
    void ReplaceLoaded(Plimb* special);
    // Where `ball` sits along the aim from the launcher's centre.
    float SlotOf(const Plimb& ball) const;
    // After a load: picks up a swap the record was saved in the middle of.
    void ResumeSwap();
    static int32_t KindOf(const Plimb* ball);

    Plimb* loaded = nullptr;
    Plimb* next = nullptr;
    LauncherHost* board;
    float x = kStartX;
    float y = 0;
    float aimX = 0;
    float aimY = -1;
    bool savedFlag = true;
    int32_t flash = 0;
    float recoil = 0;
    int32_t reloadTick = 0;
    float ballScale = 1.0f;
    float nextStart = 0;
    float loadedStart = 0;
    float loadedEnd = 0;
    float reloadTicks = 0;
    float rollStep = 0;
    float baseY = 0;
    float sizeValue = 0;
    bool swapRequested = false;
    bool swapping = false;
    int32_t swapTicks = 0;
};
