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
    QString OpenOne(const QStringList &filters) const;
    QStringList OpenMany(const QStringList &filters) const;
    // An existing file is replaced without asking: the player's lists always are.
    QString Save(const QStringList &filters) const;

    // The places the dialogs offer beside the system's own.
    void SetPlaces(const QList<QUrl> &places) { m_places = places; }
    // Tests answer the dialogs instead of the user.
    void SetAnswer(Answer answer) { m_answer = std::move(answer); }

private:
    QStringList Ask(const TFileRequest &request) const;

    QWidget *m_parent;
    QList<QUrl> m_places;
    Answer m_answer;
};
