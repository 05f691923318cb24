// Reading and writing the records store, tolerant of values a person or a crash has damaged.
#include "records/store.h"

#include "core/numbertext.h"

#include <optional>

namespace {

// Stored points are offset so that the default row reads as a negative number in the file.
constexpr qint64 pointOffset = 10101;

const QString general = QStringLiteral("general/");
// Qt's INI files write a group called "general" as [%General] and read that section back as
// "General". A section written by hand as [General] or [general] is Qt's own root section, whose
// keys have no group at all. The counters are found under any of these spellings.
const QStringList generalSpellings = {general, QStringLiteral("General/"), QString()};
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
    for (const QString &group : generalSpellings) {
        if (settings.contains(group + name)) return group + name;
    }
    return general + name;
}

qint64 counter(const QSettings &settings, const QString &name)
{
    return storedNumber(settings, generalKey(settings, name), 0, maxCounter).value_or(0);
}

const QStringList counterNames = {QStringLiteral("executed"), QStringLiteral("totalgames"),
                                  QStringLiteral("tbpass")};

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

QList<std::pair<QString, QString>> recordTexts(const TopTen &table, qint64 executed,
                                               qint64 totalgames, qint64 tbpass)
{
    QList<std::pair<QString, QString>> texts;
    for (int n = 1; n <= topTenRows; ++n) {
        texts.append({pointKey(n), plainDecimal(table.toptenpoint[n] - pointOffset)});
        texts.append({nameKey(n), strev(table.toptenname[n])});
    }
    texts.append({general + QStringLiteral("executed"), blankSigned(executed)});
    texts.append({general + QStringLiteral("totalgames"), blankSigned(totalgames)});
    texts.append({general + QStringLiteral("tbpass"), blankSigned(tbpass)});
    return texts;
}

bool isCounterKey(const QString &key)
{
    for (const QString &group : generalSpellings) {
        for (const QString &name : counterNames) {
            if (key == group + name) return true;
        }
    }
    return false;
}

QString storedTextOf(const QSettings &settings, const QString &key)
{
    const QString found =
        key.startsWith(general) ? generalKey(settings, key.mid(general.size())) : key;
    return storedText(settings, found).value_or(QString());
}

bool saveRecords(QSettings &settings, const TopTen &table, qint64 executed, qint64 totalgames,
                 qint64 tbpass)
{
    // Counters left under another spelling would be read again next time, and the file would
    // keep two sections for them.
    for (const QString &group : generalSpellings) {
        for (const QString &name : counterNames)
            settings.remove(group + name);
    }
    for (const auto &[key, text] : recordTexts(table, executed, totalgames, tbpass))
        settings.setValue(key, text);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
