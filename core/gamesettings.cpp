// The game's own settings file, opened by the same rule as every file beside the store.
#include "core/gamesettings.h"

#include "records/sidefile.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

// A few short lines; a larger file is not the game's.
constexpr qint64 settingsLimit = 64 * 1024;

} // namespace

QString gameSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/roadshift/speech.conf");
}

GameSettings::GameSettings(const QString &file) : path(file)
{
    if (!usableSideFile(file, settingsLimit)) {
        //: on standard error, after "passed over <settings file>:"; a FIFO or a folder is there
        sayPassedOver(path, QCoreApplication::translate(
                                "Records", "it is not a plain settings file; the game starts "
                                           "from its own settings and leaves it alone"));
        return;
    }
    // An explicit file: QSettings then reads no other file beside it (no organisation-wide one).
    settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    damaged = settings->status() != QSettings::NoError;
    if (const std::optional<QByteArray> bytes = readSideFile(path, settingsLimit)) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        [[maybe_unused]] const QString decoded = utf8(*bytes);
        damaged = damaged || utf8.hasError() || bytes->contains('\0');
    }
    if (damaged) {
        //: on standard error, after "passed over <the settings file>:"; the file is damaged
        sayPassedOver(path, QCoreApplication::translate(
                                "Records", "it holds no settings the game can read; the game "
                                           "starts from its own settings"));
    }
}

GameSettings::~GameSettings() = default;

QString GameSettings::text(const QString &key) const
{
    if (!settings || damaged) return {};
    const QVariant v = settings->value(key);
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

void GameSettings::setText(const QString &key, const QString &value)
{
    if (!settings) return;
    // QSettings reads what stands at its lock's name before it writes: junk there is cleared.
    clearJunkAt(path + QStringLiteral(".lock"));
    // A damaged file is left as it is until the player changes a setting, then written afresh.
    if (damaged) settings->clear();
    damaged = false;
    settings->setValue(key, value);
    settings->sync();
}
