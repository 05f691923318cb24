// Reading and writing the records store, tolerant of values a person or a crash has damaged.
#include "records/store.h"

#include "core/numbertext.h"

#include <optional>

namespace {

// Stored points are offset so that the default row reads as a negative number in the file.
constexpr qint64 pointOffset = 10101;
constexpr qint64 maxPoints = 32767;
// Far beyond any real count, and far from qint64's end so that adding a run's games never wraps.
constexpr qint64 maxCounter = 1'000'000'000'000'000;

const QString general = QStringLiteral("general/");
// Qt's INI files (the native store on Linux) write a group called "general" as [%General] and
// read that section back as "General", so what one run wrote, the next finds under this spelling.
const QString generalAsReadBack = QStringLiteral("General/");
const QString topten = QStringLiteral("topten/");

QString pointKey(int n)
{
    return topten + QStringLiteral("top") + plainDecimal(n) + QStringLiteral("point");
}

QString nameKey(int n)
{
    return topten + QStringLiteral("top") + plainDecimal(n) + QStringLiteral("name");
}

// A whole number with an optional sign; blanks around it are allowed since the game writes " 12".
std::optional<qint64> wholeNumber(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype start = (t.startsWith(u'-') || t.startsWith(u'+')) ? 1 : 0;
    if (t.size() == start) return std::nullopt;
    for (qsizetype i = start; i < t.size(); ++i) {
        if (t[i] < u'0' || t[i] > u'9') return std::nullopt;
    }
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return v;
}

// A hand-edited file can hold a list ("1, 2") or other non-text values; those are not numbers.
std::optional<QString> storedText(const QSettings &settings, const QString &key)
{
    const QVariant v = settings.value(key);
    if (v.typeId() != QMetaType::QString) return std::nullopt;
    return v.toString();
}

std::optional<qint64> storedNumber(const QSettings &settings, const QString &key, qint64 low,
                                   qint64 high)
{
    const std::optional<QString> text = storedText(settings, key);
    if (!text) return std::nullopt;
    const std::optional<qint64> v = wholeNumber(*text);
    if (!v || *v < low || *v > high) return std::nullopt;
    return v;
}

QString generalKey(const QSettings &settings, const QString &name)
{
    const QString key = general + name;
    return settings.contains(key) ? key : generalAsReadBack + name;
}

qint64 counter(const QSettings &settings, const QString &name)
{
    return storedNumber(settings, generalKey(settings, name), 0, maxCounter).value_or(0);
}

void setGeneral(QSettings &settings, const QString &name, qint64 value)
{
    // Left in, the value read at start-up would be written again in a second [%General] section.
    settings.remove(generalAsReadBack + name);
    settings.setValue(general + name, blankSigned(value));
}

} // namespace

QString strev(const QString &stringname)
{
    const QList<uint> codePoints = stringname.toUcs4();
    QString reversed;
    reversed.reserve(stringname.size());
    for (auto it = codePoints.crbegin(); it != codePoints.crend(); ++it)
        reversed.append(QChar::fromUcs4(*it));
    return reversed;
}

TopTen loadTopTen(QSettings &settings)
{
    TopTen table;
    for (int n = 1; n <= topTenRows; ++n) {
        const std::optional<qint64> stored =
            storedNumber(settings, pointKey(n), -pointOffset, maxPoints - pointOffset);
        table.toptenpoint[n] = static_cast<qint32>(stored.value_or(-pointOffset) + pointOffset);
        if (const std::optional<QString> name = storedText(settings, nameKey(n)))
            table.toptenname[n] = strev(*name);
    }
    return table;
}

LifetimeCounters loadCounters(QSettings &settings)
{
    LifetimeCounters c;
    c.totalgames = counter(settings, QStringLiteral("totalgames"));
    c.executed = counter(settings, QStringLiteral("executed"));
    c.tbpass = counter(settings, QStringLiteral("tbpass"));
    return c;
}

StoredStats readStoredStats(QSettings &settings)
{
    StoredStats s;
    s.totalgames = counter(settings, QStringLiteral("totalgames"));
    const QString executedKey = generalKey(settings, QStringLiteral("executed"));
    if (storedNumber(settings, executedKey, 0, maxCounter))
        s.executedText = *storedText(settings, executedKey);
    s.tbpass = counter(settings, QStringLiteral("tbpass"));
    return s;
}

bool saveRecords(QSettings &settings, const TopTen &table, qint64 executed, qint64 totalgames,
                 qint64 tbpass)
{
    for (int n = 1; n <= topTenRows; ++n) {
        settings.setValue(pointKey(n), plainDecimal(table.toptenpoint[n] - pointOffset));
        settings.setValue(nameKey(n), strev(table.toptenname[n]));
    }
    setGeneral(settings, QStringLiteral("executed"), executed);
    setGeneral(settings, QStringLiteral("totalgames"), totalgames);
    setGeneral(settings, QStringLiteral("tbpass"), tbpass);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
