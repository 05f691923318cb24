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

} // namespace

QString fitName(const QString &text, qsizetype &cursor)
{
    QString head;
    QString tail;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!breaksTheLine(text[i])) (i < cursor ? head : tail).append(text[i]);
    }
    while (!head.isEmpty() && characterEnds(head + tail).size() > nameLength) {
        const QList<qsizetype> ends = characterEnds(head);
        head.truncate(ends.size() > 1 ? ends[ends.size() - 2] : 0);
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
