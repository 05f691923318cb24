// Every translation is complete: each text translated, in every plural form, keeping its arguments.
#include "roadtest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

// The %1-style and %n arguments a text fills in.
QSet<QString> arguments(const QString &text)
{
    QSet<QString> found;
    static const QRegularExpression argument(QStringLiteral("%(?:L?\\d+|L?n)"));
    for (const QRegularExpressionMatch &m : argument.globalMatch(text))
        found.insert(m.captured().remove(u'L'));
    return found;
}

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    QString type;      // the translation's type attribute: unfinished, vanished, obsolete
    QStringList forms; // the translation, or its plural forms
    bool hasTranslation = false;
};

QList<Message> readMessages(QXmlStreamReader &xml)
{
    QList<Message> messages;
    QString context;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message m{context,
                      {},
                      xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"),
                      {},
                      {},
                      false};
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    m.hasTranslation = true;
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    if (m.numerus) {
                        while (xml.readNextStartElement())
                            m.forms << xml.readElementText();
                    } else {
                        m.forms << xml.readElementText();
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << m;
        }
    }
    return messages;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

  private slots:
    void complete_data() { languageRows(); }
    void current_data() { languageRows(); }

    // Each file holds exactly the texts the code has today: none that lupdate would add or drop.
    void current()
    {
        QFETCH(QString, language);
        static const QSet<QString> code = [] {
            QSet<QString> keys;
            QTemporaryDir dir;
            const QString probe = dir.filePath(QStringLiteral("probe.ts"));
            QProcess lupdate;
            lupdate.start(QStringLiteral(ROADSHIFT_LUPDATE),
                          {QStringLiteral("-silent"), QStringLiteral("-locations"),
                           QStringLiteral("none"), QStringLiteral("@" ROADSHIFT_TRANSLATED_LIST),
                           QStringLiteral("-ts"), probe});
            if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0) return keys;
            QFile file(probe);
            if (!file.open(QIODevice::ReadOnly)) return keys;
            QXmlStreamReader xml(&file);
            for (const Message &m : readMessages(xml))
                keys.insert(m.context + u'|' + m.source);
            return keys;
        }();
        QVERIFY2(code.size() > 100, "lupdate found the code's texts");
        QSet<QString> file;
        QVERIFY(readFile(language, file));
        const QSet<QString> added = code - file, dropped = file - code;
        QVERIFY2(added.isEmpty() && dropped.isEmpty(),
                 qPrintable(QStringLiteral("run the update_translations target; new: %1; gone: %2")
                                .arg(QStringList(added.begin(), added.end()).join(u'\n'),
                                     QStringList(dropped.begin(), dropped.end()).join(u'\n'))));
    }

  private:
    static void languageRows()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringLiteral(ROADSHIFT_LANGUAGE_LIST).split(u' '))
            QTest::newRow(qPrintable(language)) << language;
    }
    static bool readFile(const QString &language, QSet<QString> &keys)
    {
        QFile file(QStringLiteral(ROADSHIFT_TRANSLATIONS_DIR "/roadshift_%1.ts").arg(language));
        if (!file.open(QIODevice::ReadOnly)) return false;
        QXmlStreamReader xml(&file);
        for (const Message &m : readMessages(xml))
            keys.insert(m.context + u'|' + m.source);
        return !xml.hasError();
    }

  private slots:
    // Every translation in the folder is built into the game, and every language built has one.
    void everyFileShips()
    {
        QStringList files = QDir(QStringLiteral(ROADSHIFT_TRANSLATIONS_DIR))
                                .entryList({QStringLiteral("roadshift_*.ts")}, QDir::Files);
        for (QString &file : files)
            file = file.mid(10, file.size() - 13); // "roadshift_" ... ".ts"
        QStringList built = QStringLiteral(ROADSHIFT_LANGUAGE_LIST).split(u' ');
        files.sort();
        built.sort();
        QCOMPARE(built, files);
    }

    void complete()
    {
        QFETCH(QString, language);
        QFile file(QStringLiteral(ROADSHIFT_TRANSLATIONS_DIR "/roadshift_%1.ts").arg(language));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        const QList<Message> messages = readMessages(xml);
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(!messages.isEmpty());

        QStringList faults;
        for (const Message &m : messages) {
            const QString where = QStringLiteral("%1: \"%2\": ").arg(m.context, m.source);
            if (!m.hasTranslation) {
                faults << where + QStringLiteral("no translation");
                continue;
            }
            if (!m.type.isEmpty()) {
                faults << where + m.type;
                continue;
            }
            if (m.forms.isEmpty()) faults << where + QStringLiteral("no plural forms");
            for (const QString &form : m.forms) {
                if (form.trimmed().isEmpty()) {
                    faults << where + QStringLiteral("an empty translation or plural form");
                } else if (arguments(form) != arguments(m.source)) {
                    faults << where + QStringLiteral("arguments differ in \"%1\"").arg(form);
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(u'\n' + faults.join(u'\n')));
    }
};

ROADSHIFT_TEST_RULES_MAIN(TestTranslations)
#include "test_translations.moc"
