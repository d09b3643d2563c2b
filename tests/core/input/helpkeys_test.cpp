// The help page's key table is written by hand; every key it names must do something, so a
// key that is renamed or dropped from the key map cannot stay documented.
#include "input/keymap.h"
#include "input/virtualkey.h"
#include "keytestsupport.h"
#include "settings/settingsrecord.h"

#include <QFile>
#include <QRegularExpression>
#include <cstring>
#include <gtest/gtest.h>
#include <map>

namespace {

namespace VK = VirtualKey;

const std::map<QString, int> kKeyNames = {
    {"Space", VK::Space},    {"Esc", VK::Escape},    {"Enter", VK::Return},
    {"Left", VK::Left},      {"Right", VK::Right},   {"Up", VK::Up},
    {"Down", VK::Down},      {"Num+", VK::Add},      {"Num-", VK::Subtract},
    {"Num*", VK::Multiply},  {"Num/", VK::Divide},   {"Page Up", VK::Prior},
    {"Page Down", VK::Next}, {"Home", VK::Home},     {"End", VK::End},
    {"Insert", VK::Insert},  {"Delete", VK::Delete}, {"` (grave accent)", VK::Grave},
    {"F1", VK::F1},          {"F4", VK::F4},         {"F9", VK::F9},
    {"F10", VK::F10},        {"F12", VK::F12},       {"0", VK::Key0},
};

// "Ctrl+Page Up" as a key and its modifiers; None when the name is unknown.
std::pair<int, TInputShift> ParseKey(QString name)
{
    TInputShift shift;
    const std::pair<const char *, TInputFlag> modifiers[]
        = {{"Ctrl+", TInputFlag::Ctrl}, {"Alt+", TInputFlag::Alt}, {"Shift+", TInputFlag::Shift}};
    for (bool found = true; found;) {
        found = false;
        for (const auto &[prefix, flag] : modifiers) {
            if (name.startsWith(QLatin1String(prefix)) && name.size() > int(strlen(prefix))) {
                shift |= flag;
                name = name.mid(int(strlen(prefix)));
                found = true;
            }
        }
    }
    if (const auto known = kKeyNames.find(name); known != kKeyNames.end())
        return {known->second, shift};
    if (name.size() == 1 && name.at(0).isUpper())
        return {name.at(0).unicode(), shift};
    return {VK::None, shift};
}

// The first cells of the rows of the page's key table.
QStringList DocumentedKeys()
{
    QFile page(QStringLiteral(TAVREL_HELP_PAGE));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(page.readAll());
    const qsizetype start = text.indexOf(QLatin1String("<h2>Keys</h2>"));
    const qsizetype end = text.indexOf(QLatin1String("</table>"), start);
    QStringList keys;
    static const QRegularExpression row(QStringLiteral("<tr><td>([^<]+)</td>"));
    for (auto match = row.globalMatch(text.mid(start, end - start)); match.hasNext();) {
        for (const QString &alternative :
             match.next().captured(1).split(QRegularExpression(QStringLiteral(" / |, "))))
            keys.append(alternative.trimmed());
    }
    return keys;
}

TEST(HelpPageKeys, EveryDocumentedKeyDoesSomething)
{
    const QStringList keys = DocumentedKeys();
    ASSERT_GT(keys.size(), 30) << "the key table of the help page was not found";
    TInputState idle;
    const TInputState states[] = {playingFile(), idle};
    const TSettingsRecord settings;
    for (const QString &key : keys) {
        const auto [virtualKey, shift] = ParseKey(key);
        ASSERT_NE(virtualKey, VK::None) << key.toStdString();
        bool acts = false;
        for (const TInputState &state : states)
            acts = acts || !KeyDown(virtualKey, shift, state, settings).empty();
        EXPECT_TRUE(acts) << key.toStdString();
    }
}

} // namespace
