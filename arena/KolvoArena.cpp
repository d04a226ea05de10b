// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include "arena/ArenaControls.h"
#include "arena/BoardLanguage.h"
#include "arena/ArenaTexts.h"
#include "arena/BoardFocus.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "platform/Announcer.h"
#include "sound/SoundChoice.h"
#include "ui/HintTips.h"
#include "ui/KeyGuard.h"
#include "ui/PictureBox.h"
#include "platform/Media.h"
#include "ui/ToggleAccessible.h"
#include "platform/PlainText.h"
#include "arena/ArenaDesign.h"
#include "ui/ElidedLabel.h"
#include "arena/SideWindowHost.h"
#include "ui/FocusRing.h"
#include "ui/Pictures.h"
#include "ui/DesignLook.h"

KolvoArena::KolvoArena(const Services& services, FacePictureSource facePicture, QWidget* parent)
    : GameWindow(parent), services_(services), facePicture_(std::move(facePicture))
{
    setObjectName(QStringLiteral("KolvoArena"));
    setWindowTitle(arena::kCaption.toString());
    // The blank die, drawn for this screen's pixel density like the faces.
    blankDie_ = ui::loadPicture(arena::kBlankDie, ui::artScale(devicePixelRatioF()));
    if (blankDie_.isNull()) {
        // Without the compiled-in art a plain white die still reads as "not rolled".
        blankDie_ = QImage(32, 32, QImage::Format_ARGB32_Premultiplied);
        blankDie_.fill(Qt::white);
    }
    setWindowIcon(QIcon(arena::kBlankDie.toString()));
    announcer_ = new Announcer(this);
    table_ = new GameTable(*services_.media, *services_.random, this);
    Timer1 = table_->timer();
    connect(table_, &GameTable::changed, this, &KolvoArena::tableChanged);
    connect(table_, &GameTable::told, announcer_, &Announcer::announce);
    buildControls();
    focus_ = new BoardFocus(*Backdrop, *Roller, *announcer_, *table_);
    sideWindows_ = new SideWindowHost(*this, *Backdrop, *table_, services_.cacheDirectory());
    connect(sideWindows_, &SideWindowHost::told, announcer_, &Announcer::announce);
    buildMenus();
    ui::installFocusRing(*this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &KolvoArena::sessionEnding);
    // The client area is fixed; the window is exactly menu bar plus client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

KolvoArena::~KolvoArena()
{
    // The table goes with the window's children, after this is no KolvoArena any more.
    table_->disconnect(this);
}

const GameState& KolvoArena::state() const
{
    return table_->state();
}

void KolvoArena::buildControls()
{
    // The window's keys, its menus' shortcuts and Space on its buttons act once however held.
    const auto* keys
        = new ui::KeyGuard(*this,
                           {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_Return, Qt::Key_Enter,
                            Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8});
    // A category's hint shows beside the categories' frame, where it covers no other row.
    auto* hints = new ui::HintTips(*this, *keys, [this](const QWidget& box) {
        return Backdrop->mapToGlobal(QPoint(arena::kFrames[0].right() + 4, box.y()));
    });

    Backdrop = arena::makeBackdrop(this);
    setCentralWidget(Backdrop);

    // Roller is made first so it comes first in the focus order.
    Roller = arena::makeRoller(Backdrop);
    // Before any game it says how to begin, and what its keys do.
    Roller->setToolTip(texts::kHowToBegin.toString());
    Roller->setAccessibleDescription(texts::kHowToBegin.toString() + u' ' + texts::kKeys.toString());
    connect(Roller, &QPushButton::clicked, this, &KolvoArena::Roller_Click);

    for (const auto& row : arena::kCategoryRows) {
        QCheckBox* box = ScoreVal[row.index] = arena::makeCategoryBox(Backdrop, row);
        const auto index = static_cast<std::int16_t>(row.index);
        // A player's click only: the ticks the board paints report nothing.
        connect(box, &QCheckBox::clicked, this, [this, index] { ScoreVal_Click(index); });
        hints->watch(box);
        Score[row.index] = arena::makeScoreLabel(Backdrop, row);
    }
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        lblPlayer[p] = arena::makePlayerLabel(Backdrop, p);
        lblSum[p] = arena::makeSumLabel(Backdrop, p);
    }
    arena::makePlainLabels(Backdrop);
    lblSpelareTur = arena::makeLabel(Backdrop, arena::kSpelareTur);
    lblHighscoreHolder = arena::makeLabel(Backdrop, arena::kHighscoreHolder);
    RekordHållareNamn = arena::makeLabel(Backdrop, arena::kRekordHållareNamn);
    Rekordhållare = arena::makeLabel(Backdrop, arena::kRekordhållare);
    arena::makeLine(Backdrop);

    for (int i = 0; i < GameState::kDice; ++i) {
        DicePic[i] = arena::makeDie(Backdrop, i);
        const auto index = static_cast<std::int16_t>(i);
        connect(DicePic[i], &PictureBox::clicked, this, [this, index] { DicePic_Click(index); });
        describeDie(i);
    }
}

