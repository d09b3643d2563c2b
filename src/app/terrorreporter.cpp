#include "terrorreporter.h"

#include "lang/tlang.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace {

constexpr int kFaultLeft = 131;
constexpr int kCopied = 132;
constexpr int kSendReport = 133;
constexpr int kCaption = 134;

bool askWithBox(const QString &caption, const QString &body)
{
    QMessageBox box(QMessageBox::Warning, caption, body, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

} // namespace

TErrorReporter::TErrorReporter(const TLang &lang, QString reportPage)
    : m_lang(lang)
    , m_reportPage(std::move(reportPage))
    , m_ask(askWithBox)
    , m_openPage([](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{}

QString TErrorReporter::ErrorText(const QObject *sender, const QString &message)
{
    if (!sender)
        return message;
    return message + QStringLiteral("\nObject:")
           + QString::fromLatin1(sender->metaObject()->className());
}

QString TErrorReporter::Caption() const
{
    return m_lang.GetLine(kCaption);
}

QString TErrorReporter::Body(const QString &errorText) const
{
    return m_lang.GetLine(kFaultLeft) + QStringLiteral("\n\n") + errorText + QStringLiteral("\n\n")
           + m_lang.GetLine(kCopied) + QLatin1Char('\n') + m_lang.GetLine(kSendReport);
}

void TErrorReporter::Report(const QObject *sender, const QString &message)
{
    // A fault raised while the box of an earlier one is open is not stacked
    // into a second box; its text still reaches the clipboard.
    const QString text = ErrorText(sender, message);
    CopyToClipboard(text);
    if (m_reporting)
        return;
    m_reporting = true;
    const bool send = m_ask(Caption(), Body(text));
    m_reporting = false;
    if (send)
        m_openPage(m_reportPage);
}

bool CopyToClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    if (text.isEmpty())
        clipboard->clear();
    else
        clipboard->setText(text);
    return true;
}
