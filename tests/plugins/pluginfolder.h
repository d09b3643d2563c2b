#pragma once

#include "ipluginservices.h"
#include "tpluginhost.h"

#include <QStringList>
#include <QTemporaryDir>
#include <utility>
#include <vector>

// A Plugins folder of its own for one test, filled with built libraries under the names
// the test gives them (the names set the load order).
class TPluginFolder
{
public:
    TPluginFolder();
    QString Path() const { return m_dir.path() + QStringLiteral("/Plugins/"); }
    // Copies an example (eventlog, inputfilter) or a fixture (fx_*) in as `name`.
    void AddExample(const char *example, const QString &name);
    void AddFixture(const char *fixture, const QString &name);
    void AddFile(const QString &name, const QByteArray &content);
    QString Root() const { return m_dir.path() + QStringLiteral("/"); }
    // A file in the test's folder beside Plugins.
    QString Beside(const QString &name) const { return m_dir.filePath(name); }
    // The lines the fixtures wrote to their probe file, in call order.
    QStringList Probes() const;
    QStringList LogLines(const QString &file) const;

private:
    QTemporaryDir m_dir;
};

// The player's side of the table, over plain values.
class TRecordingServices : public IPluginServices
{
public:
    QString CurrentName() const override { return name; }
    QString CurrentTitle() const override { return title; }
    void ShowStatusText(const QString &text, int tenths, int kind) override
    {
        statuses.push_back({text, tenths * 10 + kind});
    }
    void *MediaGraph() const override { return graph; }
    qint32 SendCommand(qint32 code, qint32 param) override
    {
        commands.push_back({code, param});
        return answer;
    }

    QString name, title;
    void *graph = nullptr;
    qint32 answer = 0;
    std::vector<std::pair<QString, int>> statuses; // text, tenths * 10 + kind
    std::vector<std::pair<qint32, qint32>> commands;
};

TPluginHostData HostDataFor(const TPluginFolder &folder);
