// The game started in German, Russian, Japanese and Ukrainian: its labels, help box, banner and
// what a screen reader hears are in that language, and every letter shown has a face that carries
// it.
#include "core/language.h"
#include "gamewindow.h"
#include "roadtest.h"
#include "ui/helpbox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRawFont>

using namespace roadtest;

namespace {

QString nameOf(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

QStringList labelTexts(const QWidget *root)
{
    QStringList texts;
    for (const QLabel *l : root->findChildren<QLabel *>())
        if (l->isVisibleTo(root)) texts << l->text();
    return texts;
}

// Letters of the visible texts under `root` that none of their widget's faces carries: they would
// be drawn in whatever face the system finds, or as empty boxes.
QStringList lettersWithoutFace(QWidget *root)
{
    QStringList missing;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(root) && w != root) continue;
        QString text;
        if (auto *l = qobject_cast<QLabel *>(w)) text = l->text();
        if (auto *b = qobject_cast<QAbstractButton *>(w)) text = b->text();
        if (auto *e = qobject_cast<QLineEdit *>(w)) text = e->text();
        QList<QRawFont> faces;
        for (const QString &family : w->font().families()) {
            QFont f = w->font();
            f.setFamilies({family});
            faces << QRawFont::fromFont(f);
        }
        if (faces.isEmpty()) faces << QRawFont::fromFont(w->font());
        for (QChar c : std::as_const(text)) {
            if (!c.isLetter()) continue;
            const bool carried = std::any_of(faces.begin(), faces.end(), [c](const QRawFont &f) {
                return f.supportsCharacter(c);
            });
            if (!carried)
                missing << QStringLiteral("%1 in \"%2\" (%3)").arg(c, text, w->font().family());
        }
    }
    return missing;
}

} // namespace

class TestLanguageWindow : public QObject
{
    Q_OBJECT

  private slots:
    void init() { roadtest::forgetGameSettings(); }
    void cleanup() { installTranslations(QLocale(QLocale::English)); }

    void window_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("exitsLabel");
        QTest::addColumn<QString>("helpButton");
        QTest::addColumn<QString>("nameBox");
        QTest::addColumn<QString>("firstPlace");
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QString>("keysHelp");
        QTest::addColumn<QStringList>("keyNames"); // as Qt names them in that language
        QTest::newRow("German") << "de_DE"
                                << "Anzahl Ausfahrten"
                                << "Spielregeln"
                                << "Dein Name"
                                << "Reihe 1, Spalte 1"
                                << "VIEL GLÜCK! ...UND ZWAR JEDE MENGE"
                                << "Tasten: Die Pfeiltasten"
                                << QStringList{"Leertaste", "Umschalt mit", "Pos1", "Strg+Q",
                                               "Umschalt+R"};
        QTest::newRow("Russian") << "ru_RU"
                                 << "Число выездов"
                                 << "Правила"
                                 << "Твоё имя"
                                 << "ряд 1, столбец 1"
                                 << "УДАЧИ! ...И ПОБОЛЬШЕ!"
                                 << "Клавиши: стрелки" << QStringList{"Ctrl+Q", "Shift+R"};
        QTest::newRow("Japanese") << "ja_JP"
                                  << "ゴールの数"
                                  << "遊び方"
                                  << "なまえ"
                                  << "1行1列"
                                  << "がんばって！…運がたっぷりいるよ"
                                  << "キー操作：矢印キー"
                                  << QStringList{"Space で", "Ctrl+Q", "Shift+R"};
        QTest::newRow("Ukrainian")
            << "uk_UA"
            << "Кількість фінішів"
            << "Правила"
            << "Твоє ім’я"
            << "ряд 1, стовпець 1"
            << "УДАЧІ! ...І ПОБІЛЬШЕ!"
            << "Клавіші: стрілки" << QStringList{"Пропуск суне", "Ctrl+Q", "Shift+R"};
    }
    void window()
    {
        QFETCH(QString, locale);
        QFETCH(QString, exitsLabel);
        QFETCH(QString, helpButton);
        QFETCH(QString, nameBox);
        QFETCH(QString, firstPlace);
        QFETCH(QString, banner);
        QFETCH(QString, keysHelp);
        QFETCH(QStringList, keyNames);
        QVERIFY(!installTranslations(QLocale(locale)).isEmpty());

        MainWindow w;
        QVERIFY2(labelTexts(&w).contains(exitsLabel), qPrintable(labelTexts(&w).join(u'|')));
        QCOMPARE(w.cmd_help->text(), helpButton);
        QCOMPARE(w.namebox->text(), nameBox);
        QVERIFY2(nameOf(w.block[1]).endsWith(firstPlace), qPrintable(nameOf(w.block[1])));
        QStringList missing = lettersWithoutFace(&w);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));

        w.restart();
        QVERIFY2(nameOf(w.bigmsg).startsWith(banner), qPrintable(nameOf(w.bigmsg)));

        w.cmd_help_Click();
        auto *box = openBox<HelpBox>();
        QVERIFY(box);
        const QStringList help = labelTexts(box);
        const auto keys = std::find_if(help.begin(), help.end(),
                                       [&](const QString &t) { return t.startsWith(keysHelp); });
        QVERIFY2(keys != help.end(), qPrintable(help.join(u'|')));
        for (const QString &name : keyNames)
            QVERIFY2(keys->contains(name), qPrintable(name + u'\n' + *keys));
        missing = lettersWithoutFace(box);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
        box->close();
    }
};

ROADSHIFT_TEST_GUI_MAIN(TestLanguageWindow)
#include "test_language_window.moc"
