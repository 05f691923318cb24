// The main window's layout, its start-up, and the set-up and stop of a game.
#include "core/mainwindow.h"

#include "core/version.h"
#include "records/namebox.h"
#include "records/namevalidator.h"
#include "sound/soundplayer.h"
#include "ui/fonts.h"
#include "ui/presentation.h"
#include "ui/textfit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace {

QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

void setTextColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    // The layout is fixed and drawn to be read left to right: neither Qt's -reverse nor a
    // right-to-left language may mirror it, nor the boxes opened from it.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    setLayoutDirection(Qt::LeftToRight);
    gameSettings = std::make_unique<GameSettings>();
    buildControls();
    buildSound();

    auto makeTimer = [this](int ms, Qt::TimerType type, bool on, void (MainWindow::*tick)()) {
        auto *t = new QTimer(this);
        t->setInterval(ms);
        t->setTimerType(type);
        connect(t, &QTimer::timeout, this, tick);
        if (on) t->start();
        return t;
    };
    Timercar = makeTimer(10, Qt::PreciseTimer, false, &MainWindow::Timercar_Timer);
    Timercarin = makeTimer(1000, Qt::CoarseTimer, false, &MainWindow::Timercarin_Timer);
    Timerbigmsg = makeTimer(100, Qt::CoarseTimer, false, &MainWindow::Timerbigmsg_Timer);
    // Neither blink runs at the intro: it has no exits and no refused tile, so their ticks would
    // only wake the program for nothing. A new game starts the one, a refused slide the other.
    Timerexitblock = makeTimer(200, Qt::CoarseTimer, false, &MainWindow::Timerexitblock_Timer);
    // Each red flash of a refusal stays up for 40 ms, more than two frames of a 60 Hz screen,
    // so the player sees it; the ten ticks of a blink take 0.4 s.
    Timerblink = makeTimer(40, Qt::PreciseTimer, false, &MainWindow::Timerblink_Timer);

    Form_Load();
    buildPause();
    buildKeys();
    buildSpeech();
}

MainWindow::~MainWindow()
{
    // The controls are deleted after this, and the focus leaves them then: by that time no signal
    // of the application may still call into what is left of the window.
    QObject::disconnect(qApp, nullptr, this, nullptr);
}

