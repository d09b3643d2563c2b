#include "tpluginhost.h"

#include <QDir>
#include <QFileInfo>

namespace {

#ifdef Q_OS_WIN
const QString kLibraryMask = QStringLiteral("*.dll");
#else
const QString kLibraryMask = QStringLiteral("*.so");
#endif

template<typename Function>
Function entryOf(const TSharedLibrary &library, const char *name)
{
    return reinterpret_cast<Function>(library.Symbol(name));
}

} // namespace

TPluginHost::TPluginHost(IPluginServices &services, const TPluginHostData &data)
    : m_table(services, data)
    , m_folder(data.pluginFolder)
{}

TPluginHost::~TPluginHost()
{
    Unload();
}

void TPluginHost::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_folder.isEmpty())
        return;
    // Name order rather than the file system's: the order decides who may consume an
    // event first, so a user can set it by naming the files.
    const QDir folder(QFileInfo(m_folder).absoluteFilePath());
    const QFileInfoList files = folder.entryInfoList({kLibraryMask}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files)
        loadOne(file.absoluteFilePath());

    m_table.Refresh();
    for (const auto &record : m_records) {
        if (record->Import)
            record->Import(m_table.Table(), &record->Callback);
    }
}

void TPluginHost::loadOne(const QString &path)
{
    auto record = std::make_unique<TPluginRecord>();
    if (!record->Module.Open(path))
        return;
    record->Info = entryOf<TVL_InfoFunction>(record->Module, "TVL_info");
    if (!record->Info || record->Info() != TVL_INTERFACE_VERSION)
        return; // the record's library closes with it
    record->FileName = QFileInfo(path).fileName();
    record->Name = entryOf<TVL_NameFunction>(record->Module, "TVL_name");
    record->Start = entryOf<TVL_VoidFunction>(record->Module, "TVL_start");
    record->Stop = entryOf<TVL_VoidFunction>(record->Module, "TVL_stop");
    record->Config = entryOf<TVL_VoidFunction>(record->Module, "TVL_config");
    record->About = entryOf<TVL_VoidFunction>(record->Module, "TVL_about");
    record->Import = entryOf<TVL_ImportFunction>(record->Module, "TVL_importfunction");
    m_records.push_back(std::move(record));
}

void TPluginHost::Start()
{
    for (int i = 0; i < Count(); ++i)
        callEntry(i, &TPluginRecord::Start);
}

void TPluginHost::Unload()
{
    for (int i = 0; i < Count(); ++i) {
        callEntry(i, &TPluginRecord::Stop);
        TPluginRecord &record = *m_records[i];
        // Nothing of an unloaded library may be called again.
        record.Callback = nullptr;
        record.Info = nullptr;
        record.Name = nullptr;
        record.Start = record.Stop = record.Config = record.About = nullptr;
        record.Import = nullptr;
        record.Module.Close();
    }
}

qint32 TPluginHost::Dispatch(qint32 code, std::intptr_t argument)
{
    qint32 result = kNoAnswer;
    if (m_records.empty())
        return result;
    m_table.Refresh();
    // By index: a plug-in may send a command that dispatches an event of its own.
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        const TVL_Callback callback = m_records[i]->Callback;
        if (!callback)
            continue;
        result = callback(code, argument);
        if (result == 1)
            break;
    }
    return result;
}

qint32 TPluginHost::Key(int &virtualKey, int &shift)
{
    TVL_KeyRecord record{};
    record.key = static_cast<uint16_t>(virtualKey);
    record.shift = static_cast<uint8_t>(shift);
    const qint32 result = Dispatch(TVL_EVENT_KEY, reinterpret_cast<std::intptr_t>(&record));
    virtualKey = record.key;
    shift = record.shift;
    return result;
}

qint32 TPluginHost::MouseMove(int &x, int &y, int &shift, int &cursor)
{
    TVL_MouseRecord record{};
    record.x = x;
    record.y = y;
    record.shift = static_cast<uint8_t>(shift);
    record.cursor = TVL_CURSOR_DEFAULT;
    const qint32 result = Dispatch(TVL_EVENT_MOUSE_MOVE, reinterpret_cast<std::intptr_t>(&record));
    x = record.x;
    y = record.y;
    shift = record.shift;
    cursor = record.cursor;
    return result;
}

QString TPluginHost::ListEntry(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    const TPluginRecord &record = *m_records[index];
    const char *name = record.Name ? record.Name() : nullptr;
    if (!name)
        return record.FileName;
    return QString::fromUtf8(name) + QStringLiteral(" (") + record.FileName + QStringLiteral(")");
}

void TPluginHost::Configure(int index)
{
    callEntry(index, &TPluginRecord::Config);
}

void TPluginHost::About(int index)
{
    callEntry(index, &TPluginRecord::About);
}

void TPluginHost::callEntry(int index, TVL_VoidFunction TPluginRecord::*entry)
{
    if (index < 0 || index >= Count())
        return;
    m_table.Refresh();
    if (const TVL_VoidFunction function = (*m_records[index]).*entry)
        function();
}
