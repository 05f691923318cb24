// Checks the compiled-in picture sheets, how they are cut, and the layout's font stand-ins.
#include "roadtest.h"

#include "assets/appicon.h"
#include "assets/spritesheet.h"
#include "ui/fonts.h"
#include "ui/letterart.h"

#include <QFontInfo>
#include <QImage>

namespace {

QImage toImage(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isGrass(QRgb c)
{
    return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}

// A point of a 60 x 60 tile at the drawing's own scale.
QRgb tilePixel(const QImage &tile, qreal x, qreal y)
{
    const qreal s = tile.width() / 60.0;
    return tile.pixel(qFloor(x * s), qFloor(y * s));
}

const QRgb windowGreen = qRgb(0, 192, 0);

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

  private slots:
    void sheets_data();
    void sheets();
    void iconSizes_data();
    void iconSizes();
    void cellsCutInTurnsMatch_data();
    void cellsCutInTurnsMatch();
    void tilesAreDistinct_data();
    void tilesAreDistinct();
    void emptyPlaceIsSolidOrange();
    void roadOpensOnItsSides_data();
    void roadOpensOnItsSides();
    void curveFollowsQuarterCircle_data();
    void curveFollowsQuarterCircle();
    void onlyTheFirstCarIsDrawn();
    void bannerMessageStripIsPlain_data();
    void bannerMessageStripIsPlain();
    void layoutFontsResolve_data();
    void layoutFontsResolve();
};

void TestAssets::sheets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QSize>("cell");
    QTest::newRow("tiles") << "tiles" << 12 << 2 << QSize(60, 60);
    QTest::newRow("cars") << "cars" << 2 << 10 << QSize(24, 24);
    QTest::newRow("digits") << "digits" << 1 << 11 << QSize(36, 44);
    QTest::newRow("banners") << "banners" << 6 << 1 << QSize(480, 80);
    QTest::newRow("help") << "help" << 1 << 3 << QSize(160, 110);
    QTest::newRow("about") << "about" << 1 << 1 << QSize(360, 240);
}

void TestAssets::sheets()
{
    QFETCH(QString, name);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QSize, cell);
    const QSize whole(cell.width() * columns, cell.height() * rows);
    QCOMPARE(QImage(":/assets/" + name + ".png").size(), whole);
    QCOMPARE(QImage(":/assets/" + name + "@2x.png").size(), whole * 2);

    // The offscreen screen is not dense, so the plain constructor takes the 1x drawing.
    const SpriteSheet screen(name, rows, columns);
    QCOMPARE(screen.count(), rows * columns);
    QCOMPARE(screen.cellSize(), cell);
    QCOMPARE(screen.cell(0).devicePixelRatio(), 1.0);
    QCOMPARE(screen.cell(rows * columns - 1).size(), cell);
    QVERIFY(screen.cell(-1).isNull());
    QVERIFY(screen.cell(rows * columns).isNull());

    const SpriteSheet dense(name, rows, columns, 2);
    QCOMPARE(dense.count(), rows * columns);
    QCOMPARE(dense.cellSize(), cell);
    const QPixmap last = dense.cell(rows * columns - 1);
    QCOMPARE(last.devicePixelRatio(), 2.0);
    QCOMPARE(last.size(), cell * 2);
    QCOMPARE(last.deviceIndependentSize(), QSizeF(cell));
}