void MainWindow::buildControls()
{
    //: the window's title: keep the game's name Roadshift as it is; %1 is the version, e.g. 1.00
    setWindowTitle(tr("Roadshift v%1").arg(QLatin1String(roadshift::version)));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, rgb(0, 192, 0));
    setPalette(pal);
    setAutoFillBackground(true);

    // Frames beneath everything.
    auto frame = [this](Shape::Kind kind, const QColor &fill, int x, int y, int w, int h) {
        auto *s = new Shape(kind, fill, this);
        s->setGeometry(x, y, w, h);
        return s;
    };
    frame(Shape::Kind::RoundedRectangle, rgb(0, 0, 192), 40, 375, 471, 81);
    frame(Shape::Kind::RoundedRectangle, rgb(0, 128, 0), 520, 10, 101, 446);
    frame(Shape::Kind::Rectangle, rgb(255, 255, 255), 520, 60, 101, 306);
    frame(Shape::Kind::RoundedRectangle, rgb(255, 255, 0), 430, 430, 76, 21);

    // The board; box 0 is a spare box out of sight.
    for (int n = 0; n <= placeCount; ++n) {
        auto *b = new ClickLabel(this);
        if (n == 0) {
            b->setGeometry(640, 200, 30, 60);
            b->hide(); // out of sight, and out of a screen reader's way
        } else {
            b->setGeometry(35 + 60 * ((n - 1) % 8), 10 + 60 * ((n - 1) / 8), 60, 60);
        }
        b->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        connect(b, &ClickLabel::pressed, this, [this, n](Qt::MouseButton button) {
            const MouseButton which = button == Qt::LeftButton    ? MouseButton::Left
                                      : button == Qt::RightButton ? MouseButton::Right
                                                                  : MouseButton::Other;
            block_MouseDown(static_cast<qint16>(n), which);
        });
        block[n] = b;
    }

    blockstart = new QLabel(this);
    blockstart->setGeometry(5, 10, 30, 60);
    blockstart->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    blockstart->setPixmap(picblocks.cell(tile::startSign));

    Labelcartimein = new ClickLabel(this);
    Labelcartimein->setGeometry(5, 75, 26, 31);
    Labelcartimein->setFont(layoutFont(QStringLiteral("Arial Narrow"), 14.25, true));
    Labelcartimein->setAlignment(Qt::AlignCenter);
    setTextColour(Labelcartimein, rgb(255, 255, 0));
    Labelcartimein->hide();
    connect(Labelcartimein, &ClickLabel::doubleClicked, this, &MainWindow::Labelcartimein_DblClick);

    buildSettingsPanel();

    Label8 = new ButtonLabel(this);
    //: the red word to click under the board that starts a game; very short (about 7 letters)
    Label8->setText(tr("START!"));
    Label8->setGeometry(435, 428, 66, 31);
    Label8->setFont(layoutFont(QStringLiteral("Comic Sans MS"), 11.25, true));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fitText(Label8);
    setTextColour(Label8, rgb(255, 0, 0));
    Label8->setCursor(Qt::PointingHandCursor);
    connect(Label8, &ClickLabel::clicked, this, &MainWindow::Label8_Click);

    blockred = new QLabel(this);
    blockred->setGeometry(-200, -200, 60, 60);
    blockred->setAutoFillBackground(true);
    QPalette red = blockred->palette();
    red.setColor(QPalette::Window, rgb(255, 128, 128));
    blockred->setPalette(red);
    blockred->setAttribute(Qt::WA_TransparentForMouseEvents);
    blockred->hide();

    car = new QLabel(this);
    car->setGeometry(23, 28, 24, 24);
    car->setAttribute(Qt::WA_TransparentForMouseEvents);

    bigmsg = new ClickLabel(this);
    bigmsg->setGeometry(35, 375, 480, 80);
    bigmsg->setAttribute(Qt::WA_OpaquePaintEvent); // every cell fills the whole box
    bigmsg->setCursor(Qt::PointingHandCursor);
    connect(bigmsg, &ClickLabel::clicked, this, &MainWindow::bigmsg_Click);

    // The top-ten message line lies over the banner's lower strip, where the pictures keep clear.
    labelbig = new QLabel(this);
    labelbig->setGeometry(35, 424, 476, 31);
    labelbig->setTextFormat(Qt::PlainText);
    labelbig->setAlignment(Qt::AlignCenter);
    labelbig->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 9.75));
    setTextColour(labelbig, rgb(255, 255, 192));
    labelbig->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int i = 0; i <= 7; ++i) {
        auto *d = new QLabel(this);
        d->setGeometry(digitParkLeft, scoreTop, 36, 44);
        d->setAttribute(Qt::WA_TransparentForMouseEvents);
        d->hide(); // parked until a score needs it
        digit[i] = d;
    }

    buildTopTenPanel();

    //: a button that opens the about box with the statistics
    cmd_about =
        addButton(tr("About Game"), {530, 375, 81, 21}, false, &MainWindow::cmd_about_Click);
    //: a button that opens the rules of the game
    cmd_help = addButton(tr("How to Play"), {530, 400, 81, 21}, false, &MainWindow::cmd_help_Click);
    //: a button that closes the game
    cmd_exit = addButton(tr("Exit game"), {530, 425, 81, 21}, false, &MainWindow::cmd_exit_Click);

    // The run's counters and the state label, placed beyond the visible area.
    auto hiddenLabel = [this](int y) {
        auto *l = new QLabel(this);
        l->setGeometry(635, y, 36, 26);
        l->setTextFormat(Qt::PlainText);
        l->hide(); // out of sight anyway; hidden, a screen reader does not offer it either
        return l;
    };
    labelwon = hiddenLabel(10);
    labellost = hiddenLabel(50);
    labelbp = hiddenLabel(100);
    Labelx = hiddenLabel(150);

    nameControls();
}

QPushButton *MainWindow::addButton(const QString &text, const QRect &geometry, bool bold,
                                   void (MainWindow::*click)())
{
    auto *b = new QPushButton(text, this);
    b->setGeometry(geometry);
    b->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25, bold));
    b->setFocusPolicy(Qt::TabFocus); // the keyboard's Tab reaches it, a mouse click gives no focus
    fitText(b);
    connect(b, &QPushButton::clicked, this, click);
    return b;
}

