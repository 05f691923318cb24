// Maps the layout's font names onto free faces and builds fonts with screen-independent sizes.
#include "ui/fonts.h"

#include <QtMath>

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

} // namespace

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
    font.setFamilies(withCyrillic(substituteFamily(family)));
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

QStringList withCyrillic(const QString &face)
{
    for (const Substitute &s : cyrillicFaces) {
        if (face.compare(QLatin1String(s.layout), Qt::CaseInsensitive) == 0)
            return {face, QLatin1String(s.face)};
    }
    return {face};
}

QStringList layoutFamilies()
{
    QStringList names;
    for (const Substitute &s : substitutes)
        names << QLatin1String(s.layout);
    return names;
}
