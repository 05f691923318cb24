// The player's language: the translators are found by Qt's own locale rules and stay installed.
#include "core/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Where qt_add_translations puts the compiled .qm files in the program's resources.
const QString translationsFolder = QStringLiteral(":/i18n");

// Alive until the program ends: Qt asks installed translators for every text.
QTranslator &gameTranslator()
{
    static QTranslator translator;
    return translator;
}

QTranslator &qtTranslator()
{
    static QTranslator translator;
    return translator;
}

} // namespace

QString installTranslations(const QLocale &locale)
{
    QCoreApplication::removeTranslator(&gameTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    // Qt's QTranslator::load(QLocale, ...) would skip an English wish and take the next language
    // the game has, so the desktop's list is walked here: English, wherever it stands, wins.
    for (const QString &wanted : locale.uiLanguages()) {
        const QLocale language(wanted);
        if (language.language() == QLocale::English) return {};
        QTranslator &game = gameTranslator();
        if (!game.load(language, QStringLiteral("roadshift"), QStringLiteral("_"),
                       translationsFolder))
            continue;
        QCoreApplication::installTranslator(&game);
        QTranslator &qt = qtTranslator();
        if (qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        return game.language();
    }
    return {};
}

QString countedText(const char *context, const char *source, int n)
{
    QString text = QCoreApplication::translate(context, source, nullptr, n);
    if (n < 0) text.replace(QLatin1String("%n"), QString::number(n)); // Qt fills in only n >= 0
    QString untranslated = QString::fromUtf8(source);
    untranslated.replace(QLatin1String("%n"), QString::number(n));
    if (text != untranslated) return text;
    return untranslated.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}
