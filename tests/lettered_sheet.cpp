// Writes a picture sheet as the game shows it, its words lettered in the desktop's language, for
// the tests that compare the real game's window with it.
//
// lettered_sheet <tiles|digits|banners|help|paused> <out.png> [<ratio 1 or 2>]
#include "assets/spritesheet.h"
#include "core/language.h"
#include "ui/letterart.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

struct Lettered
{
    const char *name;
    int rows;
    int columns;
    SpriteSheet::CellWords words;
};

const Lettered sheets[] = {
    {"tiles", 12, 2, letterTile}, {"digits", 1, 11, letterDigit}, {"banners", 6, 1, letterBanner},
    {"help", 1, 3, letterHelp},   {"paused", 1, 1, letterPaused},
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const Lettered *which = nullptr;
    for (const Lettered &s : sheets) {
        if (argc >= 3 && qstrcmp(argv[1], s.name) == 0) which = &s;
    }
    const int ratio = argc == 4 ? QByteArray(argv[3]).toInt() : 1;
    if (!which || argc > 4 || (ratio != 1 && ratio != 2)) {
        std::fputs("usage: lettered_sheet <tiles|digits|banners|help|paused> <out.png> [1|2]\n",
                   stderr);
        return 2;
    }
    installTranslations(); // the language the game itself takes from the same desktop
    const SpriteSheet sheet(QString::fromLatin1(which->name), which->rows, which->columns, ratio,
                            which->words);
    const QSize cell = sheet.cellSize() * ratio;
    QImage out(cell.width() * which->columns, cell.height() * which->rows,
               QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int k = 0; k < sheet.count(); ++k) {
        QImage picture = sheet.cell(k).toImage();
        picture.setDevicePixelRatio(1);
        p.drawImage((k % which->columns) * cell.width(), (k / which->columns) * cell.height(),
                    picture);
    }
    p.end();
    return out.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
