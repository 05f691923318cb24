// The main window: it owns the board, the car, the counters and every control of the game.
#pragma once

#include "assets/spritesheet.h"
#include "board/cursor.h"
#include "board/moves.h"
#include "car/drive.h"
#include "car/pause.h"
#include "car/roadtrace.h"
#include "core/board.h"
#include "core/controls.h"
#include "core/gamesettings.h"
#include "core/newgame.h"
#include "records/recordsfile.h"
#include "records/topten.h"
#include "sound/soundcues.h"
#include "speech/announcements.h"
#include "speech/boardfocus.h"
#include "ui/letterart.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class Announcer;
class SoundPlayer;
class KeyMark;
class QKeyEvent;

class MainWindow : public QWidget
{
    Q_OBJECT
  public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The game's operations (each a short conductor between the rules and the controls).
    void setblock(qint16 blocknum, qint16 blockt);
    void swapblock(qint16 block1, qint16 block2);
    void rotateblock(qint16 blocknum);
    void putcar(qint16 carlocx, qint16 carlocy);
    void reentry(qint16 toblock, Side entrypoint);
    void restart();
    void reset();
    void youwin();
    void youlose();
    void showpoint();
    void setbigmsg(qint16 msgpic);
    void settotalexit(qint16 te);
    void setcartimein(qint16 cti);
    void updatetopten(qint16 urank);

    // Event handlers, named after control and event.
    void block_MouseDown(qint16 index, MouseButton button);
    void Label8_Click();
    void bigmsg_Click();
    void Labelcartimein_DblClick();
    void Cmd_el_Click();
    void Cmd_er_Click();
    void cmd_cl_Click();
    void Cmd_cr_Click();
    void cmd_about_Click();
    void cmd_help_Click();
    void cmd_exit_Click();
    void Timercar_Timer();
    void Timercarin_Timer();
    void Timerexitblock_Timer();
    void Timerblink_Timer();
    void Timerbigmsg_Timer();

    // Saves the records; the program then ends. Safe to call more than once.
    void Form_Unload();

    // Game state, as the design names it (tests and the boxes read it).
    Board board;
    Car carstate;
    Countdown countdown;
    Random rng;
    ExitList exitblock{};
    TopTen topten;
    QString gamestate;
    QString playername;
    qint16 blockset = 0;
    qint16 blockpoint = 10;
    qint16 carspeed = 2;
    qint16 exittype = tile::exit;
    qint16 totalexit = 4;
    qint16 cartimein = 1;
    qint16 points = 0;
    qint16 toprank = 11;
    qint16 exitblink = 0;
    qint16 winflash = 0;
    RefusalBlink blink;
    BoardCursor cursor;
    Pause pause;
    qint64 bpass = 0;
    qint64 gamewon = 0;
    qint64 gamelost = 0;
    qint64 executed = 0;
    qint64 totalgames = 0;
    qint64 tbpass = 0;
    QList<TopTenEntry> topTenWins; // the rows this run's wins took, in order, for the save

    // Controls.
    std::array<ClickLabel *, placeCount + 1> block{};
    std::array<QLabel *, 8> digit{};
    std::array<QLabel *, 11> topname{};
    std::array<QLabel *, 11> toppoint{};
    QLabel *blockstart = nullptr;
    QLabel *car = nullptr;
    QLabel *blockred = nullptr;
    ClickLabel *bigmsg = nullptr;
    QLabel *labelbig = nullptr;
    ClickLabel *Labelcartimein = nullptr;
    ButtonLabel *Label8 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QPushButton *Cmd_el = nullptr;
    QPushButton *Cmd_er = nullptr;
    QPushButton *cmd_cl = nullptr;
    QPushButton *Cmd_cr = nullptr;
    QPushButton *cmd_about = nullptr;
    QPushButton *cmd_help = nullptr;
    QPushButton *cmd_exit = nullptr;
    QPushButton *cmd_sound = nullptr; // sound on and off, as M
    SoundPlayer *sound = nullptr;
    void cmd_sound_Click();
    QLineEdit *namebox = nullptr;
    Shape *rankbox = nullptr;
    QList<QWidget *> bannercovers; // what the banner hides whole, beneath it
    QLabel *labelwon = nullptr;
    QLabel *labellost = nullptr;
    QLabel *labelbp = nullptr;
    QLabel *Labelx = nullptr;

    // The keyboard's controls: the board's stand-in in the focus chain, the cursor over a place,
    // the mark around the focused control, and the picture that covers a paused board.
    BoardFocus *boardfocus = nullptr;
    KeyMark *cursorframe = nullptr;
    KeyMark *focusring = nullptr;
    QLabel *pausepic = nullptr;
    // What the game tells a screen reader of its own accord.
    Announcer *announcer = nullptr;
    // Read when the window is made; written as the player changes a setting.
    std::unique_ptr<GameSettings> gameSettings;
    Announcements announcements;

