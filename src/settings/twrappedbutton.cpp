#include "twrappedbutton.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

TWrappedButton::TWrappedButton(QAbstractButton *button, const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_button(button)
    , m_label(new QLabel(this))
{
    m_button->setParent(this);
    m_button->setObjectName(name);
    m_label->setObjectName(name + QStringLiteral("Caption"));
    m_label->setWordWrap(true);
    m_label->installEventFilter(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button, 0, Qt::AlignTop);
    layout->addWidget(m_label, 1);
}

bool TWrappedButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && m_button->isEnabled())
        m_button->click();
    return QWidget::eventFilter(watched, event);
}
