#include "tfmproperty.h"

#include "dvd/tdvdlanguagetable.h"
#include "isettingsdialoghost.h"
#include "settings/inifile.h"
#include "settings/openplaces.h"
#include "settings/settingsfilters.h"
#include "settings/settingsstore.h"
#include "tfileassociations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>

using namespace SettingsFilters;
using R = TSettingsRecord;

namespace {

constexpr int kAudioPage = 8;
const QString kDefaultTheme = QStringLiteral("Default");
const QString kBuiltInLanguage = QStringLiteral("Russian");
const QString kDefaultRenderer = QStringLiteral("Default");
constexpr int kPlaces = OpenPlaces::kCount;

bool DialogRow(const TSettingDef &def)
{
    return def.inDialog() && def.place != TSettingPlace::Ini;
}

QString ControlOf(const TSettingDef &def)
{
    return QString::fromLatin1(def.dialogControl);
}

// What an edit box stores when its text is not a number; where this differs from the
// setting's own default, the field that should stay off or full wins.
int FallbackOf(const TSettingDef &def)
{
    const auto *field = std::get_if<int R::*>(&def.field);
    if (field
        && (*field == &R::SavePos_LenFilm || *field == &R::SavePos_LenStart
            || *field == &R::SavePos_LenEnd))
        return 0;
    if (field && *field == &R::QuickVolume)
        return 100;
    return def.intDefault;
}

// Copies one table field from one record to another.
struct FieldCopy
{
    const TSettingsRecord &from;
    TSettingsRecord &to;

    template<class T>
    void operator()(T R::*field) const
    {
        to.*field = from.*field;
    }
};

} // namespace

QWidget *TfmProperty::Page(int index) const
{
    return pcon->widget(index);
}

void TfmProperty::ShowPage(int index)
{
    if (index < 0 || index >= kPages)
        return;
    pcon->setCurrentIndex(index);
    if (tw->topLevelItem(index) != tw->currentItem())
        tw->setCurrentItem(tw->topLevelItem(index));
    if (index == kAudioPage && !m_audioListed)
        FillAudioRenderers();
}

int TfmProperty::Execute()
{
    FormShow();
    return exec();
}

void TfmProperty::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
}

void TfmProperty::FormShow()
{
    m_filling = true;
    FillThemes();
    FillDvdLanguages();
    ApplyCaptions();
    TSettingsRecord record = m_host.RunningSettings();
    // Neither is kept by the running player as the store holds it.
    m_host.Store().load(record, &R::ExitNoSaveOne);
    m_host.Store().load(record, &R::FSScale);
    for (int i = 0; i < 4; ++i) {
        xEdits[i]->setText(QString::number(record.AspectPairs[i].x));
        yEdits[i]->setText(QString::number(record.AspectPairs[i].y));
    }
    cb15->setChecked(m_host.Associations().IsDvdDefault());
    FillControls(record);
    FillPlugins();
    FillLanguages();
    FillExtensions();
    // The outputs are listed once per showing, when their page is first looked at.
    lbAudRend->clear();
    m_audioListed = false;
    if (pcon->currentIndex() == kAudioPage)
        FillAudioRenderers();
    m_filling = false;
}

void TfmProperty::FillThemes()
{
    ThemeSelect->clear();
    const QDir folder(m_host.ProgramFolder() + QStringLiteral("theme"));
    ThemeSelect->addItems(folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    ThemeSelect->setCurrentIndex(ThemeSelect->findText(m_host.RunningSettings().Theme_Name));
}

void TfmProperty::FillDvdLanguages()
{
    if (cbLang->count() == 0) {
        cbLang->addItem(m_host.Text(153), 0);
        for (const TDvdLanguage &language : TDvdLanguageTable::All()) {
            const QString name = TDvdLanguageTable::DisplayName(language.Id);
            if (!name.isEmpty())
                cbLang->addItem(name, language.Id);
        }
    }
    const int at = cbLang->findData(m_host.RunningSettings().LangDVDTitle);
    cbLang->setCurrentIndex(at < 0 ? 0 : at);
}

void TfmProperty::FillLanguages()
{
    LangSelect->clear();
    LangSelect->addItem(kBuiltInLanguage);
    const QDir folder(m_host.ProgramFolder() + QStringLiteral("lang"));
    for (const QFileInfo &file :
         folder.entryInfoList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name)) {
        if (file.completeBaseName() != kBuiltInLanguage)
            LangSelect->addItem(file.completeBaseName());
    }
    // Without a stored choice the language is the one the player chose at start-up.
    QString current = m_host.RunningSettings().Lang;
    if (current.isEmpty())
        current = m_host.CurrentLanguage();
    const int at = LangSelect->findText(current);
    LangSelect->setCurrentIndex(at < 0 ? 0 : at);
}

