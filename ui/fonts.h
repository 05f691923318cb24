// The layout's font names and the installed faces that stand in for them.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// QFont::insertSubstitution for each layout name; call once after the QApplication is made.
void installFontSubstitutions();

// A font of the layout: family as the layout names it, size in points at 96 dpi (turned into a
// pixel size, pt*96/72 rounded, so the layout is the same on every screen), bold/italic.
// Works with or without installFontSubstitutions having been called.
QFont layoutFont(const QString &family, double points, bool bold = false, bool italic = false);

// `font` drawing emoji in colour: the colour emoji face comes right after the font's own, before
// the system's other fallbacks (some of which draw a few emoji in one colour). For texts a
// player types, such as names.
QFont withColourEmoji(QFont font);

// `face` followed by the face that letters Cyrillic in its place when it has no Cyrillic of its
// own, and by the face for Chinese, Japanese or Korean when the game speaks one of them: a list
// for QFont::setFamilies, tried letter by letter before the system's fallbacks.
QStringList withScriptFaces(const QString &face);

// `font` for lettering `text` in one face: a text with Cyrillic letters its first face lacks is
// lettered wholly in the stand-in (its "!" and "..." too), a text with Chinese, Japanese or
// Korean characters wholly in the face for the game's language. Other texts keep `font`.
QFont inOneFace(QFont font, const QString &text);

// The face for Chinese, Japanese or Korean text in `language` ("ja_JP", "zh_CN"); empty for
// other languages.
QString cjkFace(const QString &language);

// Whether an installed face shows the characters of `language` ("ja_JP"): always for alphabetic
// languages, whose letters every desktop has; for Chinese, Japanese and Korean only when a face
// for their writing system is installed. Needs the application object.
bool scriptFaceInstalled(const QString &language);

// Whether `text` holds Chinese, Japanese or Korean characters (ideographs, kana, Hangul, or
// their full-width punctuation).
bool hasCjk(const QString &text);

// The installed face that stands in for a layout family; the name itself if it has none.
QString substituteFamily(const QString &family);

// The layout's family names (for tests and tools).
QStringList layoutFamilies();
