#pragma once

#include "mediadialogs/mediareport.h"

#include <QDialog>
#include <QList>

class IMediaDialogHost;

// A generic property page for one element of the graph: each property with
// an editor of its type, read-only ones shown but disabled. OK writes the
// properties whose value was changed.
class TElementProperties : public QDialog
{
    Q_OBJECT

public:
    TElementProperties(IMediaDialogHost &host, int element, const QString &title,
                       QWidget *parent = nullptr);

    void Apply();

private:
    IMediaDialogHost &m_host;
    int m_element;
    QList<TElementProperty> m_properties;
    QList<QWidget *> m_editors;
};
