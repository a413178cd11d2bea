#include "game/Catalogue.h"

#include <cstring>

#include "core/Log.h"
#include "game/journey/TempleLayout.h"
#include "game/menus/HSMenu.h"
#include "game/menus/MainMenu.h"
#include "media/Graphics.h"
#include "platform/RenderTexture.h"
#include "platform/ResourcePaths.h"
#include "platform/System.h"

namespace {

constexpr int32_t kLargeAtlas = 2048;  // pixels a side
constexpr int32_t kSmallAtlas = 1024;
constexpr const char* kBallStrip = "graphics\\balls\\%d";              // colour + 1
constexpr const char* kDifficultyDocument = "Data\\Difficulty%d.CFG";  // world + 1

struct StepAtlas {
    int32_t step;
    int32_t side;
};
// The five atlases, in the order the loading steps make them the packing target.
constexpr StepAtlas kStepAtlases[] = {{kStepPlayfieldSprites, kLargeAtlas},
                                      {kStepDialogSprites, kSmallAtlas},
                                      {kStepMenuSprites, kSmallAtlas},
                                      {kStepPopupSprites, kSmallAtlas},
                                      {kStepTempleSprites, kLargeAtlas}};

std::string Key(std::string_view name) {
    std::string key(name);
    for (char& c : key) c = AsciiLower(c);
    return key;
}

// Copies `source` into `target` with its top-left corner at column x.
void Blit(const Image& source, Image& target, int32_t x) {
    for (int32_t row = 0; row < source.Height() && row < target.Height(); ++row) {
        int32_t count = std::min(source.Width(), target.Width() - x);
        if (count > 0) std::memcpy(target.PixelAt(x, row), source.PixelAt(0, row), sizeof(uint32_t) * count);
    }
}

Image Mirror(const Image& source) {
    Image mirrored;
    if (!mirrored.Create(source.Width(), source.Height(), false)) return mirrored;
    for (int32_t row = 0; row < source.Height(); ++row) {
        const uint32_t* from = source.PixelAt(0, row);
        uint32_t* to = mirrored.PixelAt(0, row);
        for (int32_t x = 0; x < source.Width(); ++x) to[x] = from[source.Width() - 1 - x];
    }
    return mirrored;
}

// "<name>1" ... "<name>3" side by side; empty when any is missing or the
// three differ in size (a strip needs equal frames).
Image ButtonStrip(const char* name, int32_t frames) {
    std::vector<Image> states(static_cast<size_t>(frames));
    for (int32_t i = 0; i < frames; ++i) {
        if (!states[static_cast<size_t>(i)].Load(String::Format("%s%d", name, i + 1))) return Image();
        if (states[static_cast<size_t>(i)].Width() != states[0].Width() ||
            states[static_cast<size_t>(i)].Height() != states[0].Height()) {
            Log::Line("Button pictures \"%s\" differ in size", name);
            return Image();
        }
    }
    Image strip;
    if (!strip.Create(states[0].Width() * frames, states[0].Height())) return strip;
    for (int32_t i = 0; i < frames; ++i) Blit(states[static_cast<size_t>(i)], strip, i * states[0].Width());
    return strip;
}

}  // namespace

Catalogue::Catalogue() = default;

int32_t Catalogue::BallColourOf(std::string_view name) {
    for (int32_t c = 0; c < kBallColours; ++c)
        if (String::Format(kBallStrip, c + 1).EqualsIgnoreCase(name)) return c;
    return -1;
}

Catalogue::~Catalogue() {
    if (GetGraphics().Atlas() != nullptr) EndLoading();
}

void Catalogue::BeginStep(int32_t step) {
    GetGraphics().SetAtlas(nullptr);
    for (const StepAtlas& atlas : kStepAtlases) {
        if (atlas.step != step) continue;
        atlases.push_back(std::make_unique<TextureAtlas>(atlas.side, atlas.side));
        GetGraphics().SetAtlas(atlases.back().get());
        if (step == kStepTempleSprites) templeAtlas = atlases.back().get();
    }
}

