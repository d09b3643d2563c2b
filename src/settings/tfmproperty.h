#pragma once

#include "settings/settingsrecord.h"

#include <QDialog>
#include <QList>
#include <array>
#include <functional>
#include <vector>

class ISettingsDialogHost;
class QAbstractButton;
class QCheckBox;
class TWrappedButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

// The settings dialog: a tree of eleven pages, each control bound to its setting through the
// settings table by the control's name. Showing fills every control from the running
// settings; OK stores them and copies into the running program what acts at once; Cancel,
// Esc and the close box store nothing. The places bar, the plug-in buttons and the file
// types act at once.
class TfmProperty : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPages = 11;

    explicit TfmProperty(ISettingsDialogHost &host, QWidget *parent = nullptr);

    // Fills every control and shows the window modally; returns when it closes.
    int Execute();
    void FormShow();
    void s3Click();

    QTreeWidget *Tree() const { return tw; }
    QWidget *Page(int index) const;
    void ShowPage(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Pages (tfmproperty_pages.cpp).
    void BuildPages();
    QWidget *GeneralPage();
    QWidget *IconsPage();
    QWidget *PlacesPage();
    QWidget *DiscPage();
    QWidget *PluginsPage();
    QWidget *OtherPage();
    QWidget *ViewPage();
    QWidget *AspectPage();
    QWidget *SoundPage();
    QWidget *MousePage();
    QWidget *FileTypesPage();
    QLabel *Caption(int textIndex, bool wrap = true);
    TWrappedButton *Check(const char *name, int textIndex);
    QLineEdit *NumberEdit(const char *name, int maxDigits);
    TWrappedButton *Radio(const char *name, int textIndex);
    QLabel *Link(int textIndex);
    void Translate(QObject *control, int textIndex);
    void ApplyCaptions();

    // Filling and storing (tfmproperty.cpp).
    void FillThemes();
    void FillDvdLanguages();
    void FillLanguages();
    void FillPlugins();
    void FillExtensions();
    void FillAudioRenderers();
    void FillControls(const TSettingsRecord &record);
    void ReadControls(TSettingsRecord &record) const;
    void CopyToRunning(const TSettingsRecord &stored);

    // Immediate actions.
    void ExtensionChanged(QListWidgetItem *item);
    void AddExtension();
    void RemoveExtension();
    void ChoosePlace(int tag);
    void RestorePlaces();
    void DriveLettersChanged();
    bool FilterDriveKey(QKeyEvent *event);

    ISettingsDialogHost &m_host;
    QTreeWidget *tw = nullptr;
    QStackedWidget *pcon = nullptr;
    QPushButton *s3 = nullptr;
    QPushButton *s4 = nullptr;
    QLabel *l25 = nullptr;
    QListWidget *clb2 = nullptr;
    QListWidget *clb1 = nullptr;
    QListWidget *plList = nullptr;
    QListWidget *lbAudRend = nullptr;
    QComboBox *cbLang = nullptr;
    QComboBox *LangSelect = nullptr;
    QComboBox *ThemeSelect = nullptr;
    QLineEdit *e5 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QCheckBox *cb15 = nullptr;
    QCheckBox *cb17 = nullptr;
    std::array<QLineEdit *, 4> xEdits{};
    std::array<QLineEdit *, 4> yEdits{};
    std::vector<QLineEdit *> m_digitEdits;
    std::vector<QLabel *> m_links;
    std::vector<std::pair<QObject *, int>> m_captions;
    bool m_filling = false;
    bool m_audioListed = false;
};
