// The words lettered over the game's pictures: under every complete translation and a longer
// pseudo-language, at 1x and 2x, each text stays readable and inside its room; in English the
// words stand where the pictures always had them.
#include "roadtest.h"

#include "assets/spritesheet.h"
#include "core/board.h"
#include "ui/fonts.h"
#include "ui/letterart.h"
#include "ui/lettering.h"

#include <QDir>
#include <QPainter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTranslator>

#include <algorithm>

namespace {

using Letterer = QList<LetterFit> (*)(QPainter &, int);

struct Sheet
{
    const char *name;
    int rows;
    int columns;
    Letterer words;
};

const Sheet sheets[] = {
    {"tiles", 12, 2, letterTile}, {"digits", 1, 11, letterDigit}, {"banners", 6, 1, letterBanner},
    {"help", 1, 3, letterHelp},   {"paused", 1, 1, letterPaused},
};

const Sheet &sheetNamed(const QString &name)
{
    for (const Sheet &s : sheets) {
        if (name == QLatin1String(s.name)) return s;
    }
    qFatal("no sheet %s", qPrintable(name));
}

// Every word of a lettered text some 40 % longer, as German and Russian words are, with their
// accented and Cyrillic letters (Cyrillic comes from a stand-in face where the art's face has
// none): "THE END!" reads "THEÄ END!ÄЖ".
class LongerLettering : public QTranslator
{
  public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Lettering") != 0) return {};
        QStringList words = QString::fromUtf8(sourceText).split(u' ');
        for (QString &word : words) {
            const QString pad =
                word == word.toUpper() ? QStringLiteral("ÄЖÜЙÖЩ") : QStringLiteral("äжüйöщ");
            const qsizetype wanted = qRound64(word.size() * 1.4);
            for (qsizetype i = 0; word.size() < wanted; ++i)
                word += pad.at(i % pad.size());
        }
        return words.join(u' ');
    }
    bool isEmpty() const override { return false; }
};

constexpr Lettering everyLettering[] = {
    Lettering::TheEnd,     Lettering::Start,    Lettering::Points,    Lettering::ClickToPlay,
    Lettering::YouLost,    Lettering::YouWon,   Lettering::GoodLuck,  Lettering::LotsOfThem,
    Lettering::HelpSlide,  Lettering::HelpTurn, Lettering::HelpGuide, Lettering::Paused,
    Lettering::PressToGoOn};

// The game's translations whose every lettered text is translated.
QStringList completeTranslations()
{
    QStringList complete;
    const QDir folder(QStringLiteral(":/i18n"));
    for (const QString &file : folder.entryList({QStringLiteral("roadshift_*.qm")})) {
        QTranslator translator;
        if (!translator.load(folder.filePath(file))) continue;
        const bool all = std::all_of(
            std::begin(everyLettering), std::end(everyLettering), [&translator](Lettering which) {
                return !translator.translate("Lettering", letteringSource(which)).isEmpty();
            });
        if (all) complete << folder.filePath(file);
    }
    return complete;
}

struct Lettered
{
    QImage bare;
    QImage lettered;
    QList<LetterFit> fits;
};

SpriteSheet bareSheet(const Sheet &sheet, int ratio)
{
    return SpriteSheet(QString::fromLatin1(sheet.name), sheet.rows, sheet.columns, ratio);
}

// Cell k of a sheet drawn at a ratio, without and with its words, and how they were fitted.
Lettered letter(const SpriteSheet &bare, const Sheet &sheet, int k)
{
    QPixmap cell = bare.cell(k);
    Lettered out;
    out.bare = cell.toImage().convertToFormat(QImage::Format_ARGB32);
    {
        QPainter p(&cell);
        // As the game's sheets paint them.
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        out.fits = sheet.words(p, k);
    }
    out.lettered = cell.toImage().convertToFormat(QImage::Format_ARGB32);
    return out;
}

// The pixels the words changed, in the cell's logical pixels.
QRectF changed(const Lettered &l, int ratio, QList<QPointF> *points = nullptr)
{
    QRect box;
    for (int y = 0; y < l.bare.height(); ++y) {
        const auto *bare = reinterpret_cast<const QRgb *>(l.bare.constScanLine(y));
        const auto *lettered = reinterpret_cast<const QRgb *>(l.lettered.constScanLine(y));
        if (std::equal(bare, bare + l.bare.width(), lettered)) continue;
        for (int x = 0; x < l.bare.width(); ++x) {
            if (bare[x] == lettered[x]) continue;
            box |= QRect(x, y, 1, 1);
            if (points) *points << QPointF(x + 0.5, y + 0.5) / ratio;
        }
    }
    return QRectF(box.topLeft().toPointF() / ratio, box.size().toSizeF() / ratio);
}

