// The pages of the settings dialog and their captions.
#include "isettingsdialoghost.h"
#include "settings/settingsfilters.h"
#include "tfmproperty.h"
#include "tpropertydelegates.h"
#include "twrappedbutton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 435;
constexpr int kClientHeight = 385;
constexpr int kTreeWidth = 121;
constexpr int kNodeTexts[TfmProperty::kPages] = {48, 49, 50, 51, 52, 53, 54, 146, 150, 159, 198};
// The general page's rows: header rows first and fourth.
constexpr int kGeneralTexts[] = {55, 56, 147, 57, 58, 59, 155, 170, 156, 173, 191};
constexpr int kGeneralHeaders[] = {0, 3};
constexpr int kDriveEditFilterMax = 26;

QWidget *Scrolled(QWidget *content)
{
    // Tight rows: the view page carries a dozen settings in the window's fixed height.
    if (QLayout *layout = content->layout()) {
        layout->setSpacing(3);
        if (layout->contentsMargins() != QMargins())
            layout->setContentsMargins(6, 4, 6, 4);
    }
    // A page taller than the window scrolls rather than being cut.
    auto *area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(content);
    return area;
}

QHBoxLayout *Row(std::initializer_list<QWidget *> widgets, bool stretch = true)
{
    auto *row = new QHBoxLayout;
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    if (stretch)
        row->addStretch();
    return row;
}

} // namespace

TfmProperty::TfmProperty(ISettingsDialogHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint
                          | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_host(host)
{
    setObjectName(QStringLiteral("fmProperty"));
    setFixedSize(kClientWidth, kClientHeight);
    BuildPages();
}

void TfmProperty::BuildPages()
{
    tw = new QTreeWidget;
    tw->setObjectName(QStringLiteral("tw"));
    tw->setFixedWidth(kTreeWidth);
    tw->setHeaderHidden(true);
    tw->setRootIsDecorated(false);
    tw->setIndentation(0);
    tw->setMouseTracking(true);
    tw->viewport()->setAttribute(Qt::WA_Hover);
    tw->setItemDelegate(new TTreeNodeDelegate(tw));
    for (int i = 0; i < kPages; ++i)
        tw->addTopLevelItem(new QTreeWidgetItem);
    pcon = new QStackedWidget;
    pcon->setObjectName(QStringLiteral("pcon"));
    for (QWidget *page :
         {GeneralPage(), IconsPage(), PlacesPage(), DiscPage(), PluginsPage(), OtherPage(),
          ViewPage(), AspectPage(), SoundPage(), MousePage(), FileTypesPage()})
        pcon->addWidget(Scrolled(page));
    connect(tw, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { ShowPage(tw->indexOfTopLevelItem(item)); });
    tw->setCurrentItem(tw->topLevelItem(0));

    s3 = new QPushButton;
    s3->setObjectName(QStringLiteral("s3"));
    s3->setDefault(true);
    Translate(s3, 61);
    s4 = new QPushButton;
    s4->setObjectName(QStringLiteral("s4"));
    Translate(s4, 62);
    connect(s3, &QPushButton::clicked, this, &TfmProperty::s3Click);
    connect(s4, &QPushButton::clicked, this, &QDialog::reject);
    l25 = Caption(143);
    l25->setObjectName(QStringLiteral("l25"));
    l25->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));

    auto *top = new QHBoxLayout;
    top->addWidget(tw);
    top->addWidget(pcon, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(l25, 1);
    bottom->addWidget(s3);
    bottom->addWidget(s4);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
}

void TfmProperty::Translate(QObject *control, int textIndex)
{
    m_captions.emplace_back(control, textIndex);
}

void TfmProperty::ApplyCaptions()
{
    setWindowTitle(m_host.Text(63));
    for (int i = 0; i < kPages; ++i)
        tw->topLevelItem(i)->setText(0, m_host.Text(kNodeTexts[i]));
    for (int i = 0; i < clb2->count(); ++i)
        clb2->item(i)->setText(m_host.Text(kGeneralTexts[i]));
    for (const auto &[control, index] : m_captions) {
        if (auto *label = qobject_cast<QLabel *>(control))
            label->setText(m_host.Text(index));
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            button->setText(m_host.Text(index));
        else if (auto *group = qobject_cast<QGroupBox *>(control))
            group->setTitle(m_host.Text(index));
    }
    // The unit label of the tenths reads "sec./10".
    for (QLabel *tenths : findChildren<QLabel *>(QStringLiteral("l34")))
        tenths->setText(m_host.Text(141) + QStringLiteral("/10"));
}

