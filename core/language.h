// The player's language: which translation the game speaks, and counted texts in English.
#pragma once

#include <QLocale>
#include <QString>

// Installs the game's translation for the first of `locale`'s languages the game speaks, and
// Qt's own translation for that language beside it. English, or no language the game knows,
// installs nothing: the texts stay as written. Returns the language chosen ("fr_FR", "pt_BR"), or
// an empty text for English. Needs an application object (Qt installs translators into it); call
// it before the first widget exists. A second call replaces what the first installed.
QString installTranslations(const QLocale &locale = QLocale::system());

// The language of the game's translation installed now ("ja_JP", "pt_BR"); empty for English.
QString translationLanguage();

// The translation to load for the desktop's list of wished languages ("pt-PT", "de", ...), among
// the ones the game has ("de", "pt_BR", ...): for each wish in turn, English (then none: an empty
// text), the same language and region, the same language, or the same language of another
// region in the same script (pt_BR for a Portuguese player until a pt_PT exists, zh_CN for
// Singapore but not for Taiwan). Empty when none fits.
QString translationFor(const QStringList &wishes, const QStringList &available);

// `source` (marked with QT_TRANSLATE_N_NOOP) translated in `context` for the count `n`. Without a
// translation the English source's "(s)" reads as the English singular or plural, so English
// needs no translation file of its own.
QString countedText(const char *context, const char *source, int n);
