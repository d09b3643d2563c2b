#include "settings/settingsrecord.h"

#include "settings/settingstable.h"

#include <cmath>

double TAspectPair::ratio() const
{
    if (y == 0)
        return 0.0;
    return std::fabs(static_cast<double>(x) / static_cast<double>(y));
}

namespace {

// Puts a row's default into the record.
struct DefaultWriter
{
    TSettingsRecord &record;
    const TSettingDef &def;

    void operator()(bool TSettingsRecord::*field) const { record.*field = def.intDefault != 0; }
    void operator()(int TSettingsRecord::*field) const { record.*field = def.intDefault; }
    void operator()(QString TSettingsRecord::*field) const
    {
        record.*field = QString::fromUtf8(def.textDefault);
    }
    void operator()(QRect TSettingsRecord::*field) const { record.*field = QRect(); }
    void operator()(QDateTime TSettingsRecord::*field) const
    {
        record.*field = QDateTime::currentDateTime();
    }
};

} // namespace

void applyDefault(TSettingsRecord &record, const TSettingDef &def)
{
    std::visit(DefaultWriter{record, def}, def.field);
}

TSettingsRecord::TSettingsRecord()
{
    for (const TSettingDef &def : settingsTable())
        applyDefault(*this, def);
    AspectPairs = aspectPairDefaults();
}
