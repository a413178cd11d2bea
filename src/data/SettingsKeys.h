#pragma once
// Every key of the settings files, in one place. "config.cfg" in the per-user
// data folder is shared by the graphics service, the audio service and the
// profile manager; each opens it, touches its own keys and closes it.

namespace SettingsKey {
// "config.cfg": display (graphics service)
inline constexpr const char* kScreenWidth = "DX::ScreenWidth";
inline constexpr const char* kScreenHeight = "DX::ScreenHeight";
inline constexpr const char* kColorDepth = "DX::ColorDepth";  // 16 or 32 bits per pixel
inline constexpr const char* kFullscreen = "DX::Fullscreen";
inline constexpr const char* kUseCustomCursors = "DX::UseCustomCursors";
inline constexpr const char* kVSync = "DX::VSync";
inline constexpr const char* kSafeMode = "DX::SafeMode";  // software rendering
inline constexpr const char* kConfirmHardware = "DX::ConfirmHardware";
// The window's client area on the desktop when the game last closed, in points.
inline constexpr const char* kWindowX = "Window::X";
inline constexpr const char* kWindowY = "Window::Y";
inline constexpr const char* kWindowWidth = "Window::Width";
inline constexpr const char* kWindowHeight = "Window::Height";

// "config.cfg": audio service, volumes 0-1
inline constexpr const char* kSoundVolume = "Audio::SoundVolume";
inline constexpr const char* kMusicVolume = "Audio::MusicVolume";

// "config.cfg": profile manager
inline constexpr const char* kProfiles = "Profiles";  // names joined with ","
inline constexpr const char* kCurrentProfile = "CurrentProfile";

// "HardwareTestResults/Hardware.registry", written by the hardware tester
inline constexpr const char* kHWTesterVersion = "HWTEST::HWTesterVersion";
inline constexpr const char* kHWDXVersion = "HWTEST::DXVersion";
inline constexpr const char* kHWDXVersionChanged = "HWTEST::DXVersionChanged";
inline constexpr const char* kHWCardGUID = "HWTEST::CardGUID";
inline constexpr const char* kHWCardChanged = "HWTEST::CardChanged";
inline constexpr const char* kHWDeviceDescription = "HWTEST::DeviceDescription";
inline constexpr const char* kHWSupportedCards = "HWTEST::SupportedCards";
inline constexpr const char* kHWSafeModeRecommended = "HWTEST::SafeModeRecommended";
inline constexpr const char* kHWSafeModeRequired = "HWTEST::SafeModeRequired";
inline constexpr const char* kHWFailReason = "HWTEST::FailReason";
inline constexpr const char* kHWWarnings = "HWTEST::Warnings";

// "cached/cacheinfo.cfg": the image cache's version
inline constexpr const char* kCacheVersion = "Version";
}  // namespace SettingsKey

// File names of the stores, relative to the per-user data folder.
namespace SettingsFile {
inline constexpr const char* kConfig = "config.cfg";
inline constexpr const char* kHardwareTestResults = "HardwareTestResults/Hardware.registry";
}  // namespace SettingsFile