    QTimer *Timercar = nullptr;
    QTimer *Timercarin = nullptr;
    QTimer *Timerexitblock = nullptr;
    QTimer *Timerblink = nullptr;
    QTimer *Timerbigmsg = nullptr;

    // Sprite sheets, alive for the whole run.
    // The pictures' words are lettered over them in the player's language as each is shown.
    SpriteSheet picblocks{QStringLiteral("tiles"), 12, 2, letterTile};
    SpriteSheet piccars{QStringLiteral("cars"), 2, 10};
    SpriteSheet picdigits{QStringLiteral("digits"), 1, 11, letterDigit};
    SpriteSheet picbigmsg{QStringLiteral("banners"), 6, 1, letterBanner};
    SpriteSheet picpause{QStringLiteral("paused"), 1, 1, letterPaused};

  signals:
    // Emitted once the records are saved; main() ends the program on it.
    void finished();

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void Form_Load();
    void buildControls();
    void buildSettingsPanel();
    void buildTopTenPanel();
    QPushButton *addButton(const QString &text, const QRect &geometry, bool bold,
                           void (MainWindow::*click)());
    void loadRecords();
    void hideDigits();
    void startBlink(qint16 place);

    // The keyboard (board/mainwindow_keys.cpp).
    void buildKeys();
    bool gameKey(const QKeyEvent *event);
    void cursorKey(CursorMove m);
    // `turns` right presses at once (3: a counter-clockwise turn), with one reading and one sound.
    void tileKey(MouseButton button, int turns = 1);
    void pressBlock(qint16 index, MouseButton button, int times);
    void startKey();
    void escapeKey();
    void showCursor();
    void placeFocusRing();
    QList<QWidget *> focusChain() const;
    bool underBanner(const QWidget *control) const;
    // Shows or hides the banner, and with it hides or shows what it covers whole.
    void showBanner(bool shown);
    bool keyboardmarks = false; // the focus ring is on show: the focus has moved by Tab

    // The pause (car/mainwindow_pause.cpp).
    void buildPause();
    void pauseKey();
    void pauseFor(PauseReason reason, bool on);
    void holdGame();
    void goOn();
    std::array<QTimer *, 3> heldTimers() const;
    std::array<int, 3> heldintervals{};

    // Accessible names, kept current where what they say changes.
    void nameControls();
    void namePlace(qint16 place);
    // The car's place is `place` (0: none on the board); `waiting` when it stands at the start.
    void nameCar(qint16 place, bool waiting);
    void nameBanner();
    void nameCountdown();
    void nameTopTen();

    // What the game says (speech/mainwindow_speech.cpp): the window decides when, the rules what.
    void buildSpeech();
    void say(const QString &sentence, Weight weight);
    QString placeReading(qint16 place) const;
    void speakPress(qint16 place, MouseButton button, qint16 emptyBefore, qint16 typeBefore,
                    const RoadTrace &roadBefore);
    void speakLoss(qint16 from, qint16 toblock, Side entrypoint);
    void speakNewGame();
    // The difficulty last chosen, kept in the game's settings between runs.
    void rememberSettings();
    void recallSettings();
    void speakSettings();
    void speakSecondsLeft();
    void speakTrace();
    void speakCar();
    void speakLine(CursorMove m);
    void changeVerbosity();
    void jumpTo(qint16 place);
    QList<qint16> exitsInTurn() const;
    bool speechKey(int key, bool shift);

    // What the game plays (sound/mainwindow_sound.cpp): the window decides when, the rules what.
    void buildSound();
    void playSound(Sound s, qint16 place = 0, float pitch = 1.0F);
    // The road ahead of the car as a move may change it: from its next place while it drives,
    // else from START.
    RoadTrace roadAhead() const;
    // Where that road starts, and the board it runs on: the exits count as exits whatever
    // their blink or the win's flash shows.
    void roadStart(qint16 &place, Side &entry) const;
    Board roadBoard() const;
    void soundPress(const PressResult &press, qint16 index, const RoadTrace &before,
                    bool counterClockwise);
    void showSoundState();

    void drawBanner(); // puts the banner's cell into its box once the box is on show

    qint16 bigmsgcell = -1;   // the banner cell the game shows, or will once the banner is up
    qint16 bigmsgdrawn = -1;  // the cell the banner's box holds
    qint16 carplace = 0;      // the place whose name says the car is there
    bool untimedgame = false; // this game has no countdown: its score stays out of the top ten
    bool carwaits = true;     // the car stands at START
    bool unloaded = false;
    bool centred = false;
};
