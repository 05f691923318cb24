// Tests of the about box, the help box and the shutdown signals, on real widgets.
#include "roadtest.h"

#include "assets/spritesheet.h"
#include "records/aboutbox.h"
#include "records/shutdownsignals.h"
#include "records/store.h"
#include "ui/helpbox.h"
#include "ui/letterart.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTranslator>
#include <QWindow>

#include <csignal>
#include <memory>

namespace {

// Stands in for the main window: only its enabled state and its three run counters matter here.
struct FakeMainWindow
{
    FakeMainWindow()
    {
        window->resize(200, 100);
        window->show();
    }
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLabel *won = new QLabel(QStringLiteral("0"), window.get());
    QLabel *lost = new QLabel(QStringLiteral("0"), window.get());
    QLabel *tiles = new QLabel(QStringLiteral("0"), window.get());
};

enum class Box { About, Help };

// The boxes own themselves (deleted on close), so the test only keeps a guarded pointer.
QPointer<QDialog> openBox(Box kind, FakeMainWindow &main)
{
    QDialog *box = nullptr;
    if (kind == Box::About)
        box = new AboutBox(main.window.get(), main.won, main.lost, main.tiles);
    else
        box = new HelpBox(main.window.get());
    box->show();
    return box;
}

QString statText(const QWidget *box, const char *name)
{
    const auto *label = box->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

// Replaces the whole store with the given general values ("" leaves a key out).
void writeGeneral(const QString &executed, const QString &totalgames, const QString &tbpass)
{
    QSettings s(recordsName, recordsName);
    s.clear();
    const QList<std::pair<QString, QString>> values{{QStringLiteral("executed"), executed},
                                                    {QStringLiteral("totalgames"), totalgames},
                                                    {QStringLiteral("tbpass"), tbpass}};
    for (const auto &[key, value] : values) {
        if (!value.isEmpty()) s.setValue(QStringLiteral("general/") + key, value);
    }
    s.sync();
}

void closeLater(const QPointer<QDialog> &box)
{
    QTRY_VERIFY(box.isNull());
}

// Makes every text of the help box's keys longer by a share, as a language with longer words
// would: the text's own words again, from its start.
class LongerTranslator : public QTranslator
{
  public:
    explicit LongerTranslator(double share) : share(share) {}
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QString text = QString::fromUtf8(sourceText);
        if (qstrcmp(context, "HelpBox") != 0 || !text.startsWith(QLatin1String("Keys:"))) return {};
        const qsizetype wanted = qRound64(text.size() * (1 + share));
        QString longer = text;
        while (longer.size() < wanted)
            longer += u' ' + text.left(wanted - longer.size() - 1);
        return longer;
    }
    bool isEmpty() const override { return false; }

  private:
    double share;
};

} // namespace

Q_DECLARE_METATYPE(Box)

class TestBoxes : public QObject
{
    Q_OBJECT

  private slots:
    void aboutFigures_data();
    void aboutFigures();
    void aboutFiguresAreASnapshot();
    void aboutLayout();
    void mainWindowDisabledWhileOpen_data();
    void mainWindowDisabledWhileOpen();
    void boxGoesWithTheMainWindow_data();
    void boxGoesWithTheMainWindow();
    void helpContent();
    void helpKeysReadInOrder();
    void textsFit_data();
    void textsFit();
    void shutdownSignal_data();
    void shutdownSignal();
};

