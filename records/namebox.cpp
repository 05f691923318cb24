// The name box and the text a screen reader reads from it.
#include "records/namebox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>
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
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override
    {
        // One line: a line, a paragraph or the whole text are all of it.
        if (boundaryType == QAccessible::LineBoundary ||
            boundaryType == QAccessible::ParagraphBoundary ||
            boundaryType == QAccessible::NoBoundary) {
            const int count = characterCount();
            if (offset < 0 || offset > count) {
                *startOffset = *endOffset = -1;
                return {};
            }
            *startOffset = 0;
            *endOffset = count;
            return box()->text();
        }
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
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
