#include "labelkey.h"

#include "tvlabel.h"

#include <QBitmap>

void KeyOutBackground(TVLabel *label)
{
    const QImage picture = label->picture();
    if (picture.isNull()) {
        label->clearMask();
        return;
    }
    const QImage mask = picture.convertToFormat(QImage::Format_RGB32)
                            .createMaskFromColor(toRgb(label->color()), Qt::MaskInColor);
    label->setMask(QBitmap::fromImage(mask));
}

void SetKeyedCaption(TVLabel *label, const QString &caption)
{
    if (label->caption() == caption)
        return;
    label->setCaption(caption);
    KeyOutBackground(label);
}
