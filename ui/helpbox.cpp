// The "How to play" box: three pictures beside the rules of the game, and the keys below.
#include "ui/helpbox.h"

#include "assets/spritesheet.h"
#include "ui/fonts.h"
#include "ui/letterart.h"
#include "ui/textfit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

MainWindowBox::MainWindowBox(QWidget *mainWindow, const QString &title, QSize clientSize)
    : m_mainWindow(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setFixedSize(clientSize);
    setSizeGripEnabled(false);

    QScreen *screen = mainWindow ? mainWindow->screen() : this->screen();
    QRect frame(QPoint(), clientSize);
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());

    if (mainWindow) {
        mainWindow->setEnabled(false);
        // The main window's destructor would otherwise leave this box behind with nothing to
        // return to; deleted at once so that no event loop is needed for it.
        connect(mainWindow, &QObject::destroyed, this, [this] {
            m_mainWindow = nullptr;
            delete this;
        });
    }
}

MainWindowBox::~MainWindowBox()
{
    releaseMainWindow();
}

void MainWindowBox::releaseMainWindow()
{
    if (m_mainWindow) m_mainWindow->setEnabled(true);
}

void MainWindowBox::done(int result)
{
    // QDialog's own done() only hides, which would keep the box alive and the main window off.
    setResult(result);
    close();
}

void MainWindowBox::closeEvent(QCloseEvent *event)
{
    // Not QDialog::closeEvent: it would go round through done() again.
    event->accept();
    releaseMainWindow();
}

void MainWindowBox::showEvent(QShowEvent *event)
{
    // Set here rather than in the constructor: the box's own window exists only once shown, and
    // the main window's may have been made after this box.
    if (m_mainWindow && windowHandle())
        windowHandle()->setTransientParent(m_mainWindow->window()->windowHandle());
    QDialog::showEvent(event);
}

namespace {

QLabel *textLabel(const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

// Below the pictures and the rules, which keep their places.
const QRect keysRoom(5, 350, 350, 180);
const QSize helpBoxSize(360, keysRoom.bottom() + 1 + 6 + 25 + 6);

QLabel *heading(const QString &text, const QRect &geometry, QWidget *parent)
{
    QLabel *label = textLabel(text, geometry, parent);
    label->setFont(layoutFont(QStringLiteral("Tahoma"), 9.75, true));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(192, 0, 0));
    label->setPalette(p);
    return label;
}

} // namespace