void TestAssets::iconSizes_data()
{
    QTest::addColumn<int>("pixels");
    for (int pixels : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        QTest::addRow("%d", pixels) << pixels;
}

// Each size the desktop asks for is drawn, not scaled, and shows a red car on a road tile.
void TestAssets::iconSizes()
{
    QFETCH(int, pixels);
    const QIcon icon = applicationIcon();
    QCOMPARE(icon.availableSizes().size(), 9);
    QVERIFY(icon.availableSizes().contains(QSize(pixels, pixels)));
    const QImage image = toImage(icon.pixmap(QSize(pixels, pixels)));
    QCOMPARE(image.size(), QSize(pixels, pixels));

    const int last = pixels - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QVERIFY(qAlpha(image.pixel(corner)) < 32); // a rounded tile, not a square
    // A margin all round, as the icons beside it in a menu keep: the outermost pixels are clear.
    for (int i = 0; i < pixels; ++i) {
        for (QPoint edge : {QPoint(i, 0), QPoint(i, last), QPoint(0, i), QPoint(last, i)})
            QVERIFY2(qAlpha(image.pixel(edge)) == 0,
                     qPrintable(QStringLiteral("%1,%2 is drawn").arg(edge.x()).arg(edge.y())));
    }
    QCOMPARE(qAlpha(image.pixel(pixels / 2, pixels / 2)), 255);

    int red = 0;
    int road = 0;
    int green = 0;
    int area = 0; // the tile's, inside the margin
    for (int y = 0; y < pixels; ++y) {
        for (int x = 0; x < pixels; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 255) ++area;
            if (qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80)
                ++red;
            else if (isGrass(c))
                ++green;
            else if (qAbs(qRed(c) - 94) < 16 && qAbs(qGreen(c) - 98) < 16 &&
                     qAbs(qBlue(c) - 106) < 16)
                ++road;
        }
    }
    const QString shares =
        QStringLiteral("red %1, road %2, grass %3 of %4").arg(red).arg(road).arg(green).arg(area);
    QVERIFY2(red * 16 > area && road * 12 > area && green * 5 > area, qPrintable(shares));
}

void TestAssets::cellsCutInTurnsMatch_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("ratio");
    QTest::newRow("tiles 1x") << "tiles" << 12 << 2 << 1;
    QTest::newRow("tiles 2x") << "tiles" << 12 << 2 << 2;
    QTest::newRow("cars 1x") << "cars" << 2 << 10 << 1;
    QTest::newRow("banners 2x") << "banners" << 6 << 1 << 2;
}

// A sheet lets its decoded picture go when the event loop turns and decodes it again for the
// cells asked for later: they are the cells one decoding cuts in a single go.
void TestAssets::cellsCutInTurnsMatch()
{
    QFETCH(QString, name);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, ratio);
    const SpriteSheet inTurns(name, rows, columns, ratio);
    const SpriteSheet atOnce(name, rows, columns, ratio);
    const int count = rows * columns;
    QVERIFY(!inTurns.cell(count - 1).isNull());
    QCoreApplication::processEvents();
    for (int k = 0; k < count; ++k) {
        const QPixmap later = inTurns.cell(k);
        QCOMPARE(later.devicePixelRatio(), qreal(ratio));
        QCOMPARE(later.toImage(), atOnce.cell(k).toImage());
        if (k % 3 == 0) QCoreApplication::processEvents();
    }
    QCOMPARE(inTurns.count(), count);
}

void TestAssets::tilesAreDistinct_data()
{
    QTest::addColumn<int>("ratio");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TestAssets::tilesAreDistinct()
{
    QFETCH(int, ratio);
    // The exits differ only in their words' colour: they are lettered as the game shows them.
    const SpriteSheet tiles("tiles", 12, 2, ratio, letterTile);
    const QList<int> pictured{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 23};
    for (int a : pictured) {
        for (int b : pictured) {
            if (a < b && toImage(tiles.cell(a)) == toImage(tiles.cell(b)))
                QFAIL(qPrintable(QString("tiles %1 and %2 look the same").arg(a).arg(b)));
        }
    }
}

void TestAssets::emptyPlaceIsSolidOrange()
{
    const QImage place = toImage(SpriteSheet("tiles", 12, 2, 1).cell(0));
    const QRgb c = place.pixel(0, 0);
    QVERIFY(qRed(c) > 220 && qGreen(c) > 100 && qGreen(c) < 180 && qBlue(c) < 60);
    for (int y = 0; y < place.height(); ++y)
        for (int x = 0; x < place.width(); ++x)
            QCOMPARE(place.pixel(x, y), c);
}

void TestAssets::roadOpensOnItsSides_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("open"); // l, r, u, d
    QTest::newRow("1 straight left-right") << 1 << "lr";
    QTest::newRow("2 straight top-bottom") << 2 << "ud";
    QTest::newRow("3 crossing") << 3 << "lrud";
    QTest::newRow("4 curve right-bottom") << 4 << "rd";
    QTest::newRow("5 curve left-bottom") << 5 << "ld";
    QTest::newRow("6 curve top-right") << 6 << "ur";
    QTest::newRow("7 curve left-top") << 7 << "lu";
    QTest::newRow("9 the end, yellow") << 9 << "lrud";
    QTest::newRow("10 the end, white") << 10 << "lrud";
    QTest::newRow("11 the end, grey") << 11 << "lrud";
    QTest::newRow("12 tent") << 12 << "";
}