QString describe(const LetterFit &f)
{
    return QStringLiteral("%1 \"%2\": size %3 of %4 (at least %5), narrowed to %6")
        .arg(f.where, f.text)
        .arg(f.size, 0, 'f', 2)
        .arg(f.english, 0, 'f', 2)
        .arg(f.minimum, 0, 'f', 2)
        .arg(f.narrowed, 0, 'f', 2);
}

// How far a text's marks may reach beyond its room: the rim and the drop shadow.
constexpr qreal reach = 5.5;
// The game writes a line of its own from here down on a banner.
constexpr qreal bannerLine = 50;

} // namespace

class TestLettering : public QObject
{
    Q_OBJECT

  private slots:
    void everyTextFits_data();
    void everyTextFits();
    void englishWordsInPlace_data();
    void englishWordsInPlace();
    void sheetLettersItsCells();
    void longWordsKeepTheirShape_data();
    void longWordsKeepTheirShape();
    void oneWordExitTakesBothLines();
};

void TestLettering::everyTextFits_data()
{
    QTest::addColumn<QString>("language"); // a .qm file, "pseudo", or empty for English
    QTest::addColumn<int>("ratio");
    QStringList languages{QString(), QStringLiteral("pseudo")};
    const QStringList translations = completeTranslations();
    QVERIFY2(!translations.isEmpty(), "no complete translation in the resources");
    languages << translations;
    for (const QString &language : languages) {
        const QString name =
            language.isEmpty() ? QStringLiteral("English") : QFileInfo(language).completeBaseName();
        for (int ratio : {1, 2})
            QTest::addRow("%s %dx", qPrintable(name), ratio) << language << ratio;
    }
}

void TestLettering::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(int, ratio);
    // Lettering that makes Qt warn (a path with NaN in it draws nothing) fails.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".+")));
    LongerLettering pseudo;
    QTranslator translation;
    QTranslator *translator = &pseudo;
    if (!language.isEmpty() && language != QLatin1String("pseudo")) {
        QVERIFY(translation.load(language));
        translator = &translation;
    }
    if (!language.isEmpty()) QCoreApplication::installTranslator(translator);
    const auto uninstall =
        qScopeGuard([translator] { QCoreApplication::removeTranslator(translator); });

    for (const Sheet &sheet : sheets) {
        const SpriteSheet bare = bareSheet(sheet, ratio);
        for (int k = 0; k < bare.count(); ++k) {
            const Lettered l = letter(bare, sheet, k);
            QList<QPointF> marks;
            changed(l, ratio, &marks);
            QCOMPARE(marks.isEmpty(), l.fits.isEmpty());
            const QRectF cell(QPointF(), QSizeF(l.bare.size()) / ratio);
            for (const LetterFit &fit : l.fits) {
                QVERIFY2(!fit.text.isEmpty() && fit.readable(), qPrintable(describe(fit)));
                QVERIFY2(cell.contains(fit.box), qPrintable(describe(fit)));
                // Chinese, Japanese and Korean characters are made smaller, never squeezed.
                if (hasCjk(fit.text))
                    QVERIFY2(qFuzzyCompare(fit.narrowed, 1.0), qPrintable(describe(fit)));
            }
            for (const QPointF &mark : marks) {
                if (qstrcmp(sheet.name, "banners") == 0)
                    QVERIFY2(mark.y() < bannerLine,
                             qPrintable(QStringLiteral("banner %1: a mark at %2,%3 on the line "
                                                       "below the words; %4")
                                            .arg(k)
                                            .arg(mark.x())
                                            .arg(mark.y())
                                            .arg(describe(l.fits.value(0)))));
                const bool inside = std::any_of(l.fits.begin(), l.fits.end(), [&](const auto &f) {
                    return f.box.adjusted(-reach, -reach, reach, reach).contains(mark);
                });
                QVERIFY2(inside, qPrintable(QStringLiteral("%1 %2: a mark at %3,%4 outside "
                                                           "every text's room; %5")
                                                .arg(QLatin1String(sheet.name))
                                                .arg(k)
                                                .arg(mark.x())
                                                .arg(mark.y())
                                                .arg(describe(l.fits.value(0)))));
            }
        }
    }
}

void TestLettering::englishWordsInPlace_data()
{
    // Where the pictures had their English words when they were drawn with them.
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("k");
    QTest::addColumn<QRectF>("words");
    QTest::newRow("CLICK TO PLAY!") << "banners" << 0 << QRectF(51, 3, 380, 45);
    QTest::newRow("GOOD LUCK!") << "banners" << 4 << QRectF(132, 2, 220, 47);
    QTest::newRow("PAUSED") << "paused" << 0 << QRectF(97, 163, 288, 101);
    QTest::newRow("THE END!") << "tiles" << 9 << QRectF(7, 13, 46, 33);
    QTest::newRow("START") << "tiles" << 23 << QRectF(3, 4, 10, 51);
    QTest::newRow("Pts") << "digits" << 10 << QRectF(0, 23, 36, 19);
    QTest::newRow("help's third") << "help" << 2 << QRectF(7, 11, 136, 87);
}

