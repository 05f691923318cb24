// The notification the game's announcements go through.
#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface *announcerAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1); // it paints nothing; a screen reader needs it shown
    hide();
}

void Announcer::say(const QString &sentence)
{
    // Hidden while the words change, so that the screen reader hears only the new ones, as the
    // notification shows again.
    hide();
    setAccessibleName(sentence);
    show();
}
