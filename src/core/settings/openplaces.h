#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// The open dialog's sidebar: five places, in the settings page's order (recent documents,
// desktop, documents, computer, network). A stored folder replaces its place's default;
// the stored form is one line per place, an empty line for a place left at its default.
namespace OpenPlaces {

constexpr int kCount = 5;

// The folders in sidebar order; a place without a folder of its own on this system and
// without a stored folder is left out.
QList<QUrl> SidebarUrls(const QString &stored);

// The stored text with one place replaced.
QString WithPlace(const QString &stored, int place, const QString &folder);

} // namespace OpenPlaces
