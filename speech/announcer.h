// What the game tells a screen reader of its own accord, without taking the keyboard focus.
#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>

#include <array>

// One invisible notification; a screen reader speaks what a notification says as it shows.
class AnnouncerVoice : public QWidget
{
    Q_OBJECT
  public:
    explicit AnnouncerVoice(QWidget *parent);
};

// Sentences said in one turn of the event loop go out together; each turn takes the next of a
// few notifications, so that a screen reader that falls behind still finds each one's own words.
class Announcer : public QWidget
{
    Q_OBJECT
  public:
    explicit Announcer(QWidget *parent);

    void say(const QString &sentence);
    // Sends what was said so far now (tests call it rather than wait).
    void flush();
    // The sentence given last, and all of the last turn that said anything (tests read them).
    QString said() const { return turnSaid.isEmpty() ? QString() : turnSaid.last(); }
    QStringList saidInTurn() const { return turnSaid; }
    // The notification that spoke last, or is about to.
    const AnnouncerVoice *voice() const { return voices[turn]; }

  private:
    std::array<AnnouncerVoice *, 4> voices{};
    std::size_t turn = 0;
    QStringList pending;
    QStringList turnSaid;     // the sentences of the last turn that said anything
    bool focusmoving = false; // the focus moved in this turn of the event loop
    static constexpr int afterFocusMs = 300;
    // What went out last, and when: a focus move right after it makes the screen reader drop it
    // for the newly focused control, so it is said again after that.
    QString sent;
    QElapsedTimer sentAt;
    static constexpr int droppedWithinMs = 400;
};
