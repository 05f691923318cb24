// Writes a picture sheet as the game shows it, its words lettered in the desktop's language, for
// the tests that compare the real game's window with it.
//
// lettered_sheet banners <out.png>
#include "assets/spritesheet.h"
#include "core/language.h"
#include "ui/letterart.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3 || qstrcmp(argv[1], "banners") != 0) {
        std::fputs("usage: lettered_sheet banners <out.png>\n", stderr);
        return 2;
    }
    installTranslations(); // the language the game itself takes from the same desktop
    constexpr int rows = 6;
    const SpriteSheet sheet(QStringLiteral("banners"), rows, 1, 1, letterBanner);
    const QSize cell = sheet.cellSize();
    QImage out(cell.width(), cell.height() * rows, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    for (int k = 0; k < rows; ++k)
        p.drawPixmap(0, k * cell.height(), sheet.cell(k));
    p.end();
    return out.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
