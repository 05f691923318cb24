// The name box and the text a screen reader reads from it.
#include "records/namebox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QValidator>

namespace {

class NameBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
  public:
    explicit NameBoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = box()->isReadOnly();
        s.editable = !box()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) return box()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            edit(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    // The text interface.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !box()->hasSelectedText()) return;
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0) box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0) box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = box()->text();
        startOffset = qBound(0, startOffset, int(all.size()));
        endOffset =
            endOffset < 0 ? int(all.size()) : qBound(startOffset, endOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // The box is sized for a whole name, so its text never scrolls: the character's place
        // is its advance from where the text starts.
        const QString all = box()->text();
        if (offset < 0 || offset >= all.size()) return {};
        QStyleOptionFrame option;
        option.initFrom(box());
        option.lineWidth = box()->hasFrame() ? 1 : 0;
        const QRect inner =
            box()->style()->subElementRect(QStyle::SE_LineEditContents, &option, box());
        const QFontMetrics fm(box()->font());
        const int left =
            inner.left() + box()->textMargins().left() + 2 + fm.horizontalAdvance(all.left(offset));
        const QRect r(left, inner.top() + (inner.height() - fm.height()) / 2,
                      fm.horizontalAdvance(all.mid(offset, 1)), fm.height());
        return QRect(box()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        // One run over the whole text: the text has no attributes of its own.
        const int count = characterCount();
        *startOffset = 0;
        *endOffset = offset >= 0 && offset <= count ? count : 0;
        return {};
    }
    // Qt's own walk through the text's words never ends when asked at the end of the text, and
    // the game would stop answering the screen reader: the pieces are found here, in one pass.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override
    {
        return piece(offset, boundaryType, 0, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override
    {
        return piece(offset, boundaryType, -1, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override
    {
        return piece(offset, boundaryType, 1, startOffset, endOffset);
    }

    // The editable text interface: edits a screen reader makes go through the name's rules too.
    void deleteText(int startOffset, int endOffset) override
    {
        edit(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        edit(box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        edit(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

  private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

    // Where the text's pieces of a kind start, with the text's end last: the whole line is one
    // piece for lines, paragraphs and no boundary.
    QList<int> bounds(QAccessible::TextBoundaryType type) const
    {
        const QString all = box()->text();
        QList<int> at{0};
        QTextBoundaryFinder::BoundaryType kind = QTextBoundaryFinder::Grapheme;
        if (type == QAccessible::WordBoundary)
            kind = QTextBoundaryFinder::Word;
        else if (type == QAccessible::SentenceBoundary)
            kind = QTextBoundaryFinder::Sentence;
        else if (type != QAccessible::CharBoundary) {
            if (!all.isEmpty()) at << int(all.size());
            return at;
        }
        QTextBoundaryFinder finder(kind, all);
        for (qsizetype next = finder.toNextBoundary(); next > 0 && next <= all.size();
             next = finder.toNextBoundary()) {
            // A word piece runs from a word's start to the next word's start, with its spaces.
            if (kind == QTextBoundaryFinder::Word && next < all.size() &&
                !(finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
                continue;
            at << int(next);
        }
        if (at.last() != all.size()) at << int(all.size());
        return at;
    }

    // The piece of a kind at `offset`, or the one before (-1) or after (1) it; an offset past the
    // text or a piece beyond either end gives nothing, with both offsets at -1.
    QString piece(int offset, QAccessible::TextBoundaryType type, int step, int *startOffset,
                  int *endOffset) const
    {
        const QString all = box()->text();
        const int count = int(all.size());
        *startOffset = *endOffset = -1;
        if (offset == -2) offset = box()->cursorPosition();
        if (offset == -1) offset = count;
        if (offset < 0 || offset > count) return {};
        const QList<int> at = bounds(type);
        // The piece that holds the offset; at the text's end, the last piece, but for
        // characters: no character stands there.
        qsizetype i = 0;
        while (i + 2 < at.size() && at[i + 1] <= offset)
            ++i;
        if (type == QAccessible::CharBoundary && offset == count) {
            if (step == 0) {
                *startOffset = *endOffset = count;
                return {};
            }
            i = at.size() - 1;
        }
        i += step;
        if (i < 0 || i + 1 >= at.size()) return {};
        *startOffset = at[i];
        *endOffset = at[i + 1];
        return all.mid(at[i], at[i + 1] - at[i]);
    }
    void edit(QString text)
    {
        int pos = int(text.size());
        if (const QValidator *v = box()->validator()) v->validate(text, pos);
        box()->setText(text);
    }
};

QAccessibleInterface *nameBoxAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("NameBox"))
        return new NameBoxAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

NameBox::NameBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(nameBoxAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
