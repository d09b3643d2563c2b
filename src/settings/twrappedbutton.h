#pragma once

#include <QWidget>

class QAbstractButton;
class QLabel;

// A check box or radio button whose caption wraps onto further lines instead of running out
// of the page. A click on the caption acts as a click on the button's own text.
class TWrappedButton : public QWidget
{
public:
    // Takes the button over; the button carries the control's name.
    TWrappedButton(QAbstractButton *button, const QString &name, QWidget *parent = nullptr);

    QAbstractButton *Button() const { return m_button; }
    QLabel *Label() const { return m_label; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *m_button;
    QLabel *m_label;
};
