// The notifications the game's announcements go through, inside a status bar of their own.
#include "speech/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

namespace {

QAccessibleInterface *announcerAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("AnnouncerVoice"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    // A notification inside a status bar is read by its words alone: a screen reader says
    // "notification" before every other one.
    if (key == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
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
    // A sentence said as the focus moves waits until the screen reader has taken in the move:
    // it reads the newly focused place first, and would otherwise drop the sentence.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        focusmoving = true;
        if (sentAt.isValid() && sentAt.elapsed() < droppedWithinMs && pending.isEmpty()) {
            sentAt.invalidate();
            say(sent); // again, once the screen reader has read the focused control
        }
        QTimer::singleShot(0, this, [this] { focusmoving = false; });
    });
}

namespace {

QString joined(const QStringList &sentences)
{
    //: between sentences the game says at the same moment ("The car is off. You lost: ...")
    return sentences.join(QCoreApplication::translate("Announcer", ". "));
}

} // namespace

void Announcer::say(const QString &sentence)
{
    if (pending.isEmpty()) {
        QTimer::singleShot(focusmoving ? afterFocusMs : 0, this, &Announcer::flush);
        turnSaid.clear();
    }
    pending << sentence;
    turnSaid << sentence;
}

void Announcer::flush()
{
    if (pending.isEmpty()) return;
    turn = (turn + 1) % voices.size();
    AnnouncerVoice *v = voices[turn];
    // Hidden while the words change, so that the screen reader hears only the new ones as the
    // notification shows again.
    v->hide();
    sent = joined(pending);
    sentAt.start();
    v->setAccessibleName(sent);
    v->show();
    pending.clear();
}