void KolvoArena::buildMenus()
{
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(arena::kFileMenuCaption.toString());
    mnuFile->setObjectName(arena::kFileMenuName.toString());
    mnuExit = mnuFile->addAction(arena::kExitCaption.toString());
    mnuExit->setObjectName(arena::kExitName.toString());
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    mnuNewGame = bar->addMenu(arena::kNewGameMenuCaption.toString());
    mnuNewGame->setObjectName(arena::kNewGameMenuName.toString());
    for (int n = 1; n <= GameState::kMaxPlayers; ++n) {
        QAction* item = mnuNewGame->addAction(arena::kPlayerCountCaptions[n - 1].toString());
        item->setObjectName(arena::indexedName(u"Spelarnummer", n));
        const auto index = static_cast<std::int16_t>(n);
        connect(item, &QAction::triggered, this, [this, index] { SpelarNummer_Click(index); });
        Spelarnummer[n] = item;
    }
    mnuNewGame->addSeparator();
    mnuComputer = mnuNewGame->addAction(texts::kComputerMenu.toString());
    mnuComputer->setObjectName(texts::kComputerMenuName.toString());
    connect(mnuComputer, &QAction::triggered, this, [this] { mnuComputer_Click(); });

    // A command on the bar itself, with no drop-down.
    mnuHelp = bar->addAction(arena::kHelpCaption.toString());
    mnuHelp->setObjectName(arena::kHelpName.toString());
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });

    // Beside the design's items, in "Fil": the bar keeps the design's three.
    QAction* keys = sideWindows_->addMenuItems(*mnuFile, mnuExit);
    auto* mnuSound = new QAction(texts::kSoundMenuCaption.toString(), this);
    mnuSound->setObjectName(texts::kSoundMenuName.toString());
    mnuSound->setCheckable(true);
    mnuSound->setChecked(services_.media->soundOn());
    mnuFile->insertAction(keys, mnuSound);
    connect(mnuSound, &QAction::triggered, this, [this](bool on) {
        sound::chooseSound(*services_.media, *services_.settings, texts::kStoreApplication, on);
    });
    arena::addLanguageMenu({this, mnuFile, mnuExit, mnuNewGame, &Spelarnummer, mnuComputer, mnuHelp, &ScoreVal,
                            &lblPlayer, &lblSum, lblSpelareTur, lblHighscoreHolder, RekordHållareNamn, Rekordhållare,
                            &DicePic, Roller, table_, sideWindows_,
                            [this] {
                                paintBoard();
                                ShowScoreHints();
                            }},
                           *services_.settings); // "Fil → Språk / Language"
}

void KolvoArena::describeDie(int i)
{
    // A die's number, face and hold, told only when changed: a flood of events to a screen
    // reader makes it drop what the game announces.
    const bool rolling = state().Rolling;
    const QString name = texts::dieName(i + 1, state().DiceValue[i], DicePic[i]->hasBorder(), rolling);
    if (DicePic[i]->accessibleName() != name)
        DicePic[i]->setAccessibleName(name);
    // The window's own words: how to begin before any game (what a screen reader reads first
    // of it), and the roll, for a roll of held dice alone, which no die says.
    const QString told = texts::windowDescription(state());
    if (accessibleDescription() != told)
        setAccessibleDescription(told);
}

