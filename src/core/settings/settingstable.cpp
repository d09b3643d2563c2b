#include "settings/settingstable.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace {

using R = TSettingsRecord;

// TSettingDef::type() reads the type from the position of the field's alternative.
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(TSettingType::Bool), TSettingField>,
                   bool R::*>);
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(TSettingType::Int), TSettingField>,
                   int R::*>);
static_assert(std::is_same_v<
              std::variant_alternative_t<static_cast<int>(TSettingType::String), TSettingField>,
              QString R::*>);
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(TSettingType::Rect), TSettingField>,
                   QRect R::*>);
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(TSettingType::Time), TSettingField>,
                   QDateTime R::*>);
using G = TLoadGroup;

constexpr int kMaxVolume = 10000;
constexpr int kMaxPercent = 100;
constexpr int kMaxLanguageId = 0xFFFF;
constexpr int kMaxIniSize = 32767;

// clang-format off
const TSettingDef kTable[] = {
    // Main key, in the documented order.
    {.name = "FSScale", .field = &R::FSScale, .group = G::Creation, .intDefault = 1, .dialogControl = "cb13", .nextStart = true},
    {.name = "RestSize", .field = &R::RestSize, .group = G::Creation},
    {.name = "PlayListRestSize", .field = &R::PlayListRestSize, .group = G::Creation},
    {.name = "Lang", .field = &R::Lang, .group = G::Creation, .dialogControl = "LangSelect", .nextStart = true},
    {.name = "Theme_Name", .field = &R::Theme_Name, .group = G::Creation, .textDefault = "Default", .dialogControl = "ThemeSelect", .nextStart = true},
    {.name = "RightMouseMode", .field = &R::RightMouseMode, .group = G::Creation, .intDefault = 1, .dialogControl = "rb5"},
    {.name = "KeyFramesSupport", .field = &R::KeyFramesSupport, .group = G::Creation, .intDefault = 1, .dialogControl = "clb2", .dialogItem = 10},
    {.name = "ShowCurent", .field = &R::ShowCurent, .group = G::Creation, .intDefault = 1},
    {.name = "Volume", .field = &R::Volume, .group = G::FirstPaint, .intDefault = kMaxVolume, .minimum = 0, .maximum = kMaxVolume},
    {.name = "Version", .field = &R::Version, .group = G::StartupBookkeeping},
    {.name = "StartDate", .field = &R::StartDate, .group = G::StartupBookkeeping},
    {.name = "CountStart", .field = &R::CountStart, .group = G::StartupBookkeeping, .minimum = 0},
    {.name = "OnEndToPlay", .field = &R::OnEndToPlay, .group = G::FirstPaint, .dialogControl = "clb2", .dialogItem = 4},
    {.name = "StartShowPlayPanel", .field = &R::StartShowPlayPanel, .group = G::FirstPaint},
    {.name = "MenuIconPlay_Drive", .field = &R::MenuIconPlay_Drive, .group = G::FirstPaint, .dialogControl = "cb17"},
    {.name = "MenuIconPlay_CD", .field = &R::MenuIconPlay_CD, .group = G::FirstPaint, .intDefault = 1, .dialogControl = "cb6"},
    {.name = "MenuIconPlay_PL", .field = &R::MenuIconPlay_PL, .group = G::FirstPaint, .intDefault = 1, .dialogControl = "cb7"},
    {.name = "CancelAutoPlay", .field = &R::CancelAutoPlay, .group = G::FirstPaint, .intDefault = 1, .dialogControl = "cb8"},
    {.name = "TOPMOST", .field = &R::TOPMOST, .group = G::FirstPaint},
    {.name = "NoReklama", .field = &R::NoReklama, .group = G::FirstPaint, .dialogControl = "cb9"},
    {.name = "PlayFisicCrashCD", .field = &R::PlayFisicCrashCD, .group = G::FirstPaint, .dialogControl = "cb10", .nextStart = true},
    {.name = "SavePos.Enabled", .field = &R::SavePos_Enabled, .group = G::FirstPaint, .dialogControl = "cb11"},
    {.name = "HardPropImage", .field = &R::HardPropImage, .group = G::FirstPaint, .dialogControl = "cb12"},
    {.name = "StartPlaySetFullScreen", .field = &R::StartPlaySetFullScreen, .group = G::FirstPaint, .dialogControl = "clb2", .dialogItem = 1},
    {.name = "StartPlayHidePlayList", .field = &R::StartPlayHidePlayList, .group = G::FirstPaint, .dialogControl = "clb2", .dialogItem = 2},
    {.name = "MinimizeToTray", .field = &R::MinimizeToTray, .group = G::FirstPaint, .intDefault = 1, .dialogControl = "clb2", .dialogItem = 6},
    {.name = "PnPlayAutoShowHide", .field = &R::PnPlayAutoShowHide, .group = G::FirstPaint, .dialogControl = "clb2", .dialogItem = 8},
    {.name = "PlayListParentYes", .field = &R::PlayListParentYes, .group = G::FirstPaint},
    {.name = "LockStatus", .field = &R::LockStatus, .group = G::FirstPaint, .dialogControl = "cb20"},
    {.name = "LockUpTimeCPU", .field = &R::LockUpTimeCPU, .group = G::FirstPaint, .dialogControl = "cb21"},
    {.name = "LockSound", .field = &R::LockSound, .group = G::FirstPaint, .dialogControl = "cb23"},
    {.name = "LockZoom", .field = &R::LockZoom, .group = G::FirstPaint, .dialogControl = "cb24"},
    {.name = "NoHideLineIsMouse", .field = &R::NoHideLineIsMouse, .group = G::FirstPaint, .dialogControl = "cb27"},
    {.name = "NoHideIconIsMouse", .field = &R::NoHideIconIsMouse, .group = G::FirstPaint, .dialogControl = "cb28"},
    {.name = "Param.CaptionScale", .field = &R::Param_CaptionScale, .group = G::FirstPaint, .intDefault = 1, .dialogControl = "cb30"},
    {.name = "HighPriopitet", .field = &R::HighPriopitet, .group = G::FirstPaint, .dialogControl = "clb2", .dialogItem = 7},
    {.name = "MinimizePause", .field = &R::MinimizePause, .group = G::FirstPaint, .dialogControl = "clb2", .dialogItem = 9},
    {.name = "SavePos.LenFilm", .field = &R::SavePos_LenFilm, .group = G::FirstPaint, .intDefault = 30, .minimum = 0, .dialogControl = "e1"},
    {.name = "SavePos.LenStart", .field = &R::SavePos_LenStart, .group = G::FirstPaint, .intDefault = 10, .minimum = 0, .dialogControl = "e2"},
    {.name = "SavePos.LenEnd", .field = &R::SavePos_LenEnd, .group = G::FirstPaint, .intDefault = 2, .minimum = 0, .dialogControl = "e3"},
    {.name = "QuickVolume", .field = &R::QuickVolume, .group = G::FirstPaint, .minimum = 0, .maximum = kMaxPercent, .dialogControl = "e4"},
    {.name = "LangDVDTitle", .field = &R::LangDVDTitle, .group = G::FirstPaint, .minimum = 0, .maximum = kMaxLanguageId, .dialogControl = "cbLang"},
    {.name = "PictureInterval", .field = &R::PictureInterval, .group = G::FirstPaint, .intDefault = 5, .minimum = 0},
    {.name = "LeftMouseMode", .field = &R::LeftMouseMode, .group = G::FirstPaint, .intDefault = 1, .minimum = 1, .maximum = 3, .dialogControl = "rb1/rb2/rb6"},
    {.name = "LeftMouseModeTray", .field = &R::LeftMouseModeTray, .group = G::FirstPaint, .intDefault = 1, .minimum = 1, .maximum = 2, .dialogControl = "rb3/rb4"},
    {.name = "ShowMainMenuMode", .field = &R::ShowMainMenuMode, .group = G::FirstPaint, .minimum = 0, .maximum = 1, .dialogControl = "cb25"},
    {.name = "SeekSmall", .field = &R::SeekSmall, .group = G::FirstPaint, .intDefault = 10, .minimum = 0, .dialogControl = "e6"},
    {.name = "SeekLarge", .field = &R::SeekLarge, .group = G::FirstPaint, .intDefault = 60, .minimum = 0, .dialogControl = "e7"},
    {.name = "TimeShowLine", .field = &R::TimeShowLine, .group = G::FirstPaint, .intDefault = 30, .minimum = 0, .dialogControl = "e8"},
    {.name = "TimeShowIcon", .field = &R::TimeShowIcon, .group = G::FirstPaint, .intDefault = 10, .minimum = 0, .dialogControl = "e9"},
    {.name = "TimeShowMenu", .field = &R::TimeShowMenu, .group = G::FirstPaint, .intDefault = 30, .minimum = 0, .dialogControl = "e10"},
    {.name = "Select_Drive", .field = &R::Select_Drive, .group = G::FirstPaint, .dialogControl = "e5"},
    {.name = "AudioRender.Name", .field = &R::AudioRender_Name, .group = G::FirstPaint, .textDefault = "Default DirectSound Device", .dialogControl = "lbAudRend"},
    {.name = "AudioRender.GUID", .field = &R::AudioRender_GUID, .group = G::FirstPaint, .textDefault = "{79376820-07D0-11CF-A24D-0020AFD79767}", .dialogControl = "lbAudRend"},
    {.name = "StatrShPL", .field = &R::StatrShPL, .group = G::FirstPaint},
    {.name = "ExitNoSaveOne", .field = &R::ExitNoSaveOne, .dialogControl = "clb2", .dialogItem = 5},
    {.name = "PlayList", .field = &R::PlayList},
    {.name = "UnInfoRestSize", .field = &R::UnInfoRestSize},
    {.name = "SubtitlesOn", .field = &R::SubtitlesOn, .group = G::FirstPaint, .intDefault = 1},
    {.name = "SubtitleLanguage", .field = &R::SubtitleLanguage, .group = G::FirstPaint},
    {.name = "PlacesBar", .field = &R::PlacesBar},

    // Subkeys.
    {.name = "Hard_Brightness", .field = &R::Hard_Brightness, .place = TSettingPlace::SubKey, .section = "ImpProp", .intDefault = 750},
    {.name = "Hard_Contrast", .field = &R::Hard_Contrast, .place = TSettingPlace::SubKey, .section = "ImpProp", .intDefault = 10000},
    {.name = "Hard_Saturation", .field = &R::Hard_Saturation, .place = TSettingPlace::SubKey, .section = "ImpProp", .intDefault = 10000},
    {.name = "Brightness", .field = &R::Balance_Brightness, .place = TSettingPlace::SubKey, .section = "Balance", .minimum = -127, .maximum = 128},
    {.name = "Contrast", .field = &R::Balance_Contrast, .place = TSettingPlace::SubKey, .section = "Balance", .minimum = -127, .maximum = 128},
    {.name = "Saturation", .field = &R::Balance_Saturation, .place = TSettingPlace::SubKey, .section = "Balance", .minimum = -127, .maximum = 128},
    {.name = "Path", .field = &R::ThisFile_Path, .place = TSettingPlace::SubKey, .section = "ThisFile"},
    {.name = "Caption", .field = &R::ThisFile_Caption, .place = TSettingPlace::SubKey, .section = "ThisFile"},

    // "tavrel.ini". Only "ext" is ever written; the sizes are edited by hand.
    {.name = "ext", .field = &R::Main_ext, .group = G::IniFile, .place = TSettingPlace::Ini, .section = "Main", .dialogControl = "clb1"},
    {.name = "width_int", .field = &R::playlist_width_int, .group = G::IniFile, .place = TSettingPlace::Ini, .section = "playlist", .intDefault = 250, .minimum = 1, .maximum = kMaxIniSize, .nextStart = true},
    {.name = "height_int", .field = &R::playlist_height_int, .group = G::IniFile, .place = TSettingPlace::Ini, .section = "playlist", .intDefault = 150, .minimum = 1, .maximum = kMaxIniSize, .nextStart = true},
    {.name = "f_width_int", .field = &R::playlist_f_width_int, .group = G::IniFile, .place = TSettingPlace::Ini, .section = "playlist", .intDefault = 370, .minimum = 1, .maximum = kMaxIniSize, .nextStart = true},
    {.name = "f_height_int", .field = &R::playlist_f_height_int, .group = G::IniFile, .place = TSettingPlace::Ini, .section = "playlist", .intDefault = 262, .minimum = 1, .maximum = kMaxIniSize, .nextStart = true},
    {.name = "sound1", .field = &R::sound_sound1, .group = G::IniFile, .place = TSettingPlace::Ini, .section = "sound", .langTextDefault = 31, .nextStart = true},
    {.name = "sound2", .field = &R::sound_sound2, .group = G::IniFile, .place = TSettingPlace::Ini, .section = "sound", .langTextDefault = 32, .nextStart = true},
};

const TSettingField kExitSaveOrder[] = {
    &R::Volume, &R::TOPMOST, &R::StatrShPL, &R::PlayListParentYes, &R::StartShowPlayPanel,
    &R::ShowCurent, &R::RestSize, &R::PlayListRestSize,
};
// clang-format on

const std::array<TAspectPair, 4> kAspectPairDefaults
    = {TAspectPair{3, 4}, TAspectPair{9, 16}, TAspectPair{4, 5}, TAspectPair{10, 16}};

} // namespace

std::span<const TSettingDef> settingsTable()
{
    return kTable;
}

const TSettingDef *findSetting(const TSettingField &field)
{
    const auto *row = std::find_if(std::begin(kTable), std::end(kTable),
                                   [&](const TSettingDef &def) { return def.field == field; });
    return row == std::end(kTable) ? nullptr : row;
}

std::span<const TSettingField> exitSaveOrder()
{
    return kExitSaveOrder;
}

const std::array<TAspectPair, 4> &aspectPairDefaults()
{
    return kAspectPairDefaults;
}