void Catalogue::WantPictures(PictureGroup group, bool wanted) {
    // The pictures of a texture of their own in each group.
    static const std::vector<const char*> kTemplePictures = {TemplePictures::kBackground};
    static const std::vector<const char*> kMenuPictures = {MainMenu::kBackground, HSMenu::kBackground};
    bool temple = group == PictureGroup::Temple;
    bool& parked = groupParked[static_cast<size_t>(group)];
    if (!templeAtlas || wanted != parked) return;  // before loading has ended, or nothing to change
    const std::vector<const char*>& own = temple ? kTemplePictures : kMenuPictures;
    if (!wanted) {
        if (!GetGraphics().DrawsInSoftware()) return;
        if (temple) templeAtlas->Texture()->Park();
        for (const char* name : own)
            if (const Sprite* picture = FindSprite(name); picture && picture->Texture()) picture->Texture()->Park();
        parked = true;
        ReleaseFreedMemory();  // the allocator would otherwise keep them for itself
        return;
    }
    if (temple) RestoreTempleAtlas();
    for (const char* name : own) RestorePicture(name);
    parked = false;
}

void Catalogue::RestorePicture(const char* name) {
    const Sprite* picture = FindSprite(name);
    Image file;
    if (!picture || !picture->Texture() || !file.Load(name)) return;
    RenderTexture fresh(file.Width(), file.Height());
    fresh.Write(0, 0, file.Width(), file.Height(), file.PixelAt(0, 0), file.Width());
    picture->Texture()->Unpark(fresh);
}

void Catalogue::RestoreTempleAtlas() {
    const RenderTexture& parked = *templeAtlas->Texture();
    TextureAtlas again(parked.Width(), parked.Width());  // atlases are square; only their height is trimmed
    Graphics& graphics = GetGraphics();
    TextureAtlas* packing = graphics.Atlas();
    graphics.SetAtlas(&again);
    for (const ResourceEntry& entry : ResourceCatalogue()) {
        if (entry.step != kStepTempleSprites) continue;
        Item scratch;
        LoadImageEntry(entry, scratch);
    }
    graphics.SetAtlas(packing);
    templeAtlas->Texture()->Unpark(*again.Texture());
}

void Catalogue::EndLoading() {
    GetGraphics().SetAtlas(nullptr);
    for (const std::unique_ptr<TextureAtlas>& atlas : atlases) atlas->Trim();
}

Catalogue::Item& Catalogue::Add(const char* name) { return items[Key(name)]; }

const Catalogue::Item* Catalogue::Find(std::string_view name) const {
    auto found = items.find(Key(name));
    return found == items.end() ? nullptr : &found->second;
}

void Catalogue::LoadImageEntry(const ResourceEntry& entry, Item& item) {
    Image image;
    if (entry.kind == ResourceKind::ButtonStates) {
        image = ButtonStrip(entry.name, entry.frames);
        if (!image.IsEmpty()) item.strip = std::make_unique<SpriteStrip>(image, entry.frames);
        return;
    }
    if (!image.Load(entry.name)) return;
    switch (entry.kind) {
        case ResourceKind::Image: item.sprite = std::make_unique<Sprite>(image); break;
        case ResourceKind::Strip: item.strip = std::make_unique<SpriteStrip>(image, entry.frames); break;
        case ResourceKind::MirroredPair:
            item.sprite = std::make_unique<Sprite>(image);
            item.mirrored = std::make_unique<Sprite>(Mirror(image));
            break;
        case ResourceKind::DoorRow:
        case ResourceKind::MaskRow:
            for (const DoorPiece& piece : kDoorPieces) {
                Image cut;
                cut.CopyFrom(image, piece.x, 0, piece.width, kDoorHeight);
                if (entry.kind == ResourceKind::DoorRow) item.pieceSprites.push_back(std::make_unique<Sprite>(cut));
                item.pieceImages.push_back(std::move(cut));
            }
            break;
        default: break;
    }
}

void Catalogue::Load(const ResourceEntry& entry) {
    int32_t colour = BallColourOf(entry.name);
    if (colour >= 0) {
        Image image;
        if (image.Load(entry.name))
            balls[static_cast<size_t>(colour)] = std::make_unique<SpriteStrip>(image, entry.frames);
        return;
    }
    switch (entry.kind) {
        case ResourceKind::Image:
        case ResourceKind::Strip:
        case ResourceKind::ButtonStates:
        case ResourceKind::MirroredPair:
        case ResourceKind::DoorRow:
        case ResourceKind::MaskRow: LoadImageEntry(entry, Add(entry.name)); break;
        case ResourceKind::Sound: {
            auto sound = std::make_unique<Sound>();
            sound->Load(entry.name, entry.instances);
            Add(entry.name).sounds.push_back(std::move(sound));
            break;
        }
        case ResourceKind::Font: {
            auto font = std::make_unique<Font>();
            if (font->Load(entry.name)) Add(entry.name).font = std::move(font);
            break;
        }
        case ResourceKind::Document:
            for (int32_t world = 0; world < LevelLibrary::kWorldCount; ++world)
                if (String(entry.name).EqualsIgnoreCase(String::Format(kDifficultyDocument, world + 1).view()))
                    levels.LoadDifficulty(world, ResourcePaths::Find(entry.name));
            break;
        case ResourceKind::LevelOrder: levels.LoadLevelOrder(ResourcePaths::Find(entry.name)); break;
        case ResourceKind::Music: break;  // streamed by the music player when it plays
    }
}

