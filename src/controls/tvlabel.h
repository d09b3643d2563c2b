#pragma once

#include "tmousecontrol.h"
#include "vlabelpainter.h"

// A text label drawn with a one-pixel halo, optional smoothing and an optional dimmed look.
class TVLabel : public TMouseControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(TColor Color READ color WRITE setColor)
    Q_PROPERTY(TColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(TColor ColorShare READ colorShare WRITE setColorShare)
    Q_PROPERTY(bool AntiAlias READ antiAlias WRITE setAntiAlias)
    Q_PROPERTY(bool Flat READ flat WRITE setFlat)

public:
    explicit TVLabel(QWidget *parent = nullptr);

    QString caption() const { return m_look.caption; }
    // A new text also sets the width to the text's width plus 2.
    void setCaption(const QString &caption);
    TColor color() const { return m_look.color; }
    void setColor(TColor color);
    TColor fontColor() const { return m_look.fontColor; }
    void setFontColor(TColor color);
    TColor colorShare() const { return m_look.colorShare; }
    void setColorShare(TColor color);
    bool antiAlias() const { return m_look.antiAlias; }
    void setAntiAlias(bool antiAlias);
    bool flat() const { return m_look.flat; }
    void setFlat(bool flat);

    // The picture of the label as it is painted.
    QImage picture() const;

    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TVLabelLook m_look;
};
