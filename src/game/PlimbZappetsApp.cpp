#include "game/PlimbZappetsApp.h"

#include <utility>

#include "core/IOBuffer.h"
#include "core/Log.h"
#include "core/Random.h"
#include "game/InfoBox.h"
#include "game/TitleScreen.h"
#include "game/Transition.h"
#include "game/attract/AttractMode.h"
#include "game/journey/DifficultyMenu.h"
#include "game/menus/EnterYourName.h"
#include "game/play/CommandLinePlay.h"
#include "game/play/Game.h"
#include "media/Graphics.h"
#include "media/Image.h"
#include "media/Sound.h"
#include "platform/ScreenSaver.h"
#include "platform/WindowMessages.h"

namespace {
constexpr const char* kHighScoreFile = "HighScoreJourney.SCORE";
constexpr const char* kStatsFile = "Stats.DAT";
constexpr const char* kIconPicture = "Graphics\\Icon";
constexpr const char* kYesNoKind = "YESNO";
constexpr int32_t kFirstTableStep = kStepPlayfieldSprites;
constexpr int32_t kLastTableStep = kStepConfiguration;
constexpr const char* kBallStrip = "graphics\\balls\\%d";  // colour + 1

PlimbZappetsApp* gGameApp = nullptr;
}  // namespace

PlimbZappetsApp* GetGameApp() { return gGameApp; }

PlimbZappetsApp::PlimbZappetsApp() : attract(std::make_unique<AttractMode>(*this)) {
    gGameApp = this;
    SetName(kName);
    SetVersion(kVersion);
    mCompany = kCompany;
    for (int32_t i = 0; i < Catalogue::kBallColours; ++i) colourOrder[static_cast<size_t>(i)] = i;
    for (int32_t p = 0; p < Catalogue::kBallColours; ++p)
        std::swap(colourOrder[static_cast<size_t>(p)],
                  colourOrder[static_cast<size_t>(GetRandom().Next(Catalogue::kBallColours))]);
}

PlimbZappetsApp::~PlimbZappetsApp() {
    // A screen waiting under the demonstration goes back to its list first.
    attract.reset();
    // The screens leave the tree before the framework takes it down.
    if (keptJourneyMap) keptJourneyMap.reset();
    // A restored game waiting for its transition is held by its slot only.
    DestroyGame();
    // Screens closed in the last step go too: the game screen saves the
    // statistics through this application as it goes.
    mGadgets.DeleteKilled();
    mGadgets.Clear();
    if (gGameApp == this) gGameApp = nullptr;
}

void PlimbZappetsApp::Initialize(const LaunchOptions& launch) {
    GetGraphics().SetResolution(kScreenWidth, kScreenHeight);
    App::Initialize(launch);
    if (IsQuitting()) return;
    Image icon;
    if (icon.Load(kIconPicture)) mWindow.SetIcon(icon.Pixels(), icon.Width(), icon.Height());
    title = new TitleScreen(*this);
    mGadgets.Add(title);
    Log::Line("Screen: %s", title->mName);
    if (CommandLinePlay::IsWanted(launch)) commandLinePlay = std::make_unique<CommandLinePlay>(*this, launch);
}

void PlimbZappetsApp::Update() {
    if (commandLinePlay) commandLinePlay->BeforeUpdate();
    attract->BeforeUpdate();
    App::Update();
}

void PlimbZappetsApp::AfterUpdate() {
    UpdateScreenSaver();
    // Before the frame is drawn, so that a screen that has just come up has its pictures.
    if (mLoaded) {
        // The high scores borrow the map's back button.
        catalogue.WantPictures(Catalogue::PictureGroup::Temple, IsShown(journeyMap) || IsShown(highScoreScreen));
        catalogue.WantPictures(Catalogue::PictureGroup::Menus,
                               !IsShown(game) || IsShown(mainMenu) || IsShown(highScoreScreen));
    }
    if (commandLinePlay) commandLinePlay->AfterUpdate();
    FollowMusic();
}

void PlimbZappetsApp::Quit() {
    if (!mQuit) {
        if (commandLinePlay) commandLinePlay->OnQuit();
        // Before loading finished nothing of the run could have changed.
        if (mLoaded) SaveRun();
    }
    App::Quit();
}

void PlimbZappetsApp::SaveRun() {
    SaveJourney();
    SaveStats();
    if (!highScores.Save()) Log::Line("Could not write %s", kHighScoreFile);
}

void PlimbZappetsApp::OnFocusChange(bool active) {
    App::OnFocusChange(active);
    if (!active) PauseForDesktop();
}