HelpBox::HelpBox(QWidget *mainWindow)
    : MainWindowBox(mainWindow,
                    //: the title of the box with the rules of the game
                    tr("How to play"), helpBoxSize)
{
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));

    const SpriteSheet pictures(QStringLiteral("help"), 1, 3, letterHelp);
    const auto picture = [this, &pictures](const char *name, int cell, int y) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(5, y, 160, 110);
        label->setPixmap(pictures.cell(cell));
        return label;
    };
    picture("Picture1", 0, 5);
    picture("Picture3", 2, 120);
    picture("Picture2", 1, 235);

    struct Text
    {
        const char *name;
        bool isHeading;
        QRect geometry;
        const char *text;
    };
    const Text texts[] = {
        {"Label9",
         true,
         {170, 5, 221, 16},
         //: a heading in the rules: what the game is about
         QT_TR_NOOP("Objective")},
        {"Label1",
         false,
         {175, 25, 181, 71},
         //: in the rules, beside a picture of the countdown; its room holds about a third more
         //: than the English, no more
         QT_TR_NOOP("When the countdown reaches zero, your car will start moving. You must set a "
                    "proper path for the car to move around. For each tile of road it pass "
                    "through, you will gain 10 points.")},
        {"Label4",
         false,
         {175, 100, 186, 56},
         //: in the rules, beside a picture of an exit
         QT_TR_NOOP("You will win the game if you successfully guided the car to reach the "
                    "\"exit point\".")},
        {"Label2",
         true,
         {170, 155, 221, 16},
         //: a heading in the rules, over the mouse buttons' use
         QT_TR_NOOP("How to play?")},
        {"Label3",
         false,
         {175, 175, 166, 36},
         //: in the rules: a left click on a tile beside the empty place slides it there; its room
         //: holds about a third more than the English, no more
         QT_TR_NOOP("Use LEFT MOUSE BUTTON to shift the road into the blank tile.")},
        {"Label5",
         false,
         {175, 210, 166, 36},
         //: in the rules: a right click on a tile turns it a quarter turn
         QT_TR_NOOP("Use RIGHT MOUSE BUTTON to rotate the road clockwise.")},
        {"Label6",
         true,
         {170, 250, 221, 26},
         //: the last heading in the rules: have you understood?
         QT_TR_NOOP("Get the idea?")},
        {"Label7",
         false,
         {175, 270, 171, 36},
         //: the rules' friendly last words with a smiling face ^_^; translate in spirit
         QT_TR_NOOP("I know you're a smart fellow! Enjoy! ^_^")},
    };
    // A heading and the paragraphs under it, up to the next heading: the paragraphs of one
    // section are fitted together, so none is narrower or smaller than its sibling.
    QList<QWidget *> section;
    for (const Text &t : texts) {
        // Some rooms run past the box's edge; a longer text has only the part inside.
        const QRect room = t.geometry & QRect(QPoint(), helpBoxSize);
        QLabel *label =
            t.isHeading ? heading(tr(t.text), room, this) : textLabel(tr(t.text), room, this);
        label->setObjectName(QLatin1String(t.name));
        if (t.isHeading) {
            fitTogether(section);
            section.clear();
            fitText(label);
        } else {
            section << label;
        }
    }
    fitTogether(section);

    // The keys under the rules, across the whole box: what a player without the mouse needs,
    // seen by a keyboard player and read last by a screen reader, before the button. The room
    // takes the text half as long again, as some languages need.
    //: follows the keys paragraph; the speaker button left of the board does the same
    const QString soundKey =
        QCoreApplication::translate("HelpBox", "M turns the sounds off and on.");
    // Key names as the desktop's language writes them, from Qt's own translation.
    const auto keyName = [](QKeyCombination k) {
        return QKeySequence(k).toString(QKeySequence::NativeText);
    };
    //: follows the keys paragraph; %1 is the key combination Shift+R, named by Qt in the
    //: player's language
    const QString moreKeys =
        QCoreApplication::translate("HelpBox", "%1 turns the tile back. B goes to the place that "
                                               "stops the road; X again goes on to the next exit.")
            .arg(keyName(Qt::SHIFT | Qt::Key_R));
    //: follows the keys paragraph
    const QString planKeys = QCoreApplication::translate(
        "HelpBox", "W also names what blocks the road and one move that opens it. A road piece "
                   "is named by its open sides, in the order up, right, down, left.");
    //: the keys: %1 Space, %2 Shift, %3 Home, %4 Escape, %5 Tab, %6 Ctrl+Q, each named by Qt in
    //: the player's language ("Leertaste", "Umschalt", "Pos1", "Esc", "Tab", "Strg+Q")
    const QString keysText =
        QCoreApplication::translate(
            "HelpBox", "Keys: the arrows move over the board and read each place. %1 slides the "
                       "tile, or makes the tent jump. R turns the tile. W tells where the road "
                       "leads. C tells where the car is. %2 with an arrow reads the whole row or "
                       "column. %3 goes to the car, E to the empty place, X to the nearest exit. G "
                       "sends the car off now. P pauses. N or F2 starts a game. %4 puts the banner "
                       "away. V sets the speech full, brief or silent. %5 moves between the board "
                       "and the buttons. F1 is this help; %6 leaves.")
            .arg(keyName(QKeyCombination(Qt::Key_Space)), keyName(QKeyCombination(Qt::Key_Shift)),
                 keyName(QKeyCombination(Qt::Key_Home)), keyName(QKeyCombination(Qt::Key_Escape)),
                 keyName(QKeyCombination(Qt::Key_Tab)), keyName(Qt::CTRL | Qt::Key_Q));
    QLabel *keys =
        textLabel(keysText + u' ' + moreKeys + u' ' + planKeys + u' ' + soundKey, keysRoom, this);
    keys->setObjectName(QStringLiteral("LabelKeys"));
    fitText(keys);

    //: the button that closes the rules: I have understood
    auto *ok = new QPushButton(tr("OK! Got it!"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(260, keysRoom.bottom() + 6, 96, 25);
    ok->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    ok->setDefault(true);
    fitText(ok);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}
