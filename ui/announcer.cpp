// The notifications the game's announcements go through.
#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QTimer>

namespace {

QAccessibleInterface *announcerAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("AnnouncerVoice"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

AnnouncerVoice::AnnouncerVoice(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    // It paints nothing; shown, so that its notifications can show.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    for (auto &v : voices)
        v = new AnnouncerVoice(this);
}

void Announcer::say(const QString &sentence)
{
    last = sentence;
    if (pending.isEmpty()) QTimer::singleShot(0, this, &Announcer::flush);
    pending << sentence;
}

void Announcer::flush()
{
    if (pending.isEmpty()) return;
    turn = (turn + 1) % voices.size();
    AnnouncerVoice *v = voices[turn];
    // Hidden while the words change, so that the screen reader hears only the new ones as the
    // notification shows again.
    v->hide();
    //: between sentences the game says at the same moment ("The car is off. You lost: ...")
    v->setAccessibleName(pending.join(QCoreApplication::translate("Announcer", ". ")));
    v->show();
    pending.clear();
}
