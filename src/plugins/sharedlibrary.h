#pragma once

#include <QString>

// One shared library opened by its full path. Only that file is ever opened: no search
// path and no current folder take part, and every symbol is bound at load so that a
// library with a missing dependency fails here instead of at its first call.
class TSharedLibrary
{
public:
    TSharedLibrary() = default;
    ~TSharedLibrary();
    TSharedLibrary(const TSharedLibrary &) = delete;
    TSharedLibrary &operator=(const TSharedLibrary &) = delete;

    // False when the file is not a loadable library (or is not there).
    bool Open(const QString &absolutePath);
    // The address of an exported symbol, or null.
    void *Symbol(const char *name) const;
    void Close();
    bool IsOpen() const { return m_handle != nullptr; }
    void *Handle() const { return m_handle; }

private:
    void *m_handle = nullptr;
};
