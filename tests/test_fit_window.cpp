// Every text the window and its boxes show fits its control whole: in English, under each
// translation, and under a pseudo-language as much longer than English as the longest languages
// run, at whatever scale the test is run with.
#include "core/language.h"
#include "gamewindow.h"
#include "records/aboutbox.h"
#include "roadtest.h"
#include "ui/helpbox.h"
#include "ui/textfit.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>

#include <cmath>
#include <functional>

using namespace roadtest;

namespace {

// Every text 40 % longer, as the longest languages run: the added letters are the text's own,
// so that they are as wide as its letters, with a space before them in a text of several words so
// that lines still break as often.
class LongerTranslator : public QTranslator
{
  public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        const QString text = QString::fromUtf8(sourceText);
        const auto added = (text.size() * 4 + 5) / 10;
        const QString source = text.contains(u' ') ? u' ' + text : text;
        QString padding;
        while (padding.size() < added)
            padding += source;
        padding.truncate(added);
        padding.replace(u'%', u'~'); // no second place for an argument
        return text + padding;
    }
    bool isEmpty() const override { return false; }
};

QString describe(const QWidget *w, const QString &text)
{
    const QRect g = w->geometry();
    const int stretch = w->font().stretch();
    return QStringLiteral("%1 %2 at %3,%4 %5x%6, face at %7 %: \"%8\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName())
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height())
        .arg(stretch == QFont::AnyStretch ? 100 : stretch)
        .arg(text);
}

// The part of `rect` (in `w`'s own coordinates) that the window around it leaves in sight.
QRectF inSight(const QWidget *w, const QRect &rect)
{
    const QWidget *top = w->window();
    return QRectF(rect.intersected(QRect(w->mapFrom(top, QPoint()), top->size())));
}

// Whether `text` in `w`'s own font shows whole in `room`: on one line, or wrapped into lines.
bool shownWhole(const QWidget *w, const QString &text, const QRectF &room, bool wrapped, int align)
{
    const QFontMetricsF fm(w->font());
    if (!wrapped) return fm.horizontalAdvance(text) <= room.width();
    const QRectF needed = fm.boundingRect(room, Qt::TextWordWrap | align, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The texts under `root` that a player sees cut: a label's, a button's, a tab's, the name box's.
// `data` are labels whose text is the player's own (the top ten's names).
QStringList clipped(QWidget *root, const QList<const QWidget *> &data = {})
{
    QStringList cut;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(root) || data.contains(w)) continue;
        if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty()) {
            const int m = l->margin();
            const QRectF room = inSight(l, l->contentsRect().adjusted(m, m, -m, -m));
            if (!shownWhole(l, l->text(), room, l->wordWrap(), int(l->alignment())))
                cut << describe(l, l->text());
        } else if (auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(b);
            if (auto *p = qobject_cast<QPushButton *>(b); p && p->autoDefault())
                option.features |= QStyleOptionButton::AutoDefaultButton;
            const QRect contents =
                b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
            if (!shownWhole(b, b->text(), inSight(b, contents), false, 0))
                cut << describe(b, b->text());
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            QStyleOptionFrame option;
            option.initFrom(e);
            option.lineWidth =
                e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e)
                              : 0;
            // Qt's line edit keeps two pixels clear on either side of its text.
            const QRect contents = e->style()
                                       ->subElementRect(QStyle::SE_LineEditContents, &option, e)
                                       .marginsRemoved(e->textMargins())
                                       .adjusted(2, 0, -2, 0);
            if (!shownWhole(e, e->text(), inSight(e, contents), false, 0))
                cut << describe(e, e->text());
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                QStyleOptionTab option;
                option.initFrom(tabs);
                option.rect = tabs->tabRect(i);
                option.text = tabs->tabText(i);
                option.shape = tabs->shape();
                const QRect contents =
                    tabs->style()->subElementRect(QStyle::SE_TabBarTabText, &option, tabs);
                if (!shownWhole(tabs, tabs->tabText(i), inSight(tabs, contents), false, 0))
                    cut << describe(tabs, tabs->tabText(i));
            }
        }
    }
    return cut;
}

QStringList clippedIn(MainWindow &w)
{
    return clipped(&w, topTenNames(w));
}