void TfmProperty::FillPlugins()
{
    plList->clear();
    plList->addItems(m_host.PluginEntries());
}

void TfmProperty::FillExtensions()
{
    clb1->clear();
    TIniFile ini;
    ini.load(TSettingsStore::iniReadPath(m_host.ProgramFolder()));
    TSettingsRecord record;
    TSettingsStore::loadIni(record, ini, {});
    for (const QString &extension : SplitList(record.Main_ext, QLatin1Char(';'))) {
        auto *item = new QListWidgetItem(extension.toUpper(), clb1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_host.Associations().IsAssociated(extension) ? Qt::Checked
                                                                          : Qt::Unchecked);
    }
}

void TfmProperty::FillAudioRenderers()
{
    m_audioListed = true;
    lbAudRend->clear();
    auto *fallback = new QListWidgetItem(kDefaultRenderer, lbAudRend);
    fallback->setData(Qt::UserRole, QString());
    for (const QString &name : m_host.AudioRenderers()) {
        // Outputs are chosen by name; the name is the only identifier they have.
        auto *item = new QListWidgetItem(name, lbAudRend);
        item->setData(Qt::UserRole, name);
    }
    const auto found
        = lbAudRend->findItems(m_host.RunningSettings().AudioRender_Name, Qt::MatchExactly);
    if (!found.isEmpty())
        lbAudRend->setCurrentItem(found.constFirst());
}

void TfmProperty::FillControls(const TSettingsRecord &record)
{
    for (const TSettingDef &def : settingsTable()) {
        if (!DialogRow(def))
            continue;
        const QString control = ControlOf(def);
        const auto *flag = std::get_if<bool R::*>(&def.field);
        const auto *number = std::get_if<int R::*>(&def.field);
        const auto *text = std::get_if<QString R::*>(&def.field);
        if (control == QLatin1String("clb2") && flag) {
            clb2->item(def.dialogItem)->setCheckState(record.**flag ? Qt::Checked : Qt::Unchecked);
        } else if (control.contains(QLatin1Char('/')) && number) {
            // A value outside the buttons leaves them as they were.
            const QStringList buttons = control.split(QLatin1Char('/'));
            const int value = record.**number;
            if (value >= 1 && value <= buttons.size())
                findChild<QRadioButton *>(buttons.at(value - 1))->setChecked(true);
        } else if (auto *check = findChild<QCheckBox *>(control)) {
            check->setChecked(flag ? record.**flag : number && record.**number == 1);
        } else if (auto *edit = findChild<QLineEdit *>(control)) {
            edit->setText(number ? QString::number(record.**number)
                          : text ? record.**text
                                 : QString());
        }
    }
    e5->setEnabled(cb17->isChecked());
}

void TfmProperty::ReadControls(TSettingsRecord &record) const
{
    for (const TSettingDef &def : settingsTable()) {
        if (!DialogRow(def))
            continue;
        const QString control = ControlOf(def);
        const auto *flag = std::get_if<bool R::*>(&def.field);
        const auto *number = std::get_if<int R::*>(&def.field);
        const auto *text = std::get_if<QString R::*>(&def.field);
        if (control == QLatin1String("clb2") && flag) {
            record.**flag = clb2->item(def.dialogItem)->checkState() == Qt::Checked;
        } else if (control.contains(QLatin1Char('/')) && number) {
            // With no button checked the running value stays.
            const QStringList buttons = control.split(QLatin1Char('/'));
            for (int i = 0; i < buttons.size(); ++i) {
                if (findChild<QRadioButton *>(buttons.at(i))->isChecked())
                    record.**number = i + 1;
            }
        } else if (auto *check = findChild<QCheckBox *>(control)) {
            if (flag)
                record.**flag = check->isChecked();
            else if (number)
                record.**number = check->isChecked() ? 1 : 0;
        } else if (auto *edit = findChild<QLineEdit *>(control)) {
            if (number)
                record.**number = NumberOr(edit->text(), FallbackOf(def));
            else if (text)
                record.**text = edit->text();
        }
    }
    record.LangDVDTitle = cbLang->currentIndex() <= 0 ? 0 : cbLang->currentData().toInt();
    record.Theme_Name
        = ThemeSelect->currentIndex() < 0 ? kDefaultTheme : ThemeSelect->currentText();
    record.Lang = LangSelect->currentIndex() < 0 ? kBuiltInLanguage : LangSelect->currentText();
    if (const QListWidgetItem *item = lbAudRend->currentItem()) {
        record.AudioRender_Name = item->text();
        record.AudioRender_GUID = item->data(Qt::UserRole).toString();
    }
    for (int i = 0; i < 4; ++i)
        record.AspectPairs[i] = {NumberOr(xEdits[i]->text(), 1), NumberOr(yEdits[i]->text(), 1)};
    QString extensions;
    for (int i = 0; i < clb1->count(); ++i)
        extensions += clb1->item(i)->text().toLower() + QLatin1Char(';');
    record.Main_ext = extensions;
}

