#pragma once

#include "sharedlibrary.h"
#include "tavrel/plugin.h"

#include <QString>

// One accepted library, in load order. The plug-in stores its callback in `Callback`
// through the address it is given; the host reads the field at every dispatch.
struct TPluginRecord
{
    QString FileName; // without the folder
    TSharedLibrary Module;
    TVL_InfoFunction Info = nullptr;
    TVL_NameFunction Name = nullptr;
    TVL_VoidFunction Start = nullptr;
    TVL_VoidFunction Stop = nullptr;
    TVL_VoidFunction Config = nullptr;
    TVL_VoidFunction About = nullptr;
    TVL_ImportFunction Import = nullptr;
    TVL_Callback Callback = nullptr;
};