// At each edge the road, if open there, spans 14..46 about the middle line; elsewhere grass.
void TestAssets::roadOpensOnItsSides()
{
    QFETCH(int, type);
    QFETCH(QString, open);
    struct Edge
    {
        QChar side;
        QPointF at;    // a point just inside the middle of the edge
        QPointF along; // unit step along the edge
    };
    const Edge edges[] = {{'l', {1, 30}, {0, 1}},
                          {'r', {58.5, 30}, {0, 1}},
                          {'u', {30, 1}, {1, 0}},
                          {'d', {30, 58.5}, {1, 0}}};
    for (int ratio : {1, 2}) {
        const QImage tile = toImage(SpriteSheet("tiles", 12, 2, ratio).cell(type));
        for (const Edge &e : edges) {
            const bool road = open.contains(e.side);
            const QString where =
                QString("tile %1 at %2x, side %3").arg(type).arg(ratio).arg(e.side);
            for (qreal offset : {0.0, -15.0, 15.0}) {
                const QPointF p = e.at + e.along * offset;
                QVERIFY2(isGrass(tilePixel(tile, p.x(), p.y())) != road, qPrintable(where));
            }
            for (qreal offset : {-19.5, 19.5}) {
                const QPointF p = e.at + e.along * offset;
                QVERIFY2(isGrass(tilePixel(tile, p.x(), p.y())), qPrintable(where + " beside"));
            }
        }
    }
}

void TestAssets::curveFollowsQuarterCircle_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QPointF>("corner");
    QTest::newRow("4") << 4 << QPointF(60, 60);
    QTest::newRow("5") << 5 << QPointF(0, 60);
    QTest::newRow("6") << 6 << QPointF(60, 0);
    QTest::newRow("7") << 7 << QPointF(0, 0);
}

// The car turns on a quarter circle of radius 30 about the corner: road there, grass well off it.
void TestAssets::curveFollowsQuarterCircle()
{
    QFETCH(int, type);
    QFETCH(QPointF, corner);
    const QImage tile = toImage(SpriteSheet("tiles", 12, 2, 2).cell(type));
    const QPointF towardsMiddle((corner.x() > 0) ? -1 : 1, (corner.y() > 0) ? -1 : 1);
    for (int degrees = 5; degrees <= 85; degrees += 10) {
        const qreal a = qDegreesToRadians(qreal(degrees));
        const QPointF dir(towardsMiddle.x() * qCos(a), towardsMiddle.y() * qSin(a));
        for (qreal r : {18.0, 30.0, 42.0}) {
            const QPointF p = corner + dir * r;
            QVERIFY2(!isGrass(tilePixel(tile, p.x(), p.y())),
                     qPrintable(QString("no road at %1 deg, r %2").arg(degrees).arg(r)));
        }
        for (qreal r : {9.0, 51.0}) {
            const QPointF p = corner + dir * r;
            QVERIFY2(isGrass(tilePixel(tile, p.x(), p.y())),
                     qPrintable(QString("road at %1 deg, r %2").arg(degrees).arg(r)));
        }
    }
}