bool PlimbZappetsApp::HandleWindowMessage(uint32_t, uint32_t message, uint32_t wparam, uint32_t lparam) {
    if (message == WindowMessage::Size && wparam == SizeMinimized) PauseForDesktop();
    // True only when the demonstration swallows the input that ends it.
    return attract->OnWindowMessage(message, lparam);
}

void PlimbZappetsApp::PauseForDesktop() {
    // The game stops without its menu; the player clicks (or presses a key) to go on.
    Game* playing = CurrentGame();
    if (playing && !playing->PauseMenu() && !playing->gameOver) playing->PausePlay();
}

void PlimbZappetsApp::UpdateScreenSaver() {
    const Game* playing = CurrentGame();
    bool inPlay = playing && playing->CurrentBoard() && !playing->paused && !playing->gameOver && !CurrentLevelUp();
    if (inPlay == screenSaverHeld) return;
    screenSaverHeld = inPlay;
    AllowScreenSaver(!inPlay);
    Log::Line("Screen saver %s", inPlay ? "held off" : "allowed");
}

// --- loading -----------------------------------------------------------

void PlimbZappetsApp::LoadHighScores() {
    highScores.SetSize(HighScoreList::kGameSize);
    highScores.Load(SharedFilePath(kHighScoreFile));
    OfferDefaultHighScores(highScores);
}

bool PlimbZappetsApp::LoadStep(int32_t step) {
    catalogue.BeginStep(step);
    const std::vector<ResourceEntry>& table = ResourceCatalogue();
    auto loadOne = [&](const ResourceEntry& entry) {
        catalogue.Load(entry);
        loadProgress += entry.progress;
        return !mQuit;
    };
    if (step == kStepPlayfieldSprites) {
        // The ball colours come first, in the journey's colour order, so the
        // title screen can roll each colour as soon as its strip is complete.
        for (int32_t colour : colourOrder) {
            String name = String::Format(kBallStrip, colour + 1);
            for (const ResourceEntry& entry : table) {
                if (entry.step != step || !name.EqualsIgnoreCase(entry.name)) continue;
                bool goOn = loadOne(entry);
                ++coloursLoaded;
                if (!goOn) return false;
            }
        }
    }
    for (const ResourceEntry& entry : table) {
        if (entry.step != step || Catalogue::IsBallStrip(entry.name)) continue;
        if (!loadOne(entry)) return false;
    }
    return true;
}

void PlimbZappetsApp::LoadResources() {
    loadProgress = 0;
    LoadHighScores();
    profiles.Initialize(GetConfigPath(), GetDataFolder());
    LoadStats();
    ++loadProgress;  // high scores and profiles count as one step
    if (mQuit) return;
    for (int32_t step = kFirstTableStep; step <= kLastTableStep; ++step)
        if (!LoadStep(step)) break;
    catalogue.EndLoading();
}

void PlimbZappetsApp::OnLoadingComplete() {
    if (title) title->ShowPlayButton();
    if (commandLinePlay) commandLinePlay->Start();
}

void PlimbZappetsApp::PlaySound(const char* name, float volume) const {
    if (Sound* sound = catalogue.FindSound(name)) sound->Play(volume);
}

bool PlimbZappetsApp::ShowMessage(const String& heading, const String& text, const String& kind) {
    auto* box = new InfoBox(*this, kind.EqualsIgnoreCase(kYesNoKind));
    Log::Line("Message: %s", heading.c_str());
    box->SetText(text);
    int32_t result = box->RunModal();
    box->Kill();
    return result == 1;
}

// --- files -------------------------------------------------------------

String PlimbZappetsApp::SharedFilePath(const String& name) const { return GetDataFolder() + "/" + name; }

void PlimbZappetsApp::LoadStats() {
    stats.fill(0);
    IOBuffer buffer;
    if (!buffer.LoadFile(profiles.ProfileFilePath(kStatsFile))) return;
    for (int32_t& value : stats) value = buffer.ReadInt();
}

bool PlimbZappetsApp::OfferHighScore() {
    if (!highScores.Qualifies(score)) return false;
    String name;
    if (!RunNameEntry(*this, name)) return false;
    EnterHighScore(name);
    return true;
}

void PlimbZappetsApp::EnterHighScore(const String& name) {
    highScoreRank = highScores.RankOf(score);
    highScores.Insert(name, score);
    if (!highScores.Save()) Log::Line("Could not write %s", kHighScoreFile);
}

void PlimbZappetsApp::SaveStats() {
    IOBuffer buffer;
    for (int32_t value : stats) buffer.WriteInt(value);
    if (!buffer.SaveFile(profiles.ProfileFilePath(kStatsFile))) Log::Line("Could not write %s", kStatsFile);
}
