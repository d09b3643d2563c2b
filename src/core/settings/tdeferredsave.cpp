#include "tdeferredsave.h"

#include <QEvent>

TDeferredSave::TDeferredSave(std::function<void()> save, int delayMs, QObject *parent)
    : QObject(parent)
    , m_save(std::move(save))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_save(); });
}

void TDeferredSave::Poke()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void TDeferredSave::Flush()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    m_save();
}

void TDeferredSave::Watch(QObject *object)
{
    object->installEventFilter(this);
}

bool TDeferredSave::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        Poke();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
