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
#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "arena/HelpTexts.h"
#include "sound/SoundChoice.h"
#include "ui/Announcer.h"
#include "ui/CoachPanel.h"
#include "ui/HelpWindow.h"
#include "ui/HintTips.h"
#include "ui/KeyRepeat.h"
#include "ui/PictureBox.h"
#include "ui/ScoreTable.h"
#include "platform/Media.h"
#include "ui/ToggleAccessible.h"
#include "platform/PlainText.h"
#include "arena/ArenaDesign.h"
#include "ui/ElidedLabel.h"
#include "ui/SideWindows.h"
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
    buildControls();
    buildMenus();
    ui::installFocusRing(*this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &KolvoArena::sessionEnding);
    // The client area is fixed; the window is exactly menu bar plus client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

KolvoArena::~KolvoArena()
{
    // The windows beside this one are its children, hidden as QWidget's destructor deletes
    // them: by then this is no KolvoArena any more, and must hear nothing from them.
    if (scoreTable_)
        scoreTable_->disconnect(this);
    if (coachPanel_)
        coachPanel_->disconnect(this);
}

void KolvoArena::buildControls()
{
    // The window's keys, its menus' shortcuts and Space on its buttons act once however long
    // they are held.
    const auto* keys = new ui::KeyGuard(*this,
                                        {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_Return,
                                         Qt::Key_Enter, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F5, Qt::Key_F6});
    // A category's hint shows beside the categories' frame, where it covers no other row.
    auto* hints = new ui::HintTips(*this, *keys, [this](const QWidget& box) {
        return Backdrop->mapToGlobal(QPoint(arena::kFrames[0].right() + 4, box.y()));
    });

    Backdrop = arena::makeBackdrop(this);
    setCentralWidget(Backdrop);

    // Roller is made first so it comes first in the focus order.
    Roller = arena::makeRoller(Backdrop);
    Roller->setAccessibleDescription(texts::kKeys.toString());
    connect(Roller, &QPushButton::clicked, this, [this] {
        if (!personLocked())
            Roller_Click();
    });

    for (const auto& row : arena::kCategoryRows) {
        QCheckBox* box = ScoreVal[row.index] = arena::makeCategoryBox(Backdrop, row);
        const auto index = static_cast<std::int16_t>(row.index);
        // A tick changed by the program notifies like a click, at once; that is what the
        // category handler expects.
        connect(box, &QCheckBox::toggled, this, [this, index] {
            if (!personLocked())
                ScoreVal_Click(index);
        });
        // After a player's own click: a tick that was not taken as a choice goes back.
        connect(box, &QCheckBox::clicked, this, [this, index] { putBackUntakenTick(index); });
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
        connect(DicePic[i], &PictureBox::clicked, this, [this, index] {
            if (!personLocked())
                DicePic_Click(index);
        });
        describeDie(i);
    }
    buildTimer();
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
    buildScoreTableMenu();

    // Beside the design's items, in "Fil": the bar keeps the design's three.
    mnuTips = new QAction(texts::kCoachMenuCaption.toString(), this);
    mnuTips->setObjectName(texts::kCoachMenuName.toString());
    mnuTips->setShortcut(QKeySequence(Qt::Key_F2));
    mnuTips->setAutoRepeat(false);
    mnuTips->setCheckable(true);
    mnuFile->insertAction(mnuScoreTable, mnuTips);
    connect(mnuTips, &QAction::triggered, this, [this] {
        toggleCoachPanel();
        mnuTips->setChecked(coachPanel_->isVisible());
    });
    // The coach's window can also be closed by its frame.
    connect(mnuFile, &QMenu::aboutToShow, this,
            [this] { mnuTips->setChecked(coachPanel_ && coachPanel_->isVisible()); });

    auto* mnuSound = new QAction(texts::kSoundMenuCaption.toString(), this);
    mnuSound->setObjectName(texts::kSoundMenuName.toString());
    mnuSound->setCheckable(true);
    mnuSound->setChecked(services_.media->soundOn());
    mnuFile->insertAction(mnuExit, mnuSound);
    connect(mnuSound, &QAction::triggered, this, [this](bool on) {
        sound::chooseSound(*services_.media, *services_.settings, texts::kStoreApplication, on);
    });

    auto* mnuKeys = new QAction(texts::kKeysMenuCaption.toString(), this);
    mnuKeys->setObjectName(texts::kKeysMenuName.toString());
    mnuFile->insertAction(mnuExit, mnuKeys);
    connect(mnuKeys, &QAction::triggered, this, [this, window = QPointer<ui::HelpWindow>()]() mutable {
        if (!window) {
            window = new ui::HelpWindow(texts::kKeysTitle.toString(), texts::keysAndAdditions(), this);
            window->adjustSize();
        }
        ui::showSideWindow(*this, *window, *centralWidget(), {arena::kDiceFrame, arena::kRoller});
    });
}

void KolvoArena::setDieHeld(int i, bool held)
{
    DicePic[i]->setBorder(held);
    DicePic[i]->setToolTip((held ? texts::kDieHeld : texts::kDieFree).toString());
    describeDie(i);
}

void KolvoArena::describeDie(int i)
{
    // What a screen reader says of a die: its number, its face and whether it is held.
    // Each change is an event to the screen reader, and a flood of them makes it drop what
    // the game announces: only what changed is told.
    const bool rolling = state.Rolling;
    const QString name = texts::dieName(i + 1, state.DiceValue[i], DicePic[i]->hasBorder(), rolling);
    if (DicePic[i]->accessibleName() != name)
        DicePic[i]->setAccessibleName(name);
    // Told by the window too, for a roll of held dice alone: no die says it then.
    const QString told = rolling ? texts::kCoachRolling.toString() : QString();
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
        if (!personLocked())
            DicePic_Click(static_cast<std::int16_t>(key - Qt::Key_1));
    } else if (key == Qt::Key_F1) {
        mnuHelp_Click();
    } else if (key == Qt::Key_F5 && state.NumPlayers > 0) {
        // For a player who cannot see the board: the dice and the roll, and the sheet.
        announcer().announce(texts::diceNow(state));
    } else if (key == Qt::Key_F6 && state.NumPlayers > 0) {
        announcer().announce(texts::sheetNow(state, state.CurrentPlayer + 1));
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !qobject_cast<QCheckBox*>(focusWidget())) {
        // Enter rolls, as the button would, unless a category box is where it points.
        if (Roller->isEnabled())
            Roller->click();
    } else {
        GameWindow::keyPressEvent(event);
    }
}

void KolvoArena::showRollCount(int count)
{
    Roller->setText(texts::kRollCount.arg(QString::number(count)));
}

void KolvoArena::showEvent(QShowEvent* event)
{
    GameWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        arena::centreOnScreen(this);
    }
}
