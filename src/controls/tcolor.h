#pragma once

#include <QColor>
#include <QtGlobal>
// Colours are kept as forms and themes store them: 0x00BBGGRR.
using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;

QColor toQColor(TColor color);
TColor fromQColor(const QColor &color);
// The same colour as a pixel value of a 32-bit QImage.
QRgb toRgb(TColor color);
