#pragma once

#include <QString>
#include <functional>

class QObject;
class TLang;

// The one place where a fault that no action handled ends up. It never ends
// the program: it tells the user, puts the full text on the clipboard and
// offers the error-report page; the failed action is abandoned and
// everything else goes on.
class TErrorReporter
{
public:
    // Asks the user; true for Yes. The default shows a warning box.
    using Ask = std::function<bool(const QString &caption, const QString &body)>;
    using OpenPage = std::function<void(const QString &path)>;

    TErrorReporter(const TLang &lang, QString reportPage);

    void SetAsk(Ask ask) { m_ask = std::move(ask); }
    void SetOpenPage(OpenPage open) { m_openPage = std::move(open); }

    void Report(const QObject *sender, const QString &message);

    // The text put on the clipboard: the message and, with a sender, its class.
    static QString ErrorText(const QObject *sender, const QString &message);
    QString Caption() const;
    QString Body(const QString &errorText) const;

private:
    const TLang &m_lang;
    QString m_reportPage;
    Ask m_ask;
    OpenPage m_openPage;
    bool m_reporting = false;
};

// Places plain text on the system clipboard; an empty text only empties it.
// False when there is no clipboard to write to.
bool CopyToClipboard(const QString &text);
