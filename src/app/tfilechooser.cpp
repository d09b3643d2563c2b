#include "tfilechooser.h"

#include <QFileDialog>

QString TFileChooser::OpenOne(const QStringList &filters) const
{
    const QStringList chosen = Ask({TFileRequest::Kind::OpenOne, filters});
    return chosen.isEmpty() ? QString() : chosen.first();
}

QStringList TFileChooser::OpenMany(const QStringList &filters) const
{
    return Ask({TFileRequest::Kind::OpenMany, filters});
}

QString TFileChooser::Save(const QStringList &filters) const
{
    const QStringList chosen = Ask({TFileRequest::Kind::Save, filters});
    return chosen.isEmpty() ? QString() : chosen.first();
}

QStringList TFileChooser::Ask(const TFileRequest &request) const
{
    if (m_answer)
        return m_answer(request);
    QFileDialog dialog(m_parent);
    dialog.setNameFilters(request.filters);
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
        dialog.setSidebarUrls(dialog.sidebarUrls() + m_places);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}