void TestBoxes::aboutFigures_data()
{
    QTest::addColumn<QStringList>("stored"); // executed, totalgames, tbpass; "" = absent
    QTest::addColumn<QStringList>("run");    // won, lost, tiles as the main window shows them
    QTest::addColumn<QStringList>("shown");  // stat1, stat2, stat5, stat3, stat4, stat6

    QTest::newRow("very first run") << QStringList{"", "", ""} << QStringList{"0", "0", "0"}
                                    << QStringList{"0", " 0", " 0", "0", "0", "0"};
    QTest::newRow("stored and this run")
        << QStringList{" 4", " 5", " 300"} << QStringList{"2", "1", "57"}
        << QStringList{" 4", " 8", " 357", "2", "1", "57"};
    QTest::newRow("wide totals") << QStringList{" 40000", " 5000000000", " 5000000000"}
                                 << QStringList{"3", "4", "10"}
                                 << QStringList{" 40000", " 5000000007", " 5000000010",
                                                "3",      "4",           "10"};
    QTest::newRow("damaged store") << QStringList{"x1", "oops", "-3"} << QStringList{"2", "1", "7"}
                                   << QStringList{"0", " 3", " 7", "2", "1", "7"};
}

void TestBoxes::aboutFigures()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, run);
    QFETCH(QStringList, shown);

    writeGeneral(stored[0], stored[1], stored[2]);
    FakeMainWindow main;
    main.won->setText(run[0]);
    main.lost->setText(run[1]);
    main.tiles->setText(run[2]);
    const QPointer<QDialog> box = openBox(Box::About, main);

    const QStringList names{"stat1", "stat2", "stat5", "stat3", "stat4", "stat6"};
    for (qsizetype i = 0; i < names.size(); ++i)
        QCOMPARE(statText(box, qPrintable(names[i])), shown[i]);
    box->close();
    closeLater(box);
}

void TestBoxes::aboutFiguresAreASnapshot()
{
    writeGeneral(QString(), QString(), QString());
    FakeMainWindow main;
    main.won->setText(QStringLiteral("1"));
    const QPointer<QDialog> box = openBox(Box::About, main);
    main.won->setText(QStringLiteral("2"));
    writeGeneral(QString(), QStringLiteral(" 9"), QString());
    QTest::qWait(10);
    QCOMPARE(statText(box, "stat3"), QStringLiteral("1"));
    QCOMPARE(statText(box, "stat2"), QStringLiteral(" 1"));
    box->close();
    closeLater(box);
}