void TestAssets::onlyTheFirstCarIsDrawn()
{
    const SpriteSheet cars("cars", 2, 10, 1);
    for (int k = 0; k < cars.count(); ++k) {
        const QImage car = toImage(cars.cell(k));
        int opaque = 0;
        int seen = 0;
        for (int y = 0; y < car.height(); ++y) {
            for (int x = 0; x < car.width(); ++x) {
                opaque += qAlpha(car.pixel(x, y)) == 255;
                seen += qAlpha(car.pixel(x, y)) > 0;
            }
        }
        if (k == 0) {
            QVERIFY(opaque > 200);
            QCOMPARE(qAlpha(car.pixel(0, 0)), 0); // a car, not a square
        } else {
            QCOMPARE(seen, 0);
        }
    }
}

void TestAssets::bannerMessageStripIsPlain_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<bool>("words");
    QTest::newRow("click to play") << 0 << true;
    QTest::newRow("you lost") << 1 << true;
    QTest::newRow("you won, pose 1") << 2 << true;
    QTest::newRow("you won, pose 2") << 3 << true;
    QTest::newRow("good luck") << 4 << true;
    QTest::newRow("score field") << 5 << false;
}

// The game writes a line on y 50..80 of a banner, and lays the score digits (on the same green
// as the window) over the blank field; the words keep to the top.
void TestAssets::bannerMessageStripIsPlain()
{
    QFETCH(int, k);
    QFETCH(bool, words);
    for (int ratio : {1, 2}) {
        const QImage banner = toImage(SpriteSheet("banners", 6, 1, ratio, letterBanner).cell(k));
        int lettered = 0;
        for (int y = 4 * ratio; y < 78 * ratio; ++y) {
            for (int x = 4 * ratio; x < 476 * ratio; ++x) {
                const bool plain = banner.pixel(x, y) == windowGreen;
                if (y >= 50 * ratio)
                    QVERIFY2(plain, qPrintable(QString("banner %1 marked at %2,%3 (%4x)")
                                                   .arg(k)
                                                   .arg(x)
                                                   .arg(y)
                                                   .arg(ratio)));
                else
                    lettered += !plain;
            }
        }
        QCOMPARE(lettered > 1000 * ratio * ratio, words);
    }
    const QImage digit = toImage(SpriteSheet("digits", 1, 11, 1).cell(7));
    QCOMPARE(digit.pixel(0, 0), windowGreen);
    QCOMPARE(digit.pixel(35, 43), windowGreen);
}

void TestAssets::layoutFontsResolve_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("face");
    QTest::newRow("Comic Sans MS") << "Comic Sans MS"
                                   << "Comic Neue";
    QTest::newRow("Arial") << "Arial"
                           << "Liberation Sans";
    QTest::newRow("Arial Narrow") << "Arial Narrow"
                                  << "Liberation Sans Narrow";
    QTest::newRow("Arial Black") << "Arial Black"
                                 << "DejaVu Sans";
    QTest::newRow("Tahoma") << "Tahoma"
                            << "DejaVu Sans";
    QTest::newRow("Verdana") << "Verdana"
                             << "DejaVu Sans";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                   << "Liberation Sans";
    QTest::newRow("DigitMed") << "DigitMed"
                              << "DSEG7 Classic";
}

void TestAssets::layoutFontsResolve()
{
    QFETCH(QString, family);
    QFETCH(QString, face);
    QVERIFY(layoutFamilies().contains(family));
    QCOMPARE(layoutFamilies().size(), 8);

    const QFont font = layoutFont(family, 10, true);
    QCOMPARE(QFontInfo(font).family(), face);
    QCOMPARE(font.pixelSize(), 13); // 10 pt at 96 dpi
    QVERIFY(QFontInfo(font).bold());
    QCOMPARE(layoutFont(family, 7.5).pixelSize(), 10);
    QCOMPARE(layoutFont(family, 12, false, true).pixelSize(), 16);
    QVERIFY(layoutFont(family, 12, false, true).italic());

    // Fonts made by name alone find the same face once the substitutions are in.
    installFontSubstitutions();
    QCOMPARE(QFontInfo(QFont(family)).family(), face);
}

ROADSHIFT_TEST_GUI_MAIN(TestAssets)

#include "test_assets.moc"
