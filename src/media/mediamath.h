#pragma once

#include <QPoint>
#include <QSize>
#include <QtGlobal>

// Unit conversions of the media engine, kept free of the framework so that
// their rounding rules can be checked on their own.
namespace MediaMath {

constexpr qint64 UnitsPerSecond = 10'000'000; // media time: 100-ns units
constexpr int SilentVolume = -10000;          // hundredths of a decibel

// Volume bar position 0..10000 -> engine value: 10000 at the top, 0 at the
// bottom, 10000 * log(bar / 12) / log(834) truncated toward zero between
// (negative for bar positions 1..11).
int VolumeEngineValue(int bar);
// Engine value -> hundredths of a decibel (0 = full, -10000 = silent).
int VolumeFrameworkValue(int bar);
// Hundredths of a decibel -> linear amplitude; -10000 and below is silence.
double LinearVolume(int hundredthsDb);

// Frames <-> 100-ns units at fpsNum / fpsDen frames per second. Frame counts
// are truncated toward zero, as a frame that has not yet begun is not counted.
qint64 FramesToUnits(qint64 frames, int fpsNum, int fpsDen);
qint64 UnitsToFrames(qint64 units, int fpsNum, int fpsDen);
// Nanosecond stream time -> the frame it shows; timestamps of frame k may sit
// a nanosecond below k / fps, so this rounds to the nearest frame.
qint64 NanosecondsToNearestFrame(qint64 ns, int fpsNum, int fpsDen);
qint64 FramesToNanoseconds(qint64 frames, int fpsNum, int fpsDen);

// A point of a window showing a frame stretched over it -> the same place in
// the frame's pixels (clamped to the frame). Empty sizes give (-1, -1).
QPoint WindowToFrame(const QPoint &point, const QSize &window, const QSize &frame);

// A DVD time code (hours in the low byte, then minutes, seconds, frames) and
// whole seconds; frames are ignored and come back as 0.
int TimeCodeToSeconds(quint32 timeCode);
quint32 SecondsToTimeCode(int seconds);

} // namespace MediaMath