QLabel *TfmProperty::Caption(int textIndex, bool wrap)
{
    auto *label = new QLabel;
    label->setWordWrap(wrap);
    if (textIndex >= 0)
        Translate(label, textIndex);
    return label;
}

TWrappedButton *TfmProperty::Check(const char *name, int textIndex)
{
    auto *check = new TWrappedButton(new QCheckBox, QString::fromLatin1(name));
    Translate(check->Label(), textIndex);
    return check;
}

TWrappedButton *TfmProperty::Radio(const char *name, int textIndex)
{
    auto *radio = new TWrappedButton(new QRadioButton, QString::fromLatin1(name));
    Translate(radio->Label(), textIndex);
    return radio;
}

QLineEdit *TfmProperty::NumberEdit(const char *name, int maxDigits)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxDigits);
    edit->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * (maxDigits + 1) + 12);
    edit->installEventFilter(this);
    m_digitEdits.push_back(edit);
    return edit;
}

QLabel *TfmProperty::Link(int textIndex)
{
    QLabel *link = Caption(textIndex, false);
    link->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    link->setCursor(Qt::PointingHandCursor);
    link->setAttribute(Qt::WA_Hover);
    link->installEventFilter(this);
    m_links.push_back(link);
    return link;
}

QWidget *TfmProperty::GeneralPage()
{
    auto *page = new QWidget;
    clb2 = new QListWidget;
    clb2->setObjectName(QStringLiteral("clb2"));
    clb2->setItemDelegate(new TCheckListDelegate(clb2));
    clb2->setWordWrap(true);
    clb2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    clb2->setResizeMode(QListView::Adjust);
    for (int i = 0; i < static_cast<int>(std::size(kGeneralTexts)); ++i) {
        auto *item = new QListWidgetItem(clb2);
        const bool header = std::find(std::begin(kGeneralHeaders), std::end(kGeneralHeaders), i)
                            != std::end(kGeneralHeaders);
        item->setData(TCheckListDelegate::kHeaderRole, header);
        if (header)
            item->setFlags(Qt::ItemIsEnabled);
        else
            item->setCheckState(Qt::Unchecked);
    }
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(clb2);
    return page;
}

QWidget *TfmProperty::IconsPage()
{
    auto *page = new QWidget;
    auto *e4 = NumberEdit("e4", 3);
    connect(e4, &QLineEdit::textChanged, this, [e4](const QString &text) {
        const QString held = SettingsFilters::PercentText(text);
        if (held != text)
            e4->setText(held);
    });
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Caption(64));
    layout->addWidget(Check("cb6", 65));
    layout->addWidget(Check("cb7", 66));
    layout->addWidget(Caption(67));
    layout->addLayout(Row({Caption(68, false), e4, Caption(69, false)}));
    layout->addStretch();
    return page;
}

QWidget *TfmProperty::PlacesPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Caption(70));
    layout->addWidget(Caption(71));
    layout->addWidget(Caption(72));
    for (int tag = 0; tag < 5; ++tag) {
        QLabel *link = Link(73 + tag);
        link->setObjectName(QStringLiteral("l%1").arg(4 + tag));
        link->setProperty("tag", tag);
        layout->addWidget(link);
    }
    auto *s1 = new QPushButton;
    s1->setObjectName(QStringLiteral("s1"));
    Translate(s1, 78);
    auto *s2 = new QPushButton;
    s2->setObjectName(QStringLiteral("s2"));
    Translate(s2, 79);
    connect(s1, &QPushButton::clicked, this, &TfmProperty::RestorePlaces);
    connect(s2, &QPushButton::clicked, this, [this] { m_host.RunOpenDialog(); });
    layout->addLayout(Row({s1, s2}));
    layout->addStretch();
    return page;
}