void press(MainWindow &w, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w.focusWidget() ? w.focusWidget() : &w, &event);
}

// The window brought into one of the states a player sees, and what is cut there.
using Walk = std::function<QStringList(MainWindow &)>;

const QList<std::pair<const char *, Walk>> &walks()
{
    static const QList<std::pair<const char *, Walk>> all = {
        {"at start", [](MainWindow &w) { return clippedIn(w); }},
        {"every setting",
         [](MainWindow &w) {
             // Each number of exits and each countdown, with the words under them.
             QStringList cut;
             for (int n = 0; n < 4; ++n)
                 w.Cmd_el_Click();
             for (int n = 0; n < 4; ++n) {
                 cut << clippedIn(w);
                 w.Cmd_er_Click();
             }
             for (int n = 0; n < 5; ++n)
                 w.cmd_cl_Click();
             for (int n = 0; n < 5; ++n) {
                 cut << clippedIn(w);
                 w.Cmd_cr_Click();
             }
             cut.removeDuplicates();
             return cut;
         }},
        {"while driving",
         [](MainWindow &w) {
             w.restart();
             release(w);
             return clippedIn(w);
         }},
        {"after a win",
         [](MainWindow &w) {
             w.restart();
             buildFirstBoardRoad(w);
             release(w);
             driveToEnd(w);
             return clippedIn(w);
         }},
        {"after a win below the top ten",
         [](MainWindow &w) {
             for (int n = 1; n <= topTenRows; ++n)
                 w.topten.toptenpoint[n] = 5000;
             w.restart();
             buildFirstBoardRoad(w);
             release(w);
             driveToEnd(w);
             return clippedIn(w);
         }},
        {"after a loss",
         [](MainWindow &w) {
             w.restart();
             release(w);
             driveToEnd(w);
             return clippedIn(w);
         }},
        {"paused",
         [](MainWindow &w) {
             w.restart();
             press(w, Qt::Key_P);
             return clippedIn(w);
         }},
        {"help box",
         [](MainWindow &w) {
             w.cmd_help_Click();
             return clipped(openBox<HelpBox>());
         }},
        {"about box",
         [](MainWindow &w) {
             w.cmd_about_Click();
             return clipped(openBox<AboutBox>());
         }},
        {"about box, statistics",
         [](MainWindow &w) {
             w.cmd_about_Click();
             auto *box = openBox<AboutBox>();
             box->findChild<QTabWidget *>(QStringLiteral("sstab"))->setCurrentIndex(1);
             return clipped(box);
         }},
    };
    return all;
}

const QString longer = QStringLiteral("40 % longer");

} // namespace

class TestFitWindow : public QObject
{
    Q_OBJECT

