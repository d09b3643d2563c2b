#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>
#include <array>

// One user aspect ratio x:y of the zoom commands.
struct TAspectPair
{
    int x = 0;
    int y = 0;

    // The ratio the zoom commands use; never negative.
    double ratio() const;
};

// Every stored setting as a plain field, named after its stored value (dots become
// underscores). A default-constructed record holds every default of the settings table;
// the table (settingstable.h) is the only place that names the stored keys.
struct TSettingsRecord
{
    TSettingsRecord();

    // Main key, read at window creation.
    bool FSScale;
    QRect RestSize;
    QRect PlayListRestSize;
    QString Lang;
    QString Theme_Name;
    bool RightMouseMode;
    bool KeyFramesSupport;
    bool ShowCurent;

    // Main key, read at the first paint (Volume first, then the start-up bookkeeping).
    int Volume;
    QString Version;
    QDateTime StartDate;
    int CountStart;
    bool OnEndToPlay;
    bool StartShowPlayPanel;
    bool MenuIconPlay_Drive;
    bool MenuIconPlay_CD;
    bool MenuIconPlay_PL;
    bool CancelAutoPlay;
    bool TOPMOST;
    bool NoReklama;
    bool PlayFisicCrashCD;
    bool SavePos_Enabled;
    bool HardPropImage;
    bool StartPlaySetFullScreen;
    bool StartPlayHidePlayList;
    bool MinimizeToTray;
    bool PnPlayAutoShowHide;
    bool PlayListParentYes;
    bool LockStatus;
    bool LockUpTimeCPU;
    bool LockSound;
    bool LockZoom;
    bool NoHideLineIsMouse;
    bool NoHideIconIsMouse;
    bool Param_CaptionScale;
    bool HighPriopitet;
    bool MinimizePause;
    int SavePos_LenFilm;
    int SavePos_LenStart;
    int SavePos_LenEnd;
    int QuickVolume;
    int LangDVDTitle;
    int PictureInterval;
    int LeftMouseMode;
    int LeftMouseModeTray;
    int ShowMainMenuMode;
    int SeekSmall;
    int SeekLarge;
    int TimeShowLine;
    int TimeShowIcon;
    int TimeShowMenu;
    QString Select_Drive;
    QString AudioRender_Name;
    QString AudioRender_GUID;
    bool StatrShPL;

    // Main key, read only where they are used.
    bool ExitNoSaveOne;
    QString PlayList;
    QRect UnInfoRestSize;
    // The open dialog's sidebar folders, one line per place of the settings page (an empty
    // line keeps that place's default).
    QString PlacesBar;

    // Subtitles: shown at all, and the language chosen first (empty: the first
    // file or track).
    bool SubtitlesOn;
    QString SubtitleLanguage;

    // Subkey ImpProp: hardware picture settings.
    int Hard_Brightness;
    int Hard_Contrast;
    int Hard_Saturation;

    // Subkey Balance: the player's own balance stage, values -127..128.
    int Balance_Brightness;
    int Balance_Contrast;
    int Balance_Saturation;

    // Subkey ThisFile: the file handed over between instances.
    QString ThisFile_Path;
    QString ThisFile_Caption;

    // Subkey ar: the four user aspect ratios.
    std::array<TAspectPair, 4> AspectPairs;

    // "tavrel.ini".
    QString Main_ext;
    int playlist_width_int;
    int playlist_height_int;
    int playlist_f_width_int;
    int playlist_f_height_int;
    QString sound_sound1;
    QString sound_sound2;
};