void TestLettering::englishWordsInPlace()
{
    QFETCH(QString, sheet);
    QFETCH(int, k);
    QFETCH(QRectF, words);
    for (int ratio : {1, 2}) {
        const Sheet &which = sheetNamed(sheet);
        const QRectF at = changed(letter(bareSheet(which, ratio), which, k), ratio);
        const auto near = [](qreal a, qreal b) { return qAbs(a - b) <= 2; };
        QVERIFY2(near(at.left(), words.left()) && near(at.top(), words.top()) &&
                     near(at.right(), words.right()) && near(at.bottom(), words.bottom()),
                 qPrintable(QStringLiteral("%1x: words at %2,%3 %4x%5")
                                .arg(ratio)
                                .arg(at.x())
                                .arg(at.y())
                                .arg(at.width())
                                .arg(at.height())));
    }
}

// The game's sheets paint the same words over a cell as the letterer does, once.
void TestLettering::sheetLettersItsCells()
{
    for (int ratio : {1, 2}) {
        const SpriteSheet sheet(QStringLiteral("banners"), 6, 1, ratio, letterBanner);
        const QImage shown = sheet.cell(1).toImage().convertToFormat(QImage::Format_ARGB32);
        const Sheet &banners = sheetNamed(QStringLiteral("banners"));
        QCOMPARE(shown, letter(bareSheet(banners, ratio), banners, 1).lettered);
        QCOMPARE(sheet.cell(1).toImage().convertToFormat(QImage::Format_ARGB32), shown);
    }
}

// Words longer than the English ones in the same box: first narrowed, never below the narrowest
// face, then made smaller; always inside the box.
void TestLettering::longWordsKeepTheirShape_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("narrowed");
    QTest::addColumn<bool>("smaller");
    QTest::newRow("as long") << "GOOD LUCK!" << false << false;
    QTest::newRow("a little longer") << "GOOD LUCK!!!" << true << false;
    QTest::newRow("far longer") << "GOOD LUCK! GOOD LUCK! GOOD LUCK!" << true << true;
    // Chinese, Japanese and Korean characters are squares: smaller, never narrowed.
    QTest::newRow("Japanese, as long") << "がんばって！" << false << false;
    QTest::newRow("Japanese, longer") << "がんばって！がんばって！がんばって！" << false << true;
    QTest::newRow("Korean, longer") << "행운을 빌어요! 행운을 빌어요!" << false << true;
}
void TestLettering::longWordsKeepTheirShape()
{
    QFETCH(QString, words);
    QFETCH(bool, narrowed);
    QFETCH(bool, smaller);
    const QFont font = artFont(QStringLiteral("DejaVu Sans"), 20, QFont::Black);
    const QRectF box(10, 10, 140, 24);
    const qreal englishScale = fitScale(textPath(QStringLiteral("GOOD LUCK!"), font), box);
    LetterFit fit;
    const QPainterPath path = fitWordsAt(
        textPath(words, font), englishScale, box, font.pixelSize(), &fit, 0, 0, narrowestFor(words),
        letterHeight(font, words) / letterHeight(font, QStringLiteral("GOOD LUCK!")));
    QVERIFY2(fit.narrowed >= narrowest - 1e-6, qPrintable(QString::number(fit.narrowed)));
    QCOMPARE(fit.narrowed < 1 - 1e-6, narrowed);
    QCOMPARE(fit.size < fit.english - 1e-6, smaller);
    const QRectF drawn = path.boundingRect();
    QVERIFY2(drawn.width() <= box.width() + 0.5, qPrintable(QString::number(drawn.width())));
}

// An exit word with no space in it stands in the room of both English lines, not of one.
void TestLettering::oneWordExitTakesBothLines()
{
    class OneWord : public QTranslator
    {
      public:
        QString translate(const char *context, const char *source, const char *, int) const override
        {
            return qstrcmp(context, "Lettering") == 0 &&
                           qstrcmp(source, letteringSource(Lettering::TheEnd)) == 0
                       ? QStringLiteral("ARRIVAL!")
                       : QString();
        }
        bool isEmpty() const override { return false; }
    } oneWord;
    QCoreApplication::installTranslator(&oneWord);
    const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&oneWord); });
    QPixmap cell(60, 60);
    cell.fill(Qt::darkGreen);
    QPainter p(&cell);
    const QList<LetterFit> fits = letterTile(p, tile::exit);
    QCOMPARE(fits.size(), 1);
    QVERIFY2(fits[0].box.height() >= 2 * 13, qPrintable(describe(fits[0])));
}

ROADSHIFT_TEST_GUI_MAIN(TestLettering)

#include "test_lettering.moc"