const SpriteStrip* Catalogue::Ball(int32_t colour) const {
    return colour >= 0 && colour < kBallColours ? balls[static_cast<size_t>(colour)].get() : nullptr;
}

const Sprite* Catalogue::FindSprite(std::string_view name) const {
    const Item* item = Find(name);
    return item ? item->sprite.get() : nullptr;
}

const Sprite* Catalogue::FindMirrored(std::string_view name) const {
    const Item* item = Find(name);
    return item ? item->mirrored.get() : nullptr;
}

const SpriteStrip* Catalogue::FindStrip(std::string_view name) const {
    const Item* item = Find(name);
    return item ? item->strip.get() : nullptr;
}

const Image* Catalogue::FindPieceImage(std::string_view name, int32_t piece) const {
    const Item* item = Find(name);
    if (!item || piece < 0 || piece >= static_cast<int32_t>(item->pieceImages.size())) return nullptr;
    return &item->pieceImages[static_cast<size_t>(piece)];
}

const Sprite* Catalogue::FindPieceSprite(std::string_view name, int32_t piece) const {
    const Item* item = Find(name);
    if (!item || piece < 0 || piece >= static_cast<int32_t>(item->pieceSprites.size())) return nullptr;
    return item->pieceSprites[static_cast<size_t>(piece)].get();
}

Sound* Catalogue::FindSound(std::string_view name) const {
    const Item* item = Find(name);
    if (!item) return nullptr;
    Sound* best = nullptr;
    for (const auto& sound : item->sounds)
        if (sound->IsLoaded() && (!best || sound->GetInstanceCount() > best->GetInstanceCount())) best = sound.get();
    return best;
}

const Font* Catalogue::FindFont(std::string_view name) const {
    const Item* item = Find(name);
    return item ? item->font.get() : nullptr;
}

BoardMedia Catalogue::BoardPictures(const std::array<int32_t, kBallColours>& colourOrder) const {
    BoardMedia media;
    for (int32_t c = 0; c < kBallColours; ++c) media.track.balls[c] = Ball(colourOrder[static_cast<size_t>(c)]);
    media.track.robot = FindStrip("graphics\\Robot");
    media.launcher.base = FindSprite("graphics\\Launcher");
    media.launcher.light = FindSprite("graphics\\LauncherLight");
    EffectImages& effects = media.effects;
    effects.coin = FindStrip("graphics\\Coin");
    effects.gemHalo = FindSprite("Graphics\\GemHalo");
    effects.bonusItems = FindStrip("Graphics\\BonusItems");
    effects.fireball = FindStrip("graphics\\fireball");
    effects.bomb = FindSprite("graphics\\Bomb");
    effects.wickSegment = FindSprite("graphics\\WickSegment");
    effects.spark = FindSprite("graphics\\Spark");
    effects.speck = FindSprite("graphics\\Speck");
    const char* smoke[EffectImages::kSmokeCount] = {"graphics\\Smoke1", "graphics\\Smoke2", "graphics\\Smoke3"};
    for (int32_t i = 0; i < EffectImages::kSmokeCount; ++i) effects.smoke[i] = FindSprite(smoke[i]);
    effects.poof = FindSprite("graphics\\Poof");
    media.flash = FindSprite("graphics\\Halo");
    const char* stars[BoardMedia::kSparkCount] = {"graphics\\Star1", "graphics\\Star2", "graphics\\Star3"};
    for (int32_t i = 0; i < BoardMedia::kSparkCount; ++i) media.sparks[i] = FindSprite(stars[i]);
    media.explosion = FindSprite("graphics\\explosion");
    media.swirl = FindSprite("Graphics\\Swirl");
    media.rewindCaption = FindSprite("Graphics\\REDO");
    effects.firework = FindSound("Sounds\\FIREWORK");
    media.titleFont = FindFont("Fonts\\ArialBlack20Bold");
    media.floaterFont = FindFont("Fonts\\ArialBlack16Bold");
    return media;
}