void TfmProperty::s3Click()
{
    TSettingsRecord record = m_host.RunningSettings();
    ReadControls(record);
    m_host.Store().saveDialogSet(record);
    // Failures are ignored: the page shows the state again at the next opening.
    m_host.Associations().SetDvdDefault(cb15->isChecked());
    TSettingsStore::updateIniFile(record, m_host.ProgramFolder());
    CopyToRunning(record);
    m_host.SettingsStored();
    accept();
}

void TfmProperty::CopyToRunning(const TSettingsRecord &stored)
{
    TSettingsRecord &running = m_host.RunningSettings();
    // Values marked for the next start are only read at start-up.
    for (const TSettingDef &def : settingsTable()) {
        if (def.inDialog() && !def.nextStart)
            std::visit(FieldCopy{stored, running}, def.field);
    }
    running.AspectPairs = stored.AspectPairs;
}

void TfmProperty::ExtensionChanged(QListWidgetItem *item)
{
    if (m_filling)
        return;
    const bool add = item->checkState() == Qt::Checked;
    if (!m_host.Associations().Associate(item->text(), !add))
        m_host.ReportError(QStringLiteral("The file type %1 could not be %2.")
                               .arg(item->text(), add ? QStringLiteral("associated")
                                                      : QStringLiteral("released")));
}

void TfmProperty::AddExtension()
{
    if (Edit1->text().trimmed().isEmpty())
        return;
    auto *item = new QListWidgetItem(Edit1->text(), clb1);
    m_filling = true;
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    m_filling = false;
}

void TfmProperty::RemoveExtension()
{
    // The list only: a link the extension has stays.
    delete clb1->currentItem();
}

void TfmProperty::ChoosePlace(int tag)
{
    const QString folder = m_host.ChooseFolder(QStringLiteral("Выберите каталог:"));
    if (folder.isEmpty())
        return;
    TSettingsRecord &running = m_host.RunningSettings();
    running.PlacesBar = OpenPlaces::WithPlace(m_host.Store().value(&R::PlacesBar), tag, folder);
    m_host.Store().setValue(&R::PlacesBar, running.PlacesBar);
}

void TfmProperty::RestorePlaces()
{
    m_host.RunningSettings().PlacesBar.clear();
    m_host.Store().setValue(&R::PlacesBar, QString());
}

void TfmProperty::DriveLettersChanged()
{
    const QString before = e5->text();
    const QString optical = m_host.OpticalDriveLetters();
    const QString after = DriveLetters(before, optical);
    if (after == before)
        return;
    const int caret = CaretAfterFilter(before, e5->cursorPosition(), optical);
    e5->setText(after);
    e5->setCursorPosition(caret);
}

bool TfmProperty::FilterDriveKey(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Backspace || event->text().isEmpty()
        || !event->text().at(0).isPrint())
        return false;
    const auto letter = DriveKey(event->text().at(0));
    if (letter)
        e5->insert(QString(*letter));
    return true;
}

bool TfmProperty::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == e5)
            return FilterDriveKey(key);
        const auto *edit = qobject_cast<QLineEdit *>(watched);
        if (edit && std::find(m_digitEdits.begin(), m_digitEdits.end(), edit) != m_digitEdits.end()
            && key->key() != Qt::Key_Backspace && !key->text().isEmpty()
            && key->text().at(0).isPrint()) {
            const QChar c = key->text().at(0);
            return c < QLatin1Char('0') || c > QLatin1Char('9');
        }
    }
    auto *link = qobject_cast<QLabel *>(watched);
    if (link && std::find(m_links.begin(), m_links.end(), link) != m_links.end()) {
        const int tag = link->property("tag").toInt();
        if (event->type() == QEvent::Enter)
            link->setStyleSheet(QStringLiteral("color: red; text-decoration: underline;"));
        else if (event->type() == QEvent::Leave)
            link->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
        else if (event->type() == QEvent::MouseButtonRelease && tag < kPlaces)
            ChoosePlace(tag);
        else if (event->type() == QEvent::MouseButtonRelease)
            m_host.OpenPluginPage();
    }
    return QDialog::eventFilter(watched, event);
}
