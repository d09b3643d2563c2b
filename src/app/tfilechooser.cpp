#include "tfilechooser.h"

#include <QFileDialog>

QString TFileChooser::OpenOne(const QStringList &filters, QWidget *over,
                              const QString &folder) const
{
    const QStringList chosen = Ask({TFileRequest::Kind::OpenOne, filters, folder}, over);
    return chosen.isEmpty() ? QString() : chosen.first();
}

QStringList TFileChooser::OpenMany(const QStringList &filters, QWidget *over) const
{
    return Ask({TFileRequest::Kind::OpenMany, filters, {}}, over);
}

QString TFileChooser::Save(const QStringList &filters, QWidget *over) const
{
    const QStringList chosen = Ask({TFileRequest::Kind::Save, filters, {}}, over);
    return chosen.isEmpty() ? QString() : chosen.first();
}

QStringList TFileChooser::Ask(const TFileRequest &request, QWidget *over) const
{
    if (m_answer)
        return m_answer(request);
    QFileDialog dialog(over ? over : m_parent);
    dialog.setNameFilters(request.filters);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    switch (request.kind) {
    case TFileRequest::Kind::OpenOne:
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case TFileRequest::Kind::OpenMany:
        dialog.setFileMode(QFileDialog::ExistingFiles);
        break;
    case TFileRequest::Kind::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        break;
    }
    if (!m_places.isEmpty())
        dialog.setSidebarUrls(m_places);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}
