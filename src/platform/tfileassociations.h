#pragma once

#include <QString>
#include <QStringList>

// Makes the player the program that opens chosen file types and DVD-Video discs on an XDG
// desktop: a desktop entry of its own under $XDG_DATA_HOME/applications and defaults in
// $XDG_CONFIG_HOME/mimeapps.list. Only the player's own defaults are ever removed; a type that
// another program opens is left as it is. Both folders are taken from the environment at
// every call, so tests point them at temporary folders.
class TFileAssociations
{
public:
    static constexpr const char *kDesktopId = "tavrel.desktop";
    static constexpr const char *kDvdType = "x-content/video-dvd";

    explicit TFileAssociations(QString executablePath);

    QString DesktopFilePath() const;
    QString MimeAppsPath() const;
    // The desktop entry: the executable's full path and the file-list placeholder.
    QString DesktopEntryText() const;
    // The program as the Exec key gives it: quoted only when it has to be.
    static QString ExecProgram(const QString &path);
    // Writes the desktop entry when it is missing or differs, then lets the desktop's
    // cache know. False when it cannot be written.
    bool WriteDesktopEntry() const;

    // The MIME types the system's database gives to files of the extension (no dot, any case).
    static QStringList MimeTypesOf(const QString &extension);

    // True when the player is the default for every MIME type of the extension.
    bool IsAssociated(const QString &extension) const;
    // Adding makes the player the default for the extension's types; removing drops the
    // player's own default only. False when a file could not be written or the
    // extension has no known type.
    bool Associate(const QString &extension, bool remove);

    bool IsDvdDefault() const;
    // On: the player's entry becomes the default for DVD-Video discs; off: the player's
    // default is dropped, the desktop entry stays.
    bool SetDvdDefault(bool on);

private:
    bool SetDefaults(const QStringList &types, bool remove);
    bool IsDefaultFor(const QString &type) const;

    QString m_executable;
};