    LongerTranslator longerTranslator;

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&longerTranslator);
        installTranslations(QLocale(QLocale::English));
    }

    // A text too long for its control is seen cut, and named.
    void initTestCase()
    {
        MainWindow w;
        QVERIFY(clippedIn(w).isEmpty());
        w.Label1->setText(w.Label1->text().repeated(2));
        QCOMPARE(clippedIn(w).size(), 1);
        QVERIFY(clippedIn(w).constFirst().contains(w.Label1->text()));
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("walk");
        const QStringList languages = QStringList{QStringLiteral("en"), longer} +
                                      QStringLiteral(ROADSHIFT_LANGUAGE_LIST).split(u' ');
        for (const QString &language : languages) {
            for (int n = 0; n < walks().size(); ++n)
                QTest::addRow("%s, %s", qPrintable(language), walks()[n].first) << language << n;
        }
    }

    void textsFit()
    {
        QFETCH(QString, language);
        QFETCH(int, walk);
        if (language == longer)
            QCoreApplication::installTranslator(&longerTranslator);
        else if (language != QLatin1String("en"))
            QVERIFY(!installTranslations(QLocale(language)).isEmpty());
        MainWindow w;
        QStringList cut = walks()[walk].second(w);
        if (language == longer && qstrcmp(walks()[walk].first, "help box") == 0) {
            // The first two rules beside the help box's pictures hold a third more than English
            // at the narrowest face, not 40 % (they would need 70 %): their translations keep
            // within that, as each real one does. Nothing else may be cut.
            const QStringList rules = cut.filter(QRegularExpression(u"^QLabel Label[13] "_qs));
            QCOMPARE(rules.size(), 2);
            for (const QString &rule : rules)
                cut.removeOne(rule);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(language + u'\n' + cut.join(u'\n')));
    }

    // The paragraphs under one heading of the help box share one face and size: none is
    // narrowed or made smaller alone.
    void helpSectionsAlike_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringLiteral(ROADSHIFT_LANGUAGE_LIST).split(u' '))
            QTest::newRow(qPrintable(language)) << language;
    }
    void helpSectionsAlike()
    {
        QFETCH(QString, language);
        QVERIFY(!installTranslations(QLocale(language)).isEmpty());
        MainWindow w;
        w.cmd_help_Click();
        auto *box = openBox<HelpBox>();
        QVERIFY(box);
        const auto font = [box](const char *name) {
            const auto *label = box->findChild<QLabel *>(QLatin1String(name));
            return label ? label->font() : QFont();
        };
        for (const auto &[first, second] : {std::pair{"Label1", "Label4"}, {"Label3", "Label5"}}) {
            QVERIFY2(font(first) == font(second),
                     qPrintable(QStringLiteral("%1: %2 against %3: %4")
                                    .arg(QLatin1String(first), font(first).toString(),
                                         QLatin1String(second), font(second).toString())));
        }
        box->close();
    }

    // A text that fits only in the narrowest face gets it; one a little longer stays at that
    // face, never narrower.
    void narrowestFaceTried()
    {
        QWidget window;
        auto *label = new QLabel(QStringLiteral("Anzahl Ausfahrten"), &window);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        label->setFont(font);
        const auto advance = [&](int stretch) {
            QFont f = font;
            f.setStretch(stretch);
            return QFontMetricsF(f).horizontalAdvance(label->text());
        };
        const qreal narrowestWidth = advance(narrowestStretch);
        if (advance(narrowestStretch + 1) <= std::ceil(narrowestWidth))
            QSKIP("the face draws the two narrowest stretches alike");
        label->resize(int(std::ceil(narrowestWidth)), 30);
        fitText(label);
        QCOMPARE(label->font().stretch(), narrowestStretch);
        label->resize(int(narrowestWidth) - 10, 30);
        fitText(label);
        QCOMPARE(label->font().stretch(), narrowestStretch);
    }

    // A Japanese text too wide for its label is set smaller, never narrower, down to three
    // quarters of its size; the label's next text starts again from the layout's size.
    void cjkSmallerNotNarrower()
    {
        QWidget window;
        auto *label = new QLabel(QStringLiteral("ゴールの数とカウントダウン"), &window);
        QFont font(QStringLiteral("Noto Sans CJK JP"));
        font.setPixelSize(16);
        label->setFont(font);
        const qreal full = QFontMetricsF(font).horizontalAdvance(label->text());
        label->resize(int(full * 0.85), 30);
        fitText(label);
        QCOMPARE(label->font().stretch(), int(QFont::AnyStretch));
        QVERIFY2(label->font().pixelSize() < 16 && label->font().pixelSize() >= 12,
                 qPrintable(QString::number(label->font().pixelSize())));
        QVERIFY(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= label->width());
        label->setText(QStringLiteral("ゴール"));
        fitText(label);
        QCOMPARE(label->font().pixelSize(), 16);
    }

    // English keeps the faces the layout gives it: no text of it is narrowed (the top ten's
    // scores set the face's own width).
    void englishUnnarrowed_data()
    {
        QTest::addColumn<int>("walk");
        for (int n = 0; n < walks().size(); ++n)
            QTest::newRow(walks()[n].first) << n;
    }

    void englishUnnarrowed()
    {
        QFETCH(int, walk);
        MainWindow w;
        walks()[walk].second(w);
        QList<QWidget *> all;
        for (QWidget *top : QApplication::topLevelWidgets())
            all << top << top->findChildren<QWidget *>();
        for (const QWidget *control : all)
            QVERIFY2(control->font().stretch() == QFont::AnyStretch ||
                         control->font().stretch() == QFont::Unstretched,
                     qPrintable(describe(control, QString())));
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestFitWindow)
#include "test_fit_window.moc"
