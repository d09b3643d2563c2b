#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QWidget;

// What the player asks of a file dialog.
struct TFileRequest
{
    enum class Kind { OpenOne, OpenMany, Save };
    Kind kind = Kind::OpenOne;
    // Qt name filters, one a line: "Name (*.a *.b)".
    QStringList filters;
    // Where the dialog starts; empty: where it was last.
    QString folder;
};

// Every file dialog of the player goes through here, so that the folders a user keeps
// at hand show in each of them and tests can answer a dialog without driving one.
class TFileChooser
{
public:
    using Answer = std::function<QStringList(const TFileRequest &)>;

    explicit TFileChooser(QWidget *parent)
        : m_parent(parent)
    {}

    // Empty when the user cancelled.
    // Each dialog shows over `over` when given, else over the main window.
    QString OpenOne(const QStringList &filters, QWidget *over = nullptr,
                    const QString &folder = {}) const;
    QStringList OpenMany(const QStringList &filters, QWidget *over = nullptr) const;
    // An existing file is replaced without asking: the player's lists always are.
    QString Save(const QStringList &filters, QWidget *over = nullptr) const;

    // The places of the dialogs' sidebar, the user's choice in the settings.
    void SetPlaces(const QList<QUrl> &places) { m_places = places; }
    // Tests answer the dialogs instead of the user.
    void SetAnswer(Answer answer) { m_answer = std::move(answer); }

private:
    QStringList Ask(const TFileRequest &request, QWidget *over) const;

    QWidget *m_parent;
    QList<QUrl> m_places;
    Answer m_answer;
};