QWidget *TfmProperty::DiscPage()
{
    auto *page = new QWidget;
    TWrappedButton *driveChoice = Check("cb17", 152);
    cb17 = qobject_cast<QCheckBox *>(driveChoice->Button());
    e5 = new QLineEdit;
    e5->setObjectName(QStringLiteral("e5"));
    e5->setMaxLength(kDriveEditFilterMax);
    e5->installEventFilter(this);
    connect(e5, &QLineEdit::textChanged, this, &TfmProperty::DriveLettersChanged);
    connect(cb17, &QCheckBox::toggled, e5, &QWidget::setEnabled);
    cbLang = new QComboBox;
    cbLang->setObjectName(QStringLiteral("cbLang"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Caption(80));
    layout->addWidget(Check("cb8", 81));
    layout->addWidget(Caption(57));
    layout->addWidget(Check("cb10", 83));
    layout->addWidget(Check("cb9", 82));
    layout->addLayout(Row({driveChoice, e5}, false));
    layout->addWidget(Caption(154));
    layout->addWidget(cbLang);
    layout->addStretch();
    return page;
}

QWidget *TfmProperty::PluginsPage()
{
    auto *page = new QWidget;
    plList = new QListWidget;
    plList->setObjectName(QStringLiteral("plList"));
    auto *plConfig = new QPushButton;
    plConfig->setObjectName(QStringLiteral("plConfig"));
    Translate(plConfig, 84);
    auto *plAbout = new QPushButton;
    plAbout->setObjectName(QStringLiteral("plAbout"));
    Translate(plAbout, 85);
    connect(plConfig, &QPushButton::clicked, this, [this] {
        if (plList->currentRow() >= 0)
            m_host.ConfigurePlugin(plList->currentRow());
    });
    connect(plAbout, &QPushButton::clicked, this, [this] {
        if (plList->currentRow() >= 0)
            m_host.AboutPlugin(plList->currentRow());
    });
    QLabel *nDownload = Link(86);
    nDownload->setObjectName(QStringLiteral("nDownload"));
    nDownload->setProperty("tag", 5);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(plList, 1);
    layout->addLayout(Row({plConfig, plAbout}));
    layout->addWidget(nDownload);
    return page;
}

QWidget *TfmProperty::OtherPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout;
    const auto addRow = [&](int row, int text, const char *edit, int unit) {
        grid->addWidget(Caption(text), row, 0);
        grid->addWidget(NumberEdit(edit, 5), row, 1);
        QLabel *units = Caption(unit, false);
        if (unit < 0)
            units->setObjectName(QStringLiteral("l34"));
        grid->addWidget(units, row, 2);
    };
    addRow(0, 88, "e1", 91);
    addRow(1, 89, "e2", 91);
    addRow(2, 90, "e3", 91);
    addRow(3, 175, "e6", 141);
    addRow(4, 176, "e7", 141);
    addRow(5, 177, "e8", -1);
    addRow(6, 178, "e9", -1);
    addRow(7, 179, "e10", -1);
    grid->setColumnStretch(0, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Check("cb11", 87));
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *TfmProperty::ViewPage()
{
    auto *page = new QWidget;
    LangSelect = new QComboBox;
    LangSelect->setObjectName(QStringLiteral("LangSelect"));
    ThemeSelect = new QComboBox;
    ThemeSelect->setObjectName(QStringLiteral("ThemeSelect"));
    auto *layout = new QVBoxLayout(page);
    auto *lists = new QGridLayout;
    lists->addWidget(Caption(142), 0, 0);
    lists->addWidget(LangSelect, 0, 1);
    lists->addWidget(Caption(182), 1, 0);
    lists->addWidget(ThemeSelect, 1, 1);
    lists->setColumnStretch(1, 1);
    layout->addLayout(lists);
    for (const auto &[name, text] : {std::pair{"cb13", 92},
                                     {"cb12", 93},
                                     {"cb20", 157},
                                     {"cb21", 158},
                                     {"cb24", 168},
                                     {"cb23", 167},
                                     {"cb25", 169},
                                     {"cb27", 171},
                                     {"cb28", 172},
                                     {"cb30", 180}})
        layout->addWidget(Check(name, text));
    layout->addStretch();
    return page;
}

QWidget *TfmProperty::AspectPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        xEdits[i] = new QLineEdit;
        yEdits[i] = new QLineEdit;
        xEdits[i]->setObjectName(QStringLiteral("x%1").arg(i + 1));
        yEdits[i]->setObjectName(QStringLiteral("y%1").arg(i + 1));
        for (QLineEdit *edit : {xEdits[i], yEdits[i]}) {
            edit->setMaxLength(2);
            edit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
            connect(edit, &QLineEdit::textChanged, this, [edit](const QString &text) {
                const QString held = SettingsFilters::AspectText(text);
                if (held != text)
                    edit->setText(held);
            });
        }
        grid->addWidget(new QLabel(QString::number(i + 1)), i, 0);
        grid->addWidget(xEdits[i], i, 1);
        grid->addWidget(new QLabel(QStringLiteral(":")), i, 2);
        grid->addWidget(yEdits[i], i, 3);
    }
    grid->setColumnStretch(4, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Caption(145));
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *TfmProperty::SoundPage()
{
    auto *page = new QWidget;
    lbAudRend = new QListWidget;
    lbAudRend->setObjectName(QStringLiteral("lbAudRend"));
    auto *Label5 = new QLabel(QStringLiteral(
        "I do not recommend to use \"Default\". The plenty of filters is connected."));
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setWordWrap(true);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Caption(151));
    layout->addWidget(lbAudRend, 1);
    layout->addWidget(Label5);
    return page;
}

