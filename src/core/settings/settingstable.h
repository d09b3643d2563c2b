#pragma once

#include "settings/settingsrecord.h"

#include <climits>
#include <span>
#include <variant>

// Where a value lives: the main settings key, one of its subkeys, or "tavrel.ini".
enum class TSettingPlace { MainKey, SubKey, Ini };

// When a value is read.
enum class TLoadGroup {
    Creation,           // main window creation
    IniFile,            // main window creation, after Creation: "tavrel.ini" (and the aspect pairs)
    FirstPaint,         // first paint of the main window
    StartupBookkeeping, // first paint, only when started without arguments
    OnDemand            // read by the code that uses it, when it needs it
};

enum class TSettingType { Bool, Int, String, Rect, Time };

using TSettingField
    = std::variant<bool TSettingsRecord::*, int TSettingsRecord::*, QString TSettingsRecord::*,
                   QRect TSettingsRecord::*, QDateTime TSettingsRecord::*>;

// One stored setting. The type follows from the field; rect values default to an empty
// rectangle and time values to the current local time.
struct TSettingDef
{
    const char *name = nullptr; // value name (ini: key)
    TSettingField field;        // where the record keeps it
    TLoadGroup group = TLoadGroup::OnDemand;
    TSettingPlace place = TSettingPlace::MainKey;
    const char *section = nullptr; // subkey or ini section
    int intDefault = 0;            // bool (0/1) and int
    const char *textDefault = "";  // string
    int langTextDefault = -1;      // string whose default is this language text (ini only)
    int minimum = INT_MIN;         // int range; a stored value outside it reads as the default
    int maximum = INT_MAX;
    const char *dialogControl = nullptr; // settings dialog control(s) that edit it, "/" between
    int dialogItem = -1;                 // item of a check list box control, 1-based
    bool nextStart = false;              // a change takes effect at the next start

    TSettingType type() const { return static_cast<TSettingType>(field.index()); }
    bool inDialog() const { return dialogControl != nullptr; }
};

// Every stored setting except the aspect pairs and the resume positions, main-key values in
// their documented order.
std::span<const TSettingDef> settingsTable();

// The row that stores a field; nullptr for a field that the table does not hold.
const TSettingDef *findSetting(const TSettingField &field);

// The values written at exit, in the order they are written (the playlist goes first and is
// decided separately).
std::span<const TSettingField> exitSaveOrder();

// The aspect pairs a missing or unusable stored pair falls back to, pair 1 first.
const std::array<TAspectPair, 4> &aspectPairDefaults();

// Puts the row's default into the record.
void applyDefault(TSettingsRecord &record, const TSettingDef &def);
