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
        QTest::newRow("Japanese") << "ja_JP"
                                  << "ja_JP";
        QTest::newRow("Ukrainian") << "uk_UA"
                                   << "uk_UA";
        QTest::newRow("Chinese of Singapore") << "zh_SG"
                                              << "zh_CN";
        QTest::newRow("unknown language") << "fi_FI"
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
        QTest::newRow("unknown, then Dutch") << QStringList{"fi-FI", "fi", "nl-BE"} << "nl";
        QTest::newRow("Portuguese before German") << QStringList{"pt-PT", "de"} << "pt_BR";
        QTest::newRow("nothing the game has") << QStringList{"fi", "el"} << "";
        QTest::newRow("Korean") << QStringList{"ko-KR", "ko"} << "ko";
        QTest::newRow("Chinese of Singapore: the Simplified sibling")
            << QStringList{"zh-SG"} << "zh_CN";
        // Traditional characters are another script: no Simplified text in their place.
        QTest::newRow("Chinese of Taiwan, then English") << QStringList{"zh-TW", "en"} << "";
        QTest::newRow("Chinese of Hong Kong, then Japanese") << QStringList{"zh-HK", "ja"} << "ja";
    }
    void choice()
    {
        QFETCH(QStringList, wishes);
        QFETCH(QString, chosen);
        const QStringList available = QStringLiteral(ROADSHIFT_LANGUAGE_LIST).split(u' ');
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

    // The desktop's list as LANGUAGE gives it, in its order; run with LANGUAGE=fi:nl:de.
    void desktopOrder()
    {
        if (qgetenv("LANGUAGE") != "fi:nl:de") QSKIP("needs LANGUAGE=fi:nl:de");
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

    // Languages with several plural forms, at the counts where the forms change: points from
    // 0 up to a top score, seconds of the countdown's warnings (10, 5, 3, 2, 1).
    void pluralForms_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        const QString points = QStringLiteral("%n point(s)");
        const QString seconds = QStringLiteral("%n second(s)");
        const struct
        {
            const char *locale;
            QString source;
            int n;
            const char *text;
        } rows[] = {
            {"pl_PL", points, 1, "1 punkt"},      {"pl_PL", points, 2, "2 punkty"},
            {"pl_PL", points, 5, "5 punktów"},    {"pl_PL", points, 12, "12 punktów"},
            {"pl_PL", points, 22, "22 punkty"},   {"pl_PL", seconds, 3, "3 sekundy"},
            {"pl_PL", seconds, 10, "10 sekund"},  {"ru_RU", points, 1, "1 очко"},
            {"ru_RU", points, 21, "21 очко"},     {"ru_RU", points, 3, "3 очка"},
            {"ru_RU", points, 11, "11 очков"},    {"ru_RU", points, 230, "230 очков"},
            {"ru_RU", seconds, 5, "5 секунд"},    {"ru_RU", seconds, 2, "2 секунды"},
            {"uk_UA", points, 1, "1 очко"},       {"uk_UA", points, 2, "2 очки"},
            {"uk_UA", points, 14, "14 очок"},     {"uk_UA", points, 24, "24 очки"},
            {"uk_UA", points, 0, "0 очок"},       {"uk_UA", seconds, 1, "1 секунда"},
            {"uk_UA", seconds, 3, "3 секунди"},   {"uk_UA", seconds, 10, "10 секунд"},
            {"cs_CZ", points, 1, "1 bod"},        {"cs_CZ", points, 4, "4 body"},
            {"cs_CZ", points, 10, "10 bodů"},     {"cs_CZ", points, 0, "0 bodů"},
            {"cs_CZ", seconds, 2, "2 sekundy"},   {"cs_CZ", seconds, 5, "5 sekund"},
            {"hu_HU", points, 1, "1 pont"},       {"hu_HU", points, 230, "230 pont"},
            {"hu_HU", seconds, 5, "5 másodperc"}, {"tr_TR", points, 230, "230 puan"},
            {"sv_SE", seconds, 1, "1 sekund"},    {"sv_SE", seconds, 3, "3 sekunder"},
            {"ja_JP", points, 230, "230点"},      {"zh_CN", seconds, 5, "5 秒"},
            {"ko_KR", points, 10, "10점"},        {"de_DE", seconds, 1, "1 Sekunde"},
            {"fr_FR", seconds, 2, "2 secondes"},  {"pt_BR", seconds, 10, "10 segundos"},
        };
        for (const auto &row : rows)
            QTest::addRow("%s %s", row.locale, row.text)
                << row.locale << row.source << row.n << QString::fromUtf8(row.text);
    }
    void pluralForms()
    {
        QFETCH(QString, locale);
        QFETCH(QString, source);
        QFETCH(int, n);
        QFETCH(QString, text);
        QVERIFY(!installTranslations(QLocale(locale)).isEmpty());
        QCOMPARE(countedText("SpokenNames", source.toUtf8().constData(), n), text);
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestLanguage)
#include "test_language.moc"
