#include "taboutbox.h"

#include "lang/tlang.h"

#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

namespace {

constexpr int kCaptionText = 36;

class LinkLabel : public QLabel
{
public:
    LinkLabel(const QString &address, QWidget *parent)
        : QLabel(address, parent)
        , m_address(address)
    {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPointSize(10);
        f.setUnderline(true);
        setFont(f);
        setStyleSheet(QStringLiteral("color: #0000FF"));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            QDesktopServices::openUrl(QUrl(m_address));
    }

private:
    QString m_address;
};

QLabel *label(const QString &text, int pointSize, bool bold, QPoint at, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    l->move(at);
    l->adjustSize();
    return l;
}

} // namespace

namespace TAboutBox {

void Show(const TLang &lang, const QString &version, const QString &webAddress, QWidget *owner)
{
    QDialog box(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setWindowTitle(lang.GetLine(kCaptionText));
    box.setFixedSize(229, 135);
    label(QStringLiteral("Tavrel"), 8, true, {56, 8}, &box);
    label(QStringLiteral("Version ") + version, 8, false, {72, 34}, &box);
    auto *link = new LinkLabel(webAddress, &box);
    link->move(72, 64);
    link->adjustSize();
    if (owner)
        box.move(owner->geometry().center() - box.rect().center());
    box.exec();
}

} // namespace TAboutBox
