#pragma once

#include <QStringView>

// The masks of every video file the player offers: the open dialog's filter and the
// disc search share them (playlist files have their own list beside their reader).
namespace MediaMasks {

inline constexpr QStringView kVideo
    = u"*.MOV;*.QT;*.MP2;*.M2P;*.M2V;*.WMV;*.AVI;*.MPG;*.MPE;*.MPEG;*.ASF;*.DAT;*.DIVX;*.VOB;"
      u"*.MP4;VIDEO_TS.IFO;*.MKV;*.RM;*.RAM;*.RMVB;*.RPX;*.SMI;*.SMIL";

} // namespace MediaMasks