void MainWindow::buildSettingsPanel()
{
    const QColor cyan = rgb(0, 255, 255);
    const QColor lightBlue = rgb(192, 192, 255);
    auto label = [this](const QString &text, int x, int y, int w, int h, const QFont &font,
                        const QColor &colour, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
        auto *l = new QLabel(text, this);
        l->setGeometry(x, y, w, h);
        l->setFont(font);
        l->setAlignment(align);
        l->setTextFormat(Qt::PlainText);
        setTextColour(l, colour);
        fitText(l);
        return l;
    };
    // The headings and the unit keep their words on the English baseline, in one face.
    const auto onBaseline = [&label](const QString &text, int x, int y, int w, int h,
                                     const QFont &font, const QColor &colour) {
        QLabel *l = label(text, x, y, w, h, font, colour);
        inOneFaceOnBaseline(l);
        fitText(l);
        return l;
    };
    const QFont heading = layoutFont(QStringLiteral("Comic Sans MS"), 9.75, true);
    const QFont number = layoutFont(QStringLiteral("Comic Sans MS"), 20.25, true);
    const QFont word = layoutFont(QStringLiteral("Verdana"), 8.25, true);

    //: the heading over the number of exits on the board, 1 to 4
    Label1 = onBaseline(tr("Number of exitpoint"), 50, 375, 141, 21, heading, cyan);
    //: the tooltip of the heading over the number of exits
    Label1->setToolTip(tr("More exit points means more chance of winning the game!"));
    Label2 = label(QStringLiteral("1"), 105, 390, 26, 31, number, lightBlue, Qt::AlignCenter);
    //: a placeholder under the number of exits, replaced by a difficulty name at once
    Label3 =
        label(tr("difficult"), 65, 425, 106, 21, word, lightBlue, Qt::AlignHCenter | Qt::AlignTop);
    //: the heading over the countdown: how many seconds pass before the car drives off
    Label4 = onBaseline(tr("Car move after..."), 200, 375, 141, 21, heading, cyan);
    //: the countdown's tooltip, playfully misspelt ("enough", "build"); a joke, translate in spirit
    Label4->setToolTip(tr("Enuff time for you to think ahead and built the path?"));
    Label5 = label(QStringLiteral("10"), 225, 390, 36, 36, number, lightBlue, Qt::AlignCenter);
    //: short for seconds, beside the countdown's number; at most 3 letters
    Label6 = onBaseline(tr("sec"), 265, 405, 21, 21, heading, cyan);
    //: a placeholder under the countdown, replaced by a joke at once
    // Centred in the whole gap between its neighbours (the English jokes fill only the middle
    // 126 pixels), so that a longer one needs less narrowing.
    Label7 =
        label(tr("difficult"), 176, 425, 154, 26, word, lightBlue, Qt::AlignHCenter | Qt::AlignTop);

    Cmd_el = addButton(QStringLiteral("<"), {80, 400, 21, 21}, true, &MainWindow::Cmd_el_Click);
    Cmd_er = addButton(QStringLiteral(">"), {135, 400, 21, 21}, true, &MainWindow::Cmd_er_Click);
    cmd_cl = addButton(QStringLiteral("<"), {200, 400, 21, 21}, true, &MainWindow::cmd_cl_Click);
    Cmd_cr = addButton(QStringLiteral(">"), {290, 400, 21, 21}, true, &MainWindow::Cmd_cr_Click);

    //: the heading over the box where the player types a name for the top-ten table
    Label11 = onBaseline(tr("Your name here"), 335, 375, 121, 21, heading, cyan);
    //: the name box's tooltip; TOP TEN is the table of the best scores
    Label11->setToolTip(tr("This name may get into the TOP TEN!"));
    //: the name box's first text, which enters the top-ten table if the player does not change it;
    //: at most 14 characters
    namebox = new NameBox(tr("Your Name"), this);
    namebox->setGeometry(335, 400, 121, 21);
    namebox->setValidator(new NameValidator(namebox)); // fourteen characters as seen, one line
    namebox->setFont(withColourEmoji(layoutFont(QStringLiteral("Arial"), 9.75, true)));
    namebox->setFrame(false);
    QPalette p = namebox->palette();
    p.setColor(QPalette::Text, rgb(0, 0, 192));
    p.setColor(QPalette::Base, rgb(192, 192, 255));
    namebox->setPalette(p);
}

