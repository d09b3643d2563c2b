#pragma once

#include <QWidget>

// The background of the whole client area (`Glob`): the picture and every
// floating panel are its children. While nothing is open it shows the logo.
class TVideoArea : public QWidget
{
    Q_OBJECT

public:
    explicit TVideoArea(QWidget *parent = nullptr);

    void SetShowLogo(bool show);
    bool ShowLogo() const { return m_showLogo; }
    void SetColor(const QColor &color);

signals:
    void Resized(const QSize &size);
    // The logo came or went: what shows through the see-through panels changed.
    void LogoChanged(bool shown);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_showLogo = true;
};
