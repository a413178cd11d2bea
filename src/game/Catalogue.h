#pragma once
// The shared resources of the game, loaded once at start-up entry by entry
// from the resource table and kept until exit. Screens and boards look them
// up by the names the table gives them (case ignored); a resource that could
// not be loaded is reported by its loader once and looked up as null.
//
// Threads: the loader thread fills the catalogue while the title screen runs.
// Until loading has finished only the ball strips may be read, and only those
// already counted by the application's coloursLoaded.

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board/BoardMedia.h"
#include "board/LevelLibrary.h"
#include "game/ResourceCatalogue.h"
#include "media/Font.h"
#include "media/Image.h"
#include "media/Sound.h"
#include "media/Sprite.h"
#include "media/SpriteStrip.h"
#include "media/TextureAtlas.h"

class Catalogue {
public:
    static constexpr int32_t kBallColours = TrackImages::kColours;

    Catalogue();
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // Makes the atlas of `step` the packing target; a step without an atlas of
    // its own gives its pictures textures of their own, so that an atlas
    // holds its step's pictures only.
    void BeginStep(int32_t step);
    // Loads one table entry. Ball strip i ("graphics\\balls\\<i+1>") lands in
    // Ball(i).
    void Load(const ResourceEntry& entry);
    // Later pictures get textures of their own.
    void EndLoading();

    const SpriteStrip* Ball(int32_t colour) const;
    // The colour (0 ... 7) whose strip `name` is; -1 for any other name.
    static int32_t BallColourOf(std::string_view name);
    static bool IsBallStrip(std::string_view name) { return BallColourOf(name) >= 0; }
    const Sprite* FindSprite(std::string_view name) const;
    // The left-right mirror image of a MirroredPair entry.
    const Sprite* FindMirrored(std::string_view name) const;
    const SpriteStrip* FindStrip(std::string_view name) const;
    // Door `piece` (0 .. 2) of a DoorRow or MaskRow entry.
    const Image* FindPieceImage(std::string_view name, int32_t piece) const;
    const Sprite* FindPieceSprite(std::string_view name, int32_t piece) const;
    // The copy with the most simultaneous instances when a sound was loaded twice.
    Sound* FindSound(std::string_view name) const;
    const Font* FindFont(std::string_view name) const;
    const LevelLibrary& Levels() const { return levels; }

    // The board's pictures; ball colour c is drawn with strip colourOrder[c].
    BoardMedia BoardPictures(const std::array<int32_t, kBallColours>& colourOrder) const;

    // Pictures wanted on some screens only: the journey map's (its atlas, which
    // the high scores borrow a button from, and its background) and the full-screen pictures of the main menu and the
    // high scores. Drawing in software, where memory holds their only copy,
    // a group's pixels go while it is not wanted (about 24 MiB in play) and
    // are made again from their files when it is.
    enum class PictureGroup { Temple, Menus };
    void WantPictures(PictureGroup group, bool wanted);

private:
    struct Item {
        std::unique_ptr<Sprite> sprite;
        std::unique_ptr<Sprite> mirrored;
        std::unique_ptr<SpriteStrip> strip;
        std::unique_ptr<Font> font;
        std::vector<std::unique_ptr<Sound>> sounds;
        std::vector<Image> pieceImages;
        std::vector<std::unique_ptr<Sprite>> pieceSprites;
    };

    const Item* Find(std::string_view name) const;
    Item& Add(const char* name);
    void LoadImageEntry(const ResourceEntry& entry, Item& item);
    // The temple atlas's pixels as loading made them: its step loaded again
    // into an atlas of the same size packs every picture to the same place.
    void RestoreTempleAtlas();
    // A picture of a texture of its own, from its file again.
    void RestorePicture(const char* name);

    std::vector<std::unique_ptr<TextureAtlas>> atlases;
    TextureAtlas* templeAtlas = nullptr;            // one of `atlases`
    std::array<bool, 2> groupParked{false, false};  // by PictureGroup
    std::map<std::string, Item> items;              // by lower-case name
    std::array<std::unique_ptr<SpriteStrip>, kBallColours> balls;
    LevelLibrary levels;
};
