// The game's own settings (how it speaks, what it plays, the difficulty last chosen), kept in a
// file of their own apart from the records, so that no record's key or value ever changes.
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The keys of the settings file: names in the file, never shown to a player.
namespace settingKey {
inline const QString verbosity = QStringLiteral("verbosity"); // "full", "brief", "silent"
inline const QString sound = QStringLiteral("sound");         // "on", "off"
inline const QString exits = QStringLiteral("exits");         // 1..4
inline const QString countdown = QStringLiteral("countdown"); // seconds; 60: none
} // namespace settingKey

// $XDG_CONFIG_HOME/roadshift/speech.conf: the file first held the speech setting alone.
QString gameSettingsPath();

// The settings file, read once. Only a regular file of a settings file's size is read or
// written (see records/sidefile.h): with anything else at its name, or with a file that holds
// no settings text, the game starts from its defaults and says so in one line on standard error;
// a file that is not a regular one is then never written either.
class GameSettings
{
  public:
    explicit GameSettings(const QString &path = gameSettingsPath());
    GameSettings(const GameSettings &) = delete;
    GameSettings &operator=(const GameSettings &) = delete;
    ~GameSettings();

    QString text(const QString &key) const; // a null text when absent or damaged
    void setText(const QString &key, const QString &value);

  private:
    QString path;
    std::unique_ptr<QSettings> settings; // none when the file is not the game's to use
    bool damaged = false;
};