void MainWindow::buildTopTenPanel()
{
    constexpr int panelRight = 520 + 101;
    auto heading = [this](const QString &text, int x, int y, const QColor &c) {
        auto *l = new QLabel(text, this);
        l->setFont(layoutFont(QStringLiteral("Arial Black"), 15.75, true, true));
        setTextColour(l, c);
        l->move(x, y);
        l->adjustSize();
        // A longer word has the room up to the panel's edge, and is narrowed to keep within it.
        l->resize(qMax(l->width(), panelRight - x), l->height());
        fitText(l);
        return l;
    };
    //: the first word of the top-ten table's heading "TOP TEN", on its own line; very short
    Label9 = heading(tr("TOP"), 525, 15, rgb(255, 255, 0));
    // The second word starts under the first one's end, as far right (or left) of the English
    // start as the first word is wider (or narrower) than "TOP": the two overlap as the English
    // do, never more, and a short first word leaves no gap. It keeps within the panel, where a
    // long second word has the English start.
    const QFontMetricsF topMetrics(Label9->font());
    const qreal wider = topMetrics.horizontalAdvance(Label9->text()) -
                        topMetrics.horizontalAdvance(QStringLiteral("TOP"));
    //: the second word of the top-ten table's heading "TOP TEN", on its own line; very short
    const QString ten = tr("TEN");
    const int lastStart = qMax(565, panelRight - qCeil(topMetrics.horizontalAdvance(ten)) - 4);
    Label10 = heading(ten, qBound(530, 565 + qCeil(wider), lastStart), 30, rgb(255, 255, 192));

    const QFont nameFont = withColourEmoji(layoutFont(QStringLiteral("Arial Narrow"), 9.75));
    const QFont pointFont = layoutFont(QStringLiteral("DigitMed"), 12, true);
    for (int n = 1; n <= 10; ++n) {
        auto *name = new QLabel(this);
        name->setGeometry(n == 10 ? 519 : 526, 63 + 30 * (n - 1), 96, 21);
        name->setFont(nameFont);
        name->setTextFormat(Qt::PlainText);
        name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const RowColour c = topcolor[n];
        setTextColour(name, rgb(c.red, c.green, c.blue));
        topname[n] = name;

        auto *pts = new QLabel(this);
        pts->setGeometry(560, 75 + 30 * (n - 1), 61, 41);
        pts->setFont(pointFont);
        pts->setTextFormat(Qt::PlainText);
        pts->setAlignment(Qt::AlignRight | Qt::AlignTop);
        setTextColour(pts, rgb(255, 0, 0));
        toppoint[n] = pts;
    }

    rankbox = new Shape(Shape::Kind::Rectangle, Qt::transparent, this);
    rankbox->setOutline(rgb(192, 0, 192), 2);
    rankbox->setGeometry(2000, 63, 91, 30);
    rankbox->hide();
}

void MainWindow::Form_Load()
{
    setFixedSize(627, 460); // the outer 9500 x 7300 twips leave this much client area

    labellost->setText(QStringLiteral("0"));
    labelwon->setText(QStringLiteral("0"));

    loadRecords(); // top ten and lifetime counters; shows labelbp "0" and counts this start

    blockset = 0;
    blockpoint = 10;
    totalexit = 4;
    carspeed = 2;
    gamestate = QStringLiteral("INTRO");
    exittype = tile::exit;
    cartimein = 1;

    bigmsg->hide(); // until a game: its picture is not decoded before it shows
    bigmsg->move(35, 375);
    labelbig->hide();

    putcar(23, 28);
    nameCar(0, true);

    setcartimein(0);
    settotalexit(0);
    recallSettings();

    board.buildCurves();
    car->setPixmap(piccars.cell(0));
    setbigmsg(banner::clickToPlay);
    board.buildPlaces();

    const auto intro = introLayout();
    for (qint16 n = 1; n <= placeCount; ++n)
        setblock(n, intro[n]);

    // Stacking as a player sees it: car over tiles, banner over the panel, digits and the
    // message line over the banner.
    blockred->raise();
    car->raise();
    bigmsg->raise();
    labelbig->raise();
    for (QLabel *d : digit)
        d->raise();

    // What the banner hides whole while it shows: it leaves the screen reader's view with it.
    const QRect banner = bigmsg->geometry();
    for (QObject *child : children()) {
        if (child == bigmsg) break; // the rest lie over the banner
        auto *w = qobject_cast<QWidget *>(child);
        if (w && !w->isHidden() && banner.contains(w->geometry())) bannercovers << w;
    }
    showBanner(false);
}

