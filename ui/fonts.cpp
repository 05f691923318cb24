// Maps the layout's font names onto free faces and builds fonts with screen-independent sizes.
#include "ui/fonts.h"

#include "core/language.h"

#include <QFontDatabase>
#include <QtMath>

#include <algorithm>

#include <mutex>

namespace {

struct Substitute
{
    const char *layout;
    const char *face;
};

constexpr Substitute substitutes[] = {
    {"Comic Sans MS", "Comic Neue"},
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Arial Black", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"DigitMed", "DSEG7 Classic"},
};

// Faces with no Cyrillic letters, and the look-alike that letters Russian in their place: Andika
// has Comic Neue's round, plain, friendly build and weight. The other faces carry Cyrillic.
constexpr Substitute cyrillicFaces[] = {
    {"Comic Neue", "Andika"},
};

// Chinese, Japanese and Korean share many characters but draw them each in their own way: the
// face that letters them follows the game's language, and any installed face for the language's
// writing system shows them when that one is missing.
struct ScriptFace
{
    const char *language;
    const char *face;
    QFontDatabase::WritingSystem system;
};

constexpr ScriptFace cjkFaces[] = {
    {"ja", "Noto Sans CJK JP", QFontDatabase::Japanese},
    {"ko", "Noto Sans CJK KR", QFontDatabase::Korean},
    {"zh_TW", "Noto Sans CJK TC", QFontDatabase::TraditionalChinese},
    {"zh_HK", "Noto Sans CJK HK", QFontDatabase::TraditionalChinese},
    {"zh", "Noto Sans CJK SC", QFontDatabase::SimplifiedChinese},
};

const ScriptFace *cjkScript(const QString &language)
{
    for (const ScriptFace &f : cjkFaces) {
        if (language.startsWith(QLatin1String(f.language))) return &f;
    }
    return nullptr;
}

bool isCjk(QChar c)
{
    switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
        return true;
    default:
        // The ideographic full stop and comma, the fullwidth forms (！, ：) and the long vowel ー.
        return (c.unicode() >= 0x3000 && c.unicode() <= 0x303f) ||
               (c.unicode() >= 0xff00 && c.unicode() <= 0xffef) || c.unicode() == 0x30fc;
    }
}

QString cyrillicStandIn(const QString &face)
{
    for (const Substitute &s : cyrillicFaces) {
        if (face.compare(QLatin1String(s.layout), Qt::CaseInsensitive) == 0)
            return QLatin1String(s.face);
    }
    return {};
}

} // namespace

QString cjkFace(const QString &language)
{
    const ScriptFace *script = cjkScript(language);
    return script ? QLatin1String(script->face) : QString();
}

bool scriptFaceInstalled(const QString &language)
{
    const ScriptFace *script = cjkScript(language);
    return !script || QFontDatabase::families().contains(QLatin1String(script->face)) ||
           !QFontDatabase::families(script->system).isEmpty();
}

bool hasCjk(const QString &text)
{
    return std::any_of(text.begin(), text.end(), isCjk);
}

void installFontSubstitutions()
{
    for (const Substitute &s : substitutes)
        QFont::insertSubstitution(QLatin1String(s.layout), QLatin1String(s.face));
}

QString substituteFamily(const QString &family)
{
    for (const Substitute &s : substitutes) {
        if (family.compare(QLatin1String(s.layout), Qt::CaseInsensitive) == 0)
            return QLatin1String(s.face);
    }
    return family;
}

QFont layoutFont(const QString &family, double points, bool bold, bool italic)
{
    static std::once_flag installed;
    std::call_once(installed, installFontSubstitutions);
    QFont font(substituteFamily(family));
    font.setFamilies(withScriptFaces(substituteFamily(family)));
    font.setPixelSize(qMax(1, qRound(points * 96.0 / 72.0)));
    if (family.compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0)
        font.setWeight(QFont::Black);
    else if (bold)
        font.setWeight(QFont::Bold);
    font.setItalic(italic);
    return font;
}

QFont withColourEmoji(QFont font)
{
    QStringList families = font.families();
    if (families.isEmpty()) families << font.family();
    families.insert(1, QStringLiteral("Noto Color Emoji"));
    font.setFamilies(families);
    return font;
}

QStringList withScriptFaces(const QString &face)
{
    QStringList faces{face};
    const QString cyrillic = cyrillicStandIn(face);
    if (!cyrillic.isEmpty()) faces << cyrillic;
    const QString cjk = cjkFace(translationLanguage());
    if (!cjk.isEmpty()) faces << cjk;
    return faces;
}

QFont inOneFace(QFont font, const QString &text)
{
    const QString face = font.families().value(0, font.family());
    QString whole;
    if (hasCjk(text)) {
        whole = cjkFace(translationLanguage());
        if (whole.isEmpty()) whole = cjkFace(QStringLiteral("zh"));
    } else if (std::any_of(text.begin(), text.end(),
                           [](QChar c) { return c.script() == QChar::Script_Cyrillic; })) {
        whole = cyrillicStandIn(face);
    }
    if (!whole.isEmpty()) font.setFamilies({whole});
    return font;
}

QStringList layoutFamilies()
{
    QStringList names;
    for (const Substitute &s : substitutes)
        names << QLatin1String(s.layout);
    return names;
}
