#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Points the XDG data and configuration homes at temporary folders for one test and puts
// the old values back afterwards.
class TXdgFolders
{
public:
    TXdgFolders()
        : m_oldData(qgetenv("XDG_DATA_HOME"))
        , m_oldConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        QDir(m_root.path()).mkpath(QStringLiteral("data/applications"));
        QDir(m_root.path()).mkpath(QStringLiteral("config"));
        qputenv("XDG_DATA_HOME", DataHome().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", ConfigHome().toLocal8Bit());
    }
    ~TXdgFolders()
    {
        qputenv("XDG_DATA_HOME", m_oldData);
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }
    TXdgFolders(const TXdgFolders &) = delete;
    TXdgFolders &operator=(const TXdgFolders &) = delete;

    QString DataHome() const { return m_root.filePath(QStringLiteral("data")); }
    QString ConfigHome() const { return m_root.filePath(QStringLiteral("config")); }
    QString MimeApps() const { return ConfigHome() + QStringLiteral("/mimeapps.list"); }

    void WriteMimeApps(const QByteArray &text) const
    {
        QFile file(MimeApps());
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
    QByteArray ReadMimeApps() const
    {
        QFile file(MimeApps());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QTemporaryDir m_root;
    QByteArray m_oldData;
    QByteArray m_oldConfig;
};
