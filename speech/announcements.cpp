// The announcement rules, the verbosity's stored form and its spoken name.
#include "speech/announcements.h"

#include <QCoreApplication>

QString Announcements::pass(const QString &sentence, Weight weight)
{
    if (sentence.isEmpty()) return {};
    if (weight != Weight::Setting) {
        if (verbosity == Verbosity::Silent) return {};
        if (verbosity == Verbosity::Brief && weight == Weight::Chatter) return {};
        if (weight != Weight::Answer && sentence == last) return {};
    }
    last = sentence;
    return sentence;
}

void Announcements::nextVerbosity()
{
    verbosity = verbosity == Verbosity::Full    ? Verbosity::Brief
                : verbosity == Verbosity::Brief ? Verbosity::Silent
                                                : Verbosity::Full;
}

QString verbosityKey(Verbosity v)
{
    switch (v) {
    case Verbosity::Brief:
        return QStringLiteral("brief");
    case Verbosity::Silent:
        return QStringLiteral("silent");
    case Verbosity::Full:
        break;
    }
    return QStringLiteral("full");
}

Verbosity verbosityFromKey(const QString &key)
{
    if (key == QLatin1String("brief")) return Verbosity::Brief;
    if (key == QLatin1String("silent")) return Verbosity::Silent;
    return Verbosity::Full;
}

QString verbositySentence(Verbosity v)
{
    switch (v) {
    case Verbosity::Brief:
        //: the game now speaks only events and answers, not every confirmation
        return QCoreApplication::translate("Announcements", "Speech brief");
    case Verbosity::Silent:
        //: the game's own announcements are off; the screen reader still reads the places
        return QCoreApplication::translate("Announcements", "Speech silent");
    case Verbosity::Full:
        break;
    }
    return QCoreApplication::translate("Announcements", "Speech full");
}
