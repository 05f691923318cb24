// The rules of the player's name: no control characters, fourteen characters as seen.
#include "records/playername.h"

#include <QList>
#include <QTextBoundaryFinder>

namespace {

bool breaksTheLine(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// Where each character as a player sees it ends.
QList<qsizetype> characterEnds(const QString &text)
{
    QList<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        ends.append(finder.position());
    return ends;
}

// Whether `text` has at most nameLength characters; looks no further than that many.
bool fitsTheBox(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0) {
        if (++count > nameLength) return false;
    }
    return true;
}

} // namespace

QString fitName(const QString &text, qsizetype &cursor)
{
    QString head;
    QString tail;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!breaksTheLine(text[i])) (i < cursor ? head : tail).append(text[i]);
    }
    if (!fitsTheBox(head + tail)) {
        // Keep as many of the head's characters as still fit. Each test looks at no more than
        // the box holds, so a paste of any length is cut in one pass over it.
        const QList<qsizetype> ends = characterEnds(head);
        const auto keeping = [&](qsizetype kept) { return kept ? ends[kept - 1] : 0; };
        qsizetype fits = 0;              // kept characters known to fit (or none at all)
        qsizetype tooMany = ends.size(); // kept characters known not to fit
        while (tooMany - fits > 1) {
            const qsizetype kept = (fits + tooMany) / 2;
            (fitsTheBox(head.left(keeping(kept)) + tail) ? fits : tooMany) = kept;
        }
        head.truncate(keeping(fits));
    }
    cursor = head.size();
    return head + tail;
}

QString nameOnOneLine(const QString &name)
{
    QString line = name;
    for (QChar &c : line) {
        if (breaksTheLine(c)) c = u' ';
    }
    return line;
}
