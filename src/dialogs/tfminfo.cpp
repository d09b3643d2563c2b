#include "tfminfo.h"

#include "imediadialoghost.h"
#include "telementproperties.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTextCaption = 121;
constexpr int kTextPathWord = 122;
constexpr int kTextClose = 43;
constexpr int kTextHint = 125;
constexpr int kTextConfigure = 126;
constexpr int kTextRefresh = 127;
constexpr int kTextStop = 128;

void AddNodes(QTreeWidgetItem *parent, const QList<TReportNode> &nodes)
{
    for (const TReportNode &node : nodes) {
        auto *item = new QTreeWidgetItem(parent, QStringList(node.text));
        AddNodes(item, node.children);
    }
}

TReportNode NodeOf(const QTreeWidgetItem *item)
{
    TReportNode node{item->text(0), {}};
    for (int i = 0; i < item->childCount(); ++i)
        node.children.append(NodeOf(item->child(i)));
    return node;
}

} // namespace

TfmInfo::TfmInfo(IMediaDialogHost &host, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint)
    , m_host(host)
{
    setObjectName(QStringLiteral("fmInfo"));
    setModal(true);
    setMinimumSize(kMinimumSize);
    resize(kDesignSize);

    pg1 = new QTabWidget(this);
    pg1->setDocumentMode(true);
    fInfo = new QPlainTextEdit;
    fInfo->setReadOnly(true);
    fInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    fInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pg1->addTab(fInfo, QStringLiteral("Info"));

    auto *filters = new QWidget;
    Label2 = new QLabel;
    Label2->setWordWrap(true);
    s1 = new QPushButton;
    s1->setEnabled(false);
    cbStop = new QCheckBox;
    TreeView1 = new QTreeWidget;
    TreeView1->setHeaderHidden(true);
    TreeView1->setMouseTracking(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(s1);
    filterRow->addWidget(cbStop, 1);
    auto *filterLayout = new QVBoxLayout(filters);
    filterLayout->addWidget(Label2);
    filterLayout->addLayout(filterRow);
    filterLayout->addWidget(TreeView1, 1);
    pg1->addTab(filters, QStringLiteral("Filters"));

    s2 = new QPushButton;
    s4 = new QPushButton(QStringLiteral("Copy to clipboard"));
    s3 = new QPushButton;
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(s2);
    buttons->addWidget(s4);
    buttons->addStretch(1);
    buttons->addWidget(s3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pg1, 1);
    // The buttons stay 5 pixels above the bottom whatever the size.
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addLayout(buttons);

    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    installEventFilter(this);

    connect(s1, &QPushButton::clicked, this, &TfmInfo::ConfigureClick);
    connect(s2, &QPushButton::clicked, this, &TfmInfo::BuildReport);
    connect(s4, &QPushButton::clicked, this, &TfmInfo::CopyClick);
    connect(s3, &QPushButton::clicked, this, &QDialog::accept);
    connect(TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { TreeClick(item); });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        TreeClick(item);
        ConfigureClick();
    });
}

void TfmInfo::SetCaptions()
{
    setWindowTitle(m_host.Text(kTextCaption));
    Label2->setText(m_host.Text(kTextHint));
    s1->setText(m_host.Text(kTextConfigure));
    cbStop->setText(m_host.Text(kTextStop));
    s2->setText(m_host.Text(kTextRefresh));
    s3->setText(m_host.Text(kTextClose));
}

void TfmInfo::Open()
{
    const QRect stored = m_host.InfoWindowRect();
    if (stored.isValid())
        setGeometry(stored);
    SetCaptions();
    BuildReport();
    show();
    raise();
    activateWindow();
}

void TfmInfo::BuildReport()
{
    TreeView1->clear();
    m_clicked = nullptr;
    s1->setEnabled(false);
    if (m_host.GraphState() == 0)
        return;
    TReportInput input = m_host.ReportInput();
    input.pathWord = m_host.Text(kTextPathWord);
    input.titleWord = m_host.Text(kTextPathWord + 1);
    input.sizeWord = m_host.Text(kTextPathWord + 2);
    fInfo->setPlainText(MediaReport::Lines(input).join(QLatin1Char('\n')));
    for (const TReportNode &node : m_host.FilterTree()) {
        auto *item = new QTreeWidgetItem(TreeView1, QStringList(node.text));
        AddNodes(item, node.children);
    }
}

void TfmInfo::TreeClick(QTreeWidgetItem *item)
{
    m_clicked = item;
    const int index = item ? TreeView1->indexOfTopLevelItem(item) : -1;
    s1->setEnabled(index >= 0 && !m_host.ElementProperties(index).isEmpty());
}

void TfmInfo::ConfigureClick()
{
    if (TreeView1->topLevelItemCount() == 0) {
        s1->setEnabled(false);
        return;
    }
    const int index = m_clicked ? TreeView1->indexOfTopLevelItem(m_clicked) : -1;
    if (index < 0)
        return;
    const bool stop = cbStop->isChecked();
    const int state = m_host.GraphState();
    if (stop)
        m_host.SetGraphState(1);
    TElementProperties dialog(m_host, index, m_clicked->text(0), this);
    dialog.exec();
    if (stop && (state == 3 || state == 2))
        m_host.SetGraphState(state);
}

void TfmInfo::CopyClick()
{
    if (pg1->currentIndex() == 0) {
        fInfo->selectAll();
        fInfo->copy();
        QTextCursor cursor = fInfo->textCursor();
        cursor.clearSelection();
        fInfo->setTextCursor(cursor);
        return;
    }
    QList<TReportNode> roots;
    for (int i = 0; i < TreeView1->topLevelItemCount(); ++i)
        roots.append(NodeOf(TreeView1->topLevelItem(i)));
    const QString text = MediaReport::TreeText(roots);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

bool TfmInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_I) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfmInfo::done(int result)
{
    m_host.StoreInfoWindowRect(geometry());
    QDialog::done(result);
}
