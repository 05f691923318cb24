// The player's language: the translators are found by Qt's own locale rules and stay installed.
#include "core/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
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

// The language of the installed game translator; empty while the texts stay English.
QString &installedLanguage()
{
    static QString language;
    return language;
}

} // namespace

QString translationFor(const QStringList &wishes, const QStringList &available)
{
    for (QString wish : wishes) {
        wish.replace(u'-', u'_');
        if (QLocale(wish).language() == QLocale::English) return {};
        const QString language = wish.section(u'_', 0, 0);
        if (available.contains(wish)) return wish;
        if (available.contains(language)) return language;
        QStringList siblings = available.filter(
            QRegularExpression(QStringLiteral("^%1_").arg(QRegularExpression::escape(language))));
        // A sibling written in another script (Traditional against Simplified Chinese) is no
        // sibling to its reader.
        const QLocale::Script script = QLocale(wish).script();
        siblings.removeIf([script](const QString &s) { return QLocale(s).script() != script; });
        siblings.sort();
        if (!siblings.isEmpty()) return siblings.first();
    }
    return {};
}

QString installTranslations(const QLocale &locale)
{
    QCoreApplication::removeTranslator(&gameTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    installedLanguage().clear();
    // Qt's QTranslator::load(QLocale, ...) would skip an English wish and take the next language
    // the game has, and never a sibling region's, so the desktop's list is walked here.
    QStringList available;
    for (const QString &file :
         QDir(translationsFolder).entryList({QStringLiteral("roadshift_*.qm")}))
        available << file.mid(10, file.size() - 13); // "roadshift_" ... ".qm"
    const QString chosen = translationFor(locale.uiLanguages(), available);
    if (chosen.isEmpty()) return {};
    QTranslator &game = gameTranslator();
    if (!game.load(QStringLiteral("roadshift_") + chosen, translationsFolder)) return {};
    QCoreApplication::installTranslator(&game);
    installedLanguage() = game.language();
    QTranslator &qt = qtTranslator();
    if (qt.load(QLocale(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return game.language();
}

QString translationLanguage()
{
    return installedLanguage();
}

QString countedText(const char *context, const char *source, int n)
{
    // Portuguese counts nothing in the plural ("0 pontos"), but Qt's plural rule for it takes 0
    // as one: a count that is surely plural chooses the form, and 0 is put in its place.
    if (n == 0 && installedLanguage().startsWith(QLatin1String("pt"))) {
        constexpr int plural = 1000002;
        return QCoreApplication::translate(context, source, nullptr, plural)
            .replace(QString::number(plural), QStringLiteral("0"));
    }
    QString text = QCoreApplication::translate(context, source, nullptr, n);
    if (n < 0) text.replace(QLatin1String("%n"), QString::number(n)); // Qt fills in only n >= 0
    QString untranslated = QString::fromUtf8(source);
    untranslated.replace(QLatin1String("%n"), QString::number(n));
    if (text != untranslated) return text;
    return untranslated.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}