QWidget *TfmProperty::MousePage()
{
    auto *page = new QWidget;
    auto *gr1 = new QGroupBox;
    gr1->setObjectName(QStringLiteral("gr1"));
    Translate(gr1, 160);
    auto *left = new QVBoxLayout(gr1);
    auto *mouse = new QButtonGroup(gr1);
    for (const auto &[name, text] : {std::pair{"rb1", 161}, {"rb2", 162}, {"rb6", 195}}) {
        TWrappedButton *radio = Radio(name, text);
        mouse->addButton(radio->Button());
        left->addWidget(radio);
    }
    auto *gr2 = new QGroupBox;
    gr2->setObjectName(QStringLiteral("gr2"));
    Translate(gr2, 163);
    auto *tray = new QVBoxLayout(gr2);
    auto *trayGroup = new QButtonGroup(gr2);
    for (const auto &[name, text] : {std::pair{"rb3", 164}, {"rb4", 165}}) {
        TWrappedButton *radio = Radio(name, text);
        trayGroup->addButton(radio->Button());
        tray->addWidget(radio);
    }
    // At the first showing the first button of each group is checked.
    gr1->findChild<QRadioButton *>(QStringLiteral("rb1"))->setChecked(true);
    gr2->findChild<QRadioButton *>(QStringLiteral("rb3"))->setChecked(true);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Caption(188));
    layout->addWidget(Check("rb5", 189));
    layout->addWidget(gr1);
    layout->addWidget(gr2);
    layout->addStretch();
    return page;
}

QWidget *TfmProperty::FileTypesPage()
{
    auto *page = new QWidget;
    clb1 = new QListWidget;
    clb1->setObjectName(QStringLiteral("clb1"));
    connect(clb1, &QListWidget::itemChanged, this, &TfmProperty::ExtensionChanged);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(10);
    Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 8);
    auto *plus = new QPushButton(QStringLiteral("+"));
    plus->setObjectName(QStringLiteral("bAdd"));
    auto *minus = new QPushButton(QStringLiteral("-"));
    minus->setObjectName(QStringLiteral("bDelete"));
    connect(plus, &QPushButton::clicked, this, &TfmProperty::AddExtension);
    connect(minus, &QPushButton::clicked, this, &TfmProperty::RemoveExtension);
    TWrappedButton *dvd = Check("cb15", 60);
    cb15 = qobject_cast<QCheckBox *>(dvd->Button());
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Caption(197));
    layout->addWidget(clb1, 1);
    layout->addLayout(Row({Edit1, plus, minus}, false));
    layout->addWidget(dvd);
    return page;
}