void KolvoArena::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        GameWindow::keyPressEvent(event);
        return;
    }
    // A held key's repeats never come here (ui::KeyGuard, made with the menus); F2 is its
    // menu item's shortcut.
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        // The keys 1 to 5 hold and release the dice, by the same rules as a click.
        DicePic_Click(static_cast<std::int16_t>(key - Qt::Key_1));
    } else if (key == Qt::Key_F1) {
        mnuHelp_Click();
    } else if (key == Qt::Key_F5 && state().NumPlayers > 0) {
        // For a player who cannot see the board: the dice and the roll, and the sheet.
        announcer().announce(texts::diceNow(state()));
    } else if (key == Qt::Key_F6 && state().NumPlayers > 0) {
        announcer().announce(texts::sheetNow(state(), table_->playerInTurn()));
    } else if (key == Qt::Key_F7) {
        announcer().announce(texts::standings(state(), table_->computers(), table_->ended()));
    } else if (key == Qt::Key_F8 && state().NumPlayers > 0) {
        announcer().announce(sideWindows_->nextLesson()); // the review, a lesson a press
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !qobject_cast<QCheckBox*>(focusWidget())) {
        // Enter rolls, as the button would, unless a category box is where it points.
        if (Roller->isEnabled())
            Roller->click();
    } else {
        GameWindow::keyPressEvent(event);
    }
}

void KolvoArena::showEvent(QShowEvent* event)
{
    GameWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        arena::centreOnScreen(this);
    }
}

void KolvoArena::tableChanged(GameTable::Changes what)
{
    if (what == GameTable::Tumbled) { // a tick of the tumble: only the free dice change
        paintDice(true);
        return;
    }
    focus_->beforePaint(what); // a control disabled under the focus would hand it on unheard
    if (what & GameTable::Passed)
        paintDice(false); // the next turn's dice show no faces yet
    else if (what & GameTable::Tumbled)
        paintDice(true);
    paintBoard();
    if (what & GameTable::Settled)
        ShowScoreHints();
    if (what & (GameTable::Seated | GameTable::Passed))
        describeTurn();
    focus_->afterPaint(what); // to the first free box after the third roll, to Kasta at a turn's start
    // A computer's turn passes once its write has been seen; then the end may have come.
    if ((what & GameTable::Passed) && table_->isComputer(table_->justWritten().player))
        GameFinish();
}

void KolvoArena::paintDice(bool faces)
{
    for (int i = 0; i < GameState::kDice; ++i) {
        if (!faces)
            DicePic[i]->setPicture(blankDie());
        else if (state().DiceFree[i] && state().DiceValue[i] > 0) // a held die keeps its picture
            DicePic[i]->setPicture(facePicture_(state().DiceValue[i]));
        describeDie(i);
    }
}

void KolvoArena::paintBoard()
{
    // Everything on the board but the dice's faces, from the table's state alone.
    const GameState& s = state();
    const bool inGame = s.NumPlayers > 0;
    const int rolls = rules::rollsMade(s);
    Roller->setEnabled(table_->rollOpen());
    if (rolls > 0 || table_->naming()) // the count shows 0 while the names are asked for
        Roller->setText(texts::kRollCount.arg(QString::number(rolls)));
    else
        Roller->setText((!inGame || rules::firstTurn(s) ? texts::kRollerNewGame : texts::kRollerNextTurn).toString());
    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        lblPlayer[p]->setText(s.Names[p]);
        lblSum[p]->setText(texts::sumCaption(s.Points[p][GameState::kTotalRow]));
        describePlayerSheet(p);
    }
    if (table_->ended())
        lblSpelareTur->setText(texts::kGameOver.toString());
    else if (inGame && !table_->naming()) // the caption stays as it was until the names are in
        lblSpelareTur->setText(s.Names[std::size_t(table_->playerInTurn())]);
    ShowPlayerSheet();
    // The box a computer is about to write, or has just written while its turn is seen.
    const bool computersWrite = table_->turnWritten() && table_->isComputer(table_->playerInTurn());
    if (const int marked = table_->marked() ? table_->marked() : computersWrite ? table_->justWritten().category : 0)
        ui::markWithRing(ScoreVal[marked]);
    else
        ui::clearRingMark(Backdrop);
    // Before any game the dice are neither free nor held: their looks come back as designed.
    for (int i = 0; i < GameState::kDice; ++i) {
        const bool held = inGame && !s.DiceFree[i];
        DicePic[i]->setBorder(held);
        DicePic[i]->setToolTip(
            (inGame ? held ? texts::kDieHeld : texts::kDieFree : arena::kDiceDesignToolTip).toString());
        describeDie(i);
    }
}
