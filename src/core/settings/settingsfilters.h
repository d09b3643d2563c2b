#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// What the settings dialog's edit boxes let through and what they turn a typed text into.
// Plain text rules, so that the dialog only forwards key presses and text changes.
namespace SettingsFilters {

// The number in an edit box, or the fallback when the text is not a whole number.
int NumberOr(const QString &text, int fallback);

// The quick-volume percent after a change: not a number gives "100", the rest is held to
// 0..100.
QString PercentText(const QString &text);

// One side of an aspect pair after a change: not a number or 0 gives "1", a negative
// number loses its sign.
QString AspectText(const QString &text);

// A key typed into the drive-letter edit: upper-cased, a Cyrillic letter becomes the Latin
// letter on the same key of the keyboard; Latin letters pass; anything else is dropped
// (no value). Backspace is handled by the caller.
std::optional<QChar> DriveKey(QChar typed);

// The drive-letter text after a change: only letters of the optical drives present
// (opticalLetters, upper case), each once, the first occurrence kept.
QString DriveLetters(const QString &text, const QString &opticalLetters);

// Where the caret goes when DriveLetters removed characters: it keeps the number of
// surviving characters that stood before it.
int CaretAfterFilter(const QString &before, int caret, const QString &opticalLetters);

// Cuts a text at every occurrence of the separator; the parts are trimmed and only the
// non-empty ones are kept, in order.
QStringList SplitList(const QString &text, QChar separator);

} // namespace SettingsFilters
