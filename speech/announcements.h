// Which sentences reach the screen reader: the player's verbosity, and no sentence twice running.
#pragma once

#include <QString>

enum class Verbosity { Full, Brief, Silent };

// How much a sentence matters to a player who cannot see the board.
enum class Weight {
    Chatter, // confirmations and the countdown's seconds: said in full verbosity only
    Event,   // what the game does by itself (new game, departure, win, loss, pause)
    Answer,  // the reply to a key the player pressed: said again if asked again
    Setting  // the verbosity's own change: said even as it turns silent
};

struct Announcements
{
    Verbosity verbosity = Verbosity::Full;
    QString last; // the sentence said last

    // The sentence to say now, or an empty text when it stays unsaid: silent says nothing but
    // its own setting, brief leaves out the chatter, and a sentence just said is not said again
    // unless the player asked for it.
    QString pass(const QString &sentence, Weight weight);

    // Full, brief, silent, and round again.
    void nextVerbosity();
};

// The verbosity as stored ("full", "brief", "silent"), and back; anything else reads as full.
QString verbosityKey(Verbosity v);
Verbosity verbosityFromKey(const QString &key);
// "Speech full" and the like, said when the player changes it.
QString verbositySentence(Verbosity v);
