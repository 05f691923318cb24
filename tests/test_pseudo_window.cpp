// Under a pseudo-language every text the window and its boxes show or say comes through the
// translator: an English text left among them is one that never went through it.
#include "gamewindow.h"
#include "records/aboutbox.h"
#include "roadtest.h"
#include "ui/helpbox.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTranslator>

using namespace roadtest;

namespace {

// Wraps every text in brackets, Qt's own ones too.
class PseudoTranslator : public QTranslator
{
  public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("[[%1]]").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

bool readsTranslated(const QString &text)
{
    const bool hasWords =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    return !hasWords ||
           (text.startsWith(QLatin1String("[[")) && text.endsWith(QLatin1String("]]")));
}

// The texts under `root` that a player sees or hears and that did not come through the translator.
// Widgets placed beyond the window's edge are the game's own bookkeeping; `data` are widgets whose
// text is the player's own (the top ten's names), though what they say is checked.
QStringList englishLeft(QWidget *root, const QList<const QWidget *> &data = {})
{
    QStringList left;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (w != root && !root->rect().intersects(QRect(w->mapTo(root, QPoint()), w->size())))
            continue;
        QStringList texts = {w->toolTip(), w->accessibleName(), w->accessibleDescription()};
        if (w->isWindow()) texts << w->windowTitle();
        if (!data.contains(w)) {
            if (auto *l = qobject_cast<QLabel *>(w)) texts << l->text();
            if (auto *b = qobject_cast<QAbstractButton *>(w)) texts << b->text();
            if (auto *e = qobject_cast<QLineEdit *>(w)) texts << e->text();
        }
        if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        }
        for (const QString &text : texts) {
            if (!readsTranslated(text))
                left << QStringLiteral("%1 %2: \"%3\"")
                            .arg(QLatin1String(w->metaObject()->className()), w->objectName(),
                                 text);
        }
    }
    return left;
}

#define VERIFY_ALL_TRANSLATED(root, ...)                                                           \
    do {                                                                                           \
        const QStringList left = englishLeft(root, ##__VA_ARGS__);                                 \
        QVERIFY2(left.isEmpty(), qPrintable(u'\n' + left.join(u'\n')));                            \
    } while (false)

} // namespace

class TestPseudoWindow : public QObject
{
    Q_OBJECT

    PseudoTranslator pseudo;

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    // Without the pseudo-language the check does see English.
    void initTestCase()
    {
        MainWindow w;
        QVERIFY(englishLeft(&w, topTenNames(w))
                    .contains(QStringLiteral("QPushButton : \"How to Play\"")));
        QVERIFY(QCoreApplication::installTranslator(&pseudo));
    }

    void atStart()
    {
        MainWindow w;
        VERIFY_ALL_TRANSLATED(&w, topTenNames(w));
    }

    void whileDriving()
    {
        MainWindow w;
        w.restart();
        release(w);
        VERIFY_ALL_TRANSLATED(&w, topTenNames(w));
    }

    void afterAWin()
    {
        MainWindow w;
        w.restart();
        buildFirstBoardRoad(w);
        release(w);
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("WIN"));
        VERIFY_ALL_TRANSLATED(&w, topTenNames(w));
    }

    void afterALoss()
    {
        MainWindow w;
        w.restart();
        release(w);
        driveToEnd(w);
        QCOMPARE(w.gamestate, QStringLiteral("LOSE"));
        VERIFY_ALL_TRANSLATED(&w, topTenNames(w));
    }

    void paused()
    {
        MainWindow w;
        w.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier);
        QApplication::sendEvent(w.focusWidget() ? w.focusWidget() : &w, &press);
        QVERIFY(w.pause.paused());
        VERIFY_ALL_TRANSLATED(&w, topTenNames(w));
    }

    void helpBox()
    {
        MainWindow w;
        w.cmd_help_Click();
        auto *box = openBox<HelpBox>();
        QVERIFY(box);
        VERIFY_ALL_TRANSLATED(box);
    }

    void aboutBox()
    {
        MainWindow w;
        w.cmd_about_Click();
        auto *box = openBox<AboutBox>();
        QVERIFY(box);
        VERIFY_ALL_TRANSLATED(box);
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestPseudoWindow)
#include "test_pseudo_window.moc"