void MainWindow::showBanner(bool shown)
{
    // Keys from a control about to be covered go to the board, as the board's keys would.
    if (shown && bannercovers.contains(focusWidget())) boardfocus->setFocus(Qt::OtherFocusReason);
    bigmsg->setVisible(shown);
    for (QWidget *w : std::as_const(bannercovers))
        w->setVisible(!shown);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (centred) return;
    centred = true;
    // Nothing about sound is on the way to the first frame: the player starts once it is out.
    QTimer::singleShot(300, sound, &SoundPlayer::start);
    if (const QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::setblock(qint16 blocknum, qint16 blockt)
{
    if (blocknum < 0 || blocknum >= tableSize) return;
    board.setblock(blocknum, blockt);
    if (blocknum <= placeCount) block[blocknum]->setPixmap(picblocks.cell(blockt));
    namePlace(blocknum);
}

void MainWindow::hideDigits()
{
    for (QLabel *d : digit) { // parked out of sight, and out of a screen reader's way
        d->move(digitParkLeft, scoreTop);
        d->hide();
    }
}

void MainWindow::Label8_Click()
{
    if (pause.paused())
        return; // the strip of START! below the banner: a paused game is not thrown away unseen
    restart();
}

void MainWindow::restart()
{
    // A click can slip past the banner's lower edge while a game runs or after it ended. Every
    // new game therefore starts as after a banner click: the old game stopped, its car home, its
    // top-ten line gone, so nothing of it drives on or shows over the new board.
    reset();
    putcar(23, 28);
    labelbig->hide();
    carstate.carblock = 0; // the old car's place is not refused in the new countdown
    nameCar(0, true);

    hideDigits();
    toprank = 11;
    rankbox->move(2000, rankbox->y());
    playername = namebox->text();
    points = 0;
    showBanner(true);
    Labelcartimein->setText(countdownCaption(cartimein));
    untimedgame = cartimein >= noCountdown;
    nameCountdown();
    setbigmsg(banner::goodLuck);
    blockstart->setPixmap(picblocks.cell(tile::startSign));

    const bool wasIntro = gamestate == QLatin1String("INTRO");
    const auto dealt = dealTypes(rng);
    for (qint16 n = 1; n <= placeCount; ++n)
        setblock(n, dealt[n]);

    for (int k = 1; k <= totalexit; ++k) {
        const qint16 p = drawExitPlace(rng, board);
        setblock(p, exittype);
        exitblock[k] = p;
    }
    Timerexitblock->start();
    setblock(12, tile::empty);
    Timercarin->start();
    Labelcartimein->show();
    gamestate = QStringLiteral("PLAY");
    if (wasIntro) // the places were named as the intro's decoration until now
        for (qint16 n = 1; n <= placeCount; ++n)
            namePlace(n);
    playSound(Sound::NewGame);
    speakNewGame();
}

void MainWindow::reset()
{
    hideDigits();
    Timercar->stop();
    Timerexitblock->stop();
    Timerbigmsg->stop();
    showBanner(true);
    drawBanner();
    carstate.carblockct = 1;
    for (int k = 1; k <= totalexit; ++k)
        if (exitblock[k] > 0) // no exits before the first game: keep the off-board sentinel
            setblock(exitblock[k], exittype);
    countdown.cartimeinct = 0;
    Timercarin->stop();
    Labelcartimein->hide();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While the help or about box holds the window off, its close box does nothing, as the
    // rest of it; a termination request from the system goes to Form_Unload directly, and the
    // application's quit that follows must then find the window willing to close.
    if (!unloaded && !isEnabled()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}
