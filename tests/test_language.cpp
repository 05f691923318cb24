// Which language the game speaks for a desktop's language list, and Qt's own texts beside it.
#include "core/commandline.h"
#include "core/language.h"
#include "roadtest.h"

#include <QCoreApplication>

class TestLanguage : public QObject
{
    Q_OBJECT

  private slots:
    void cleanup() { installTranslations(QLocale(QLocale::English)); }

    void chosen_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de_DE"
                                << "de_DE";
        QTest::newRow("Swiss German") << "de_CH"
                                      << "de_DE";
        QTest::newRow("French") << "fr_FR"
                                << "fr_FR";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "pt_BR";
        QTest::newRow("Portuguese of Portugal") << "pt_PT"
                                                << "pt_BR";
        QTest::newRow("Russian") << "ru_RU"
                                 << "ru_RU";
        QTest::newRow("English") << "en_US"
                                 << "";
        QTest::newRow("unknown language") << "ja_JP"
                                          << "";
        QTest::newRow("no language") << "C"
                                     << "";
    }
    // The choice among the game's languages for a desktop's list of wishes.
    void choice_data()
    {
        QTest::addColumn<QStringList>("wishes");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Portugal: the Brazilian sibling") << QStringList{"pt-PT", "pt"} << "pt_BR";
        QTest::newRow("Brazil") << QStringList{"pt-BR", "pt"} << "pt_BR";
        QTest::newRow("Argentina: Spanish") << QStringList{"es-AR", "es"} << "es";
        QTest::newRow("Canada: French") << QStringList{"fr-CA"} << "fr";
        QTest::newRow("Austria: German") << QStringList{"de-AT", "de"} << "de";
        QTest::newRow("English before German") << QStringList{"en", "de"} << "";
        QTest::newRow("British English before German") << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("German before English") << QStringList{"de-DE", "en"} << "de";
        QTest::newRow("unknown, then Dutch") << QStringList{"ja-JP", "ja", "nl-BE"} << "nl";
        QTest::newRow("Portuguese before German") << QStringList{"pt-PT", "de"} << "pt_BR";
        QTest::newRow("nothing the game has") << QStringList{"ja", "ko"} << "";
    }
    void choice()
    {
        QFETCH(QStringList, wishes);
        QFETCH(QString, chosen);
        const QStringList available = {"de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru"};
        QCOMPARE(translationFor(wishes, available), chosen);
    }

    void chosen()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(installTranslations(QLocale(locale)), language);
    }

    // Qt's own words follow the game's language, and leave with it.
    void qtTexts()
    {
        const auto options = [] {
            return QCoreApplication::translate("QCommandLineParser", "Options:");
        };
        installTranslations(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(options(), QStringLiteral("Optionen:"));
        installTranslations(QLocale(QStringLiteral("en_GB")));
        QCOMPARE(options(), QStringLiteral("Options:"));
    }

    // The command line's answer is made after the language is chosen, and follows it.
    void helpFollowsTheLanguage()
    {
        installTranslations(QLocale(QStringLiteral("de_DE")));
        const QString help =
            readCommandLine({QStringLiteral("roadshift"), QStringLiteral("--help")}).text;
        QVERIFY2(help.contains(QLatin1String("\nOptionen:\n")), qPrintable(help));
    }

    // The desktop's list as LANGUAGE gives it, in its order; run with LANGUAGE=ja:nl:de.
    void desktopOrder()
    {
        if (qgetenv("LANGUAGE") != "ja:nl:de") QSKIP("needs LANGUAGE=ja:nl:de");
        QCOMPARE(installTranslations(), QStringLiteral("nl_NL"));
    }

    void englishCounts_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "0 points";
        QTest::newRow("one") << 1 << "1 point";
        QTest::newRow("many") << 12 << "12 points";
        QTest::newRow("below zero") << -1 << "-1 points";
    }
    void englishCounts()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(countedText("SpokenNames", "%n point(s)", n), text);
    }

    // Nothing is counted in the plural in Portuguese, though in the singular in French.
    void zeroCounts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("pt_BR none") << "pt_BR" << 0 << "0 pontos";
        QTest::newRow("pt_BR one") << "pt_BR" << 1 << "1 ponto";
        QTest::newRow("pt_BR many") << "pt_BR" << 230 << "230 pontos";
        QTest::newRow("fr none") << "fr_FR" << 0 << "0 point";
        QTest::newRow("de none") << "de_DE" << 0 << "0 Punkte";
    }
    void zeroCounts()
    {
        QFETCH(QString, locale);
        QFETCH(int, n);
        QFETCH(QString, text);
        QVERIFY(!installTranslations(QLocale(locale)).isEmpty());
        QCOMPARE(countedText("SpokenNames", "%n point(s)", n), text);
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestLanguage)
#include "test_language.moc"
