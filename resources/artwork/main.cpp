// Draws the skin's pictures as bitmaps: the built-in set compiled into the player, or the
// pictures of a theme we ship. Usage: tavrel_artwork <output folder> [builtin|amber]
#include "artstyle.h"
#include "colortable.h"
#include "painter.h"
#include "themepictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: tavrel_artwork <output folder> [builtin|amber]\n");
        return 2;
    }
    const QDir out(args.at(1));
    const bool amber = args.size() > 2 && args.at(2) == u"amber";
    const TArtStyle style = amber ? TArtStyle::Amber() : TArtStyle::BuiltIn();
    if (!QDir().mkpath(out.path()))
        return 1;
    for (const TThemePictureInfo &info : ThemePictures::All()) {
        if (amber && !info.themable)
            continue;
        const QString name = QString::fromLatin1(info.name);
        const QImage picture = name == u"TVL" ? ArtPainter::Logo(style)
                                              : ArtPainter::Picture(name, info.size, style);
        if (!picture.convertToFormat(QImage::Format_RGB888).save(out.filePath(name + ".bmp"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(name + ".bmp")));
            return 1;
        }
    }
    if (amber) {
        if (!AmberColorTable()
                 .convertToFormat(QImage::Format_RGB888)
                 .save(out.filePath(QStringLiteral("colortable.bmp"))))
            return 1;
        QFile config(out.filePath(QStringLiteral("config.ini")));
        if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        config.write("; Amber: warm pictures and colours, menus two pixels lower.\n"
                     "[mainmenu]\nalltop=2\n\n[TimeLine]\nPointTransDiv=\xC2\xBB\n");
    }
    return 0;
}
