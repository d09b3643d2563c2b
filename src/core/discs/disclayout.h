#pragma once

#include <QString>

// The home-made video disc layouts recognised by their marker files. The values are the
// stored kinds 1..5; 0 is none of them.
enum class TDiscLayout {
    None = 0,
    FlyVcd = 1,       // FlyVCD.exe + VIDEOCD.MLS
    DivXPlayer = 2,   // DivX_Player.exe + DATA\All.dat
    MovieReadme = 3,  // movie.avi + README.TXT
    AutorunInfo = 4,  // AUTORUN.INF naming an info file
    MovieMachine = 5, // Mmach32.exe + mmachine.ini
};

// The first layout whose marker files exist at the disc's root folder (names compared
// without regard to case); None when no layout fits.
TDiscLayout DetectDiscLayout(const QString &rootFolder);
