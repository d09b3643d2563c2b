#include "videogeometry.h"

QRect FitPictureRect(const QSize &source, const QSize &area)
{
    if (source.isEmpty() || area.isEmpty())
        return {};
    const QSize fitted = source.scaled(area, Qt::KeepAspectRatio);
    return QRect(QPoint((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2),
                 fitted);
}
