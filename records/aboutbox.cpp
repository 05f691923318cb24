// The about box: fills the statistics from the store and the main window's run counters.
#include "records/aboutbox.h"

#include "assets/spritesheet.h"
#include "core/numbertext.h"
#include "records/recordsfile.h"
#include "ui/fonts.h"
#include "ui/textfit.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Where the statistics stand, as offsets from the tab control's corner (tab strip included).
constexpr int captionRight = 281;
constexpr int valueLeft = 290;
constexpr int rowHeight = 20;
constexpr int valueWidth = 85;

qint64 countIn(const QLabel *label)
{
    return label ? label->text().trimmed().toLongLong() : 0;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget *mainWindow, const QLabel *labelwon, const QLabel *labellost,
                   const QLabel *labelbp)
    : MainWindowBox(mainWindow,
                    //: the about box's title; keep the game's name Roadshift as it is
                    tr("About Roadshift"), QSize(394, 322))
{
    const qint64 won = countIn(labelwon);
    const qint64 lost = countIn(labellost);
    const qint64 tiles = countIn(labelbp);
    const StoredStats stored = readRecords(recordsPath()).stats;

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("sstab"));
    m_tabs->setGeometry(5, 5, 381, 281);

    m_aboutPage = new QWidget(m_tabs);
    auto *picture = new QLabel(m_aboutPage);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setPixmap(SpriteSheet(QStringLiteral("about"), 1, 1).cell(0));
    picture->setAlignment(Qt::AlignCenter);
    auto *pictureLayout = new QVBoxLayout(m_aboutPage);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    pictureLayout->addWidget(picture);
    //: the about box's first tab, which shows the game's picture
    m_tabs->addTab(m_aboutPage, tr("About"));

    m_statsPage = new QWidget(m_tabs);
    //: the about box's second tab, with the numbers of games played, won and lost
    m_tabs->addTab(m_statsPage, tr("Stats"));
    m_tabs->setCurrentWidget(m_aboutPage);

    const QFont headingFont = layoutFont(QStringLiteral("Tahoma"), 9.75, true);
    const QFont captionFont = layoutFont(QStringLiteral("Arial"), 9.75);
    const QFont valueFont = layoutFont(QStringLiteral("Arial"), 12, true);
    const QColor accumulated(192, 0, 192);
    const QColor session(0, 0, 192);

    const auto heading = [&](const QString &text, int y) {
        QLabel *label = plainLabel(text, m_statsPage);
        label->setFont(headingFont);
        setTextColour(label, QColor(192, 0, 0));
        label->setGeometry(10, y, captionRight + valueWidth, rowHeight);
        fitText(label);
    };
    const auto row = [&](const QString &caption, int y, const char *name, const QString &value,
                         const QColor &colour) {
        QLabel *c = plainLabel(caption, m_statsPage);
        c->setFont(captionFont);
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        c->setGeometry(0, y, captionRight, rowHeight);
        fitText(c);
        QLabel *v = plainLabel(value, m_statsPage);
        v->setObjectName(QLatin1String(name));
        v->setFont(valueFont);
        setTextColour(v, colour);
        v->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        v->setGeometry(valueLeft, y, valueWidth, rowHeight);
    };

    //: a heading in the statistics: the numbers below count every game since the first start
    heading(tr("This game (accumulative)"), 30);
    //: a caption in the statistics, right-aligned beside its number; keep the closing space
    row(tr("Number of times you opened this game "), 60, "stat1", stored.executedText, accumulated);
    //: a caption in the statistics, right-aligned beside its number; keep the closing space
    row(tr("Total number of games played until now "), 85, "stat2",
        blankSigned(stored.totalgames + won + lost), accumulated);
    //: a caption in the statistics, right-aligned beside its number: how many road tiles the car
    //: has driven over; keep the closing space
    row(tr("Total number of blocks the car pass through "), 110, "stat5",
        blankSigned(stored.tbpass + tiles), accumulated);
    //: a heading in the statistics: the numbers below count the games since the game was started
    heading(tr("This session"), 150);
    //: a caption in the statistics, right-aligned beside its number; keep the closing space
    row(tr("Number of games won "), 175, "stat3", plainDecimal(won), session);
    //: a caption in the statistics, right-aligned beside its number; keep the closing space
    row(tr("Number of games lost "), 200, "stat4", plainDecimal(lost), session);
    //: a caption in the statistics, right-aligned beside its number: how many road tiles the car
    //: has driven over; keep the closing space
    row(tr("Total number of blocks the car pass through "), 225, "stat6", plainDecimal(tiles),
        session);

    //: the button that closes the about box
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(280, 295, 104, 23);
    ok->setDefault(true);
    fitText(ok);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

void AboutBox::showEvent(QShowEvent *event)
{
    MainWindowBox::showEvent(event);
    if (m_statsPlaced) return;
    m_statsPlaced = true;
    // The pages sit below the tab strip, whose height depends on the style and font, and the tab
    // widget places them only once shown; the statistics count from the tab control's corner.
    const QPoint pageCorner = m_statsPage->parentWidget()->mapTo(m_tabs, QPoint());
    for (QObject *child : m_statsPage->children()) {
        if (auto *label = qobject_cast<QLabel *>(child)) label->move(label->pos() - pageCorner);
    }
}
