#include "sharedlibrary.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dlfcn.h>
#endif

TSharedLibrary::~TSharedLibrary()
{
    Close();
}

bool TSharedLibrary::Open(const QString &absolutePath)
{
    Close();
#ifdef Q_OS_WIN
    // The altered search order looks for the library's own dependencies beside it, not in
    // the current folder.
    const std::wstring native = QDir::toNativeSeparators(absolutePath).toStdWString();
    m_handle = LoadLibraryExW(native.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
#else
    // A name with a separator is opened as that file alone.
    if (!absolutePath.contains(QLatin1Char('/')))
        return false;
    m_handle = dlopen(QFile::encodeName(absolutePath).constData(), RTLD_NOW | RTLD_LOCAL);
#endif
    return m_handle != nullptr;
}

void *TSharedLibrary::Symbol(const char *name) const
{
    if (!m_handle)
        return nullptr;
#ifdef Q_OS_WIN
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(m_handle), name));
#else
    return dlsym(m_handle, name);
#endif
}

void TSharedLibrary::Close()
{
    if (!m_handle)
        return;
#ifdef Q_OS_WIN
    FreeLibrary(static_cast<HMODULE>(m_handle));
#else
    dlclose(m_handle);
#endif
    m_handle = nullptr;
}