void TestBoxes::aboutLayout()
{
    writeGeneral(QString(), QString(), QString());
    FakeMainWindow main;
    const QPointer<QDialog> box = openBox(Box::About, main);
    QVERIFY(QTest::qWaitForWindowExposed(box));

    QCOMPARE(box->windowTitle(), QStringLiteral("About Roadshift"));
    QCOMPARE(box->size(), QSize(394, 322));
    auto *tabs = box->findChild<QTabWidget *>(QStringLiteral("sstab"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("About"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Stats"));
    QCOMPARE(tabs->currentIndex(), 0);

    auto *picture = box->findChild<QLabel *>(QStringLiteral("aboutPicture"));
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(360, 240));

    // The layout measures the statistics from the tab control's corner, tab strip included.
    tabs->setCurrentIndex(1);
    const QList<std::pair<const char *, int>> rows{{"stat1", 60},  {"stat2", 85},  {"stat5", 110},
                                                   {"stat3", 175}, {"stat4", 200}, {"stat6", 225}};
    for (const auto &[name, y] : rows) {
        const auto *value = box->findChild<QLabel *>(QLatin1String(name));
        QCOMPARE(value->mapTo(tabs, QPoint()), QPoint(290, y));
    }
    // Markup in any label would be a way for stored text to change what the box shows.
    for (const QLabel *label : box->findChildren<QLabel *>()) {
        if (!label->text().isEmpty()) QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    box->close();
    closeLater(box);
}

void TestBoxes::mainWindowDisabledWhileOpen_data()
{
    QTest::addColumn<Box>("kind");
    QTest::addColumn<QString>("button"); // empty: the window's close box

    QTest::newRow("about, OK") << Box::About << "cmdOK";
    QTest::newRow("about, close box") << Box::About << "";
    QTest::newRow("help, OK") << Box::Help << "OKButton";
    QTest::newRow("help, close box") << Box::Help << "";
    QTest::newRow("help, Escape") << Box::Help << "Escape";
}

void TestBoxes::mainWindowDisabledWhileOpen()
{
    QFETCH(Box, kind);
    QFETCH(QString, button);

    FakeMainWindow main;
    QVERIFY(QTest::qWaitForWindowExposed(main.window.get()));
    const QPointer<QDialog> box = openBox(kind, main);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QVERIFY(!main.window->isEnabled());
    QVERIFY(box->isEnabled());
    QCOMPARE(box->parent(), nullptr);
    QCOMPARE(box->windowHandle()->transientParent(), main.window->windowHandle());

    if (button.isEmpty()) {
        QVERIFY(box->close());
    } else if (button == u"Escape") {
        QTest::keyClick(box, Qt::Key_Escape);
    } else {
        auto *ok = box->findChild<QPushButton *>(button);
        QVERIFY(ok);
        QTest::mouseClick(ok, Qt::LeftButton);
    }
    QVERIFY(main.window->isEnabled());
    closeLater(box);
}

void TestBoxes::boxGoesWithTheMainWindow_data()
{
    QTest::addColumn<Box>("kind");
    QTest::addColumn<double>("longer"); // the keys' text longer by this share
    QTest::newRow("about") << Box::About << 0.0;
    QTest::newRow("help") << Box::Help << 0.0;
    QTest::newRow("help, keys 40 % longer") << Box::Help << 0.4;
}

void TestBoxes::boxGoesWithTheMainWindow()
{
    QFETCH(Box, kind);

    FakeMainWindow main;
    const QPointer<QDialog> box = openBox(kind, main);
    main.window.reset();
    QVERIFY(box.isNull());
}

void TestBoxes::helpContent()
{
    FakeMainWindow main;
    const QPointer<QDialog> box = openBox(Box::Help, main);
    QCOMPARE(box->windowTitle(), QStringLiteral("How to play"));
    // The rules keep the top of the box as they were; the keys come below them, full width.
    QCOMPARE(box->width(), 360);
    QVERIFY(box->height() > 351);

    // Each picture is a different cell of the sheet, in the layout's order.
    const SpriteSheet sheet(QStringLiteral("help"), 1, 3, letterHelp);
    const QList<std::pair<const char *, int>> pictures{
        {"Picture1", 0}, {"Picture2", 1}, {"Picture3", 2}};
    for (const auto &[name, cell] : pictures) {
        const auto *picture = box->findChild<QLabel *>(QLatin1String(name));
        QVERIFY2(picture && !picture->pixmap().isNull(), name);
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(160, 110));
        QCOMPARE(picture->pixmap().toImage(), sheet.cell(cell).toImage());
    }
    QCOMPARE(statText(box, "Label9"), QStringLiteral("Objective"));
    QVERIFY(statText(box, "Label1").startsWith(QStringLiteral("When the countdown reaches zero")));
    QCOMPARE(statText(box, "Label4"),
             QStringLiteral("You will win the game if you successfully "
                            "guided the car to reach the \"exit point\"."));
    QCOMPARE(statText(box, "Label7"), QStringLiteral("I know you're a smart fellow! Enjoy! ^_^"));
    QCOMPARE(box->findChild<QLabel *>(QStringLiteral("Label7"))->geometry(),
             QRect(175, 270, 171, 36));
    box->close();
    closeLater(box);
}

// A player without the mouse sees every key in the box, and a screen reader reads the box from
// top to bottom: the rules, then the keys, then the button that closes it.
void TestBoxes::helpKeysReadInOrder()
{
    FakeMainWindow main;
    const QPointer<QDialog> box = openBox(Box::Help, main);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    const auto *keys = box->findChild<QLabel *>(QStringLiteral("LabelKeys"));
    QVERIFY(keys && keys->isVisible());
    for (const char *key :
         {"arrows", "Space", "R turns", "W ", "C ",  "Shift", "Home",   "E ",      "X ", "G ",
          "P ",     "F2",    "Esc",     "V ", "Tab", "F1",    "Ctrl+Q", "Shift+R", "B ", "M "})
        QVERIFY2(keys->text().contains(QLatin1String(key)), key);
    const auto *ok = box->findChild<QPushButton *>(QStringLiteral("OKButton"));
    QVERIFY(ok);
    QVERIFY(ok->accessibleDescription().isEmpty()); // said once, by the label
    QVERIFY(box->rect().contains(ok->geometry()));
    QVERIFY(box->rect().contains(keys->geometry()));

    // In the order a screen reader walks the box, each text lies below or beside the one
    // before, the keys last, clear of the others; then the button.
    QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(box.data());
    QList<QRect> texts;
    int button = -1;
    for (int i = 0; i < dialog->childCount(); ++i) {
        QAccessibleInterface *child = dialog->child(i);
        if (child->role() == QAccessible::StaticText && !child->text(QAccessible::Name).isEmpty())
            texts << child->rect();
        if (child->role() == QAccessible::Button) button = int(texts.size());
    }
    QCOMPARE(button, int(texts.size()));
    for (qsizetype i = 1; i < texts.size(); ++i) {
        QVERIFY2(texts[i].top() >= texts[i - 1].top(), qPrintable(QString::number(i)));
        if (i < texts.size() - 1) QVERIFY(!texts[i].intersects(texts.last()));
    }
    QCOMPARE(texts.last(), QRect(keys->mapToGlobal(QPoint()), keys->size()));
    QVERIFY(ok->geometry().top() > keys->geometry().bottom());
    box->close();
    closeLater(box);
}

void TestBoxes::textsFit_data()
{
    QTest::addColumn<Box>("kind");
    QTest::addColumn<double>("longer"); // the keys' text longer by this share
    QTest::newRow("about") << Box::About << 0.0;
    QTest::newRow("help") << Box::Help << 0.0;
    QTest::newRow("help, keys 40 % longer") << Box::Help << 0.4;
}

// Every text must show whole in the room the layout gives it, with the fonts really installed.
void TestBoxes::textsFit()
{
    QFETCH(Box, kind);
    QFETCH(double, longer);
    LongerTranslator translator(longer);
    if (longer > 0) QCoreApplication::installTranslator(&translator);
    const auto removed =
        qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });

    writeGeneral(QStringLiteral(" 123456"), QStringLiteral(" 1234567"),
                 QStringLiteral(" 12345678"));
    FakeMainWindow main;
    const QPointer<QDialog> box = openBox(kind, main);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    for (const QLabel *label : box->findChildren<QLabel *>()) {
        if (label->text().isEmpty()) continue;
        const QFontMetrics fm(label->font());
        const QRect room = label->contentsRect();
        const QRect needed = label->wordWrap()
                                 ? fm.boundingRect(room, Qt::TextWordWrap, label->text())
                                 : fm.boundingRect(label->text());
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(label->objectName() + u' ' + label->text()));
    }
    for (const QPushButton *button : box->findChildren<QPushButton *>()) {
        QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8 <=
                     button->width(),
                 qPrintable(button->text()));
    }
    box->close();
    closeLater(box);
}

void TestBoxes::shutdownSignal_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestBoxes::shutdownSignal()
{
    QFETCH(int, signalNumber);

    struct sigaction before = {};
    ::sigaction(signalNumber, nullptr, &before);
    {
        ShutdownSignals shutdown;
        QSignalSpy spy(&shutdown, &ShutdownSignals::requested);
        QCOMPARE(std::raise(signalNumber), 0);
        QCOMPARE(std::raise(signalNumber), 0);
        QVERIFY(spy.wait(5000));
        QTest::qWait(50);
        QCOMPARE(spy.count(), 1); // the two arrive together and make one request
    }
    // Left installed, the handler would write into a closed socket at the next signal.
    struct sigaction after = {};
    ::sigaction(signalNumber, nullptr, &after);
    QCOMPARE(reinterpret_cast<void *>(after.sa_handler),
             reinterpret_cast<void *>(before.sa_handler));
}

ROADSHIFT_TEST_GUI_MAIN(TestBoxes)
#include "test_boxes.moc"
