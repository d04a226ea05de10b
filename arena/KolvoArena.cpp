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

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "arena/SpokenTexts.h"
#include "arena/HelpTexts.h"
#include "sound/SoundChoice.h"
#include "ui/Announcer.h"
#include "ui/CoachPanel.h"
#include "ui/HelpWindow.h"
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

namespace {

// Where the window first shows: centred on its screen, frame included.
void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    window->move(available.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void setColours(QWidget* w, QRgb background, QRgb text)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(background));
    pal.setColor(QPalette::WindowText, QColor(text));
    pal.setColor(QPalette::Disabled, QPalette::Window, QColor(background));
    w->setPalette(pal);
    w->setBackgroundRole(QPalette::Window); // buttons would otherwise fill with the button colour
    w->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, QStringView name, QStringView caption, const QRect& rect, arena::Align align)
{
    // A name too long for its label shows its start and an ellipsis; the caption,
    // which the game reads back, stays whole.
    auto* label = new ElidedLabel(parent);
    label->setText(caption.toString());
    label->setObjectName(name.toString());
    label->setGeometry(rect);
    label->setFont(ui::designFont(arena::kLabelPointSize, true));
    // A label tall enough for two lines wraps a long name; a one-line label shows the
    // start of it, where a wrapped second line would only show as a cut-off stripe.
    label->setWordWrap(rect.height() >= 2 * QFontMetrics(label->font()).lineSpacing());
    label->setAlignment((align == arena::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    setColours(label, arena::kBlue, arena::kYellow);
    return label;
}

QLabel* makeLabel(QWidget* parent, const arena::LabelDesign& design)
{
    QLabel* label = makeLabel(parent, design.name, design.caption, design.rect, design.align);
    if (!design.toolTip.isEmpty())
        label->setToolTip(design.toolTip.toString());
    return label;
}

QString indexed(QStringView name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace

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
    Backdrop = new PictureBox(this);
    Backdrop->setObjectName(QStringLiteral("Backdrop"));
    Backdrop->setFixedSize(arena::kClientWidth, arena::kClientHeight);
    QImage background(arena::kClientWidth, arena::kClientHeight, QImage::Format_ARGB32_Premultiplied);
    background.fill(QColor(arena::kBlue));
    Backdrop->setPicture(background);
    setCentralWidget(Backdrop);

    // Roller is made first so it comes first in the focus order.
    Roller = new QPushButton(arena::kRollerCaption.toString(), Backdrop);
    Roller->setObjectName(arena::kRollerName.toString());
    Roller->setGeometry(arena::kRoller);
    Roller->setFont(ui::designFont(arena::kCheckBoxPointSize, true));
    Roller->setEnabled(false);
    Roller->setAccessibleDescription(texts::kKeys.toString());
    connect(Roller, &QPushButton::clicked, this, [this] {
        if (!personLocked())
            Roller_Click();
    });

    for (const auto& row : arena::kCategoryRows) {
        auto* box = new QCheckBox(row.caption.toString(), Backdrop);
        box->setObjectName(indexed(u"ScoreVal", row.index));
        box->setGeometry(arena::kScoreValLeft, row.top, arena::kScoreValWidth, arena::kRowHeight);
        box->setFont(ui::designFont(arena::kCheckBoxPointSize, true));
        setColours(box, arena::kBlue, arena::kYellow);
        const auto index = static_cast<std::int16_t>(row.index);
        // A tick changed by the program notifies like a click, at once; that is what the
        // category handler expects.
        connect(box, &QCheckBox::toggled, this, [this, index] {
            if (!personLocked())
                ScoreVal_Click(index);
        });
        // After a player's own click: a tick that was not taken as a choice goes back.
        connect(box, &QCheckBox::clicked, this, [this, index] { putBackUntakenTick(index); });
        box->installEventFilter(this);
        ScoreVal[row.index] = box;

        Score[row.index]
            = makeLabel(Backdrop, indexed(u"Score", row.index), u"",
                        QRect(arena::kScoreLeft, row.top, arena::kScoreWidth, arena::kRowHeight), arena::Align::Centre);
    }

    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        const int top = arena::kPlayerRowTops[p - 1];
        lblPlayer[p]
            = makeLabel(Backdrop, indexed(u"lblPlayer", p), u"",
                        QRect(arena::kPlayerLeft, top, arena::kPlayerWidth, arena::kRowHeight), arena::Align::Left);
        lblSum[p] = makeLabel(Backdrop, indexed(u"lblSum", p), u"",
                              QRect(arena::kSumLeft, top, arena::kSumWidth, arena::kRowHeight), arena::Align::Left);
        for (QLabel* l : {lblPlayer[p], lblSum[p]})
            setColours(l, arena::kYellow, QPalette().color(QPalette::WindowText).rgb());
    }

    for (const auto& design : arena::kPlainLabels)
        makeLabel(Backdrop, design);
    lblSpelareTur = makeLabel(Backdrop, arena::kSpelareTur);
    lblHighscoreHolder = makeLabel(Backdrop, arena::kHighscoreHolder);
    RekordHållareNamn = makeLabel(Backdrop, arena::kRekordHållareNamn);
    Rekordhållare = makeLabel(Backdrop, arena::kRekordhållare);

    auto* line = new QWidget(Backdrop);
    line->setObjectName(arena::kLineName.toString());
    line->setGeometry(arena::kLine);
    setColours(line, qRgb(0, 0, 0), qRgb(0, 0, 0));

    for (int i = 0; i < GameState::kDice; ++i) {
        auto* die = new PictureBox(Backdrop);
        ui::presentAsToggle(*die);
        die->setObjectName(indexed(u"DicePic", i));
        QImage placeholder(arena::kDiceDesignSize, arena::kDiceDesignSize, QImage::Format_ARGB32_Premultiplied);
        placeholder.fill(Qt::white);
        die->move(arena::kDiceLefts[i], arena::kDiceTop);
        die->setPicture(placeholder);
        die->setBorderStyle(PictureBox::Border::Hold);
        die->setAutoSize(true);
        // A held die's band is drawn inside the dice frame, never over its line; each
        // die gets the square the frame leaves below the dice's top, so all bands match.
        const QRect strip = arena::kDiceFrame.adjusted(1, 1, -1, -1);
        const int side = strip.bottom() - arena::kDiceTop + 1;
        die->setDrawingBounds(QRect(arena::kDiceLefts[i], arena::kDiceTop, side, side) & strip);
        die->setToolTip(arena::kDiceDesignToolTip.toString());
        const auto index = static_cast<std::int16_t>(i);
        connect(die, &PictureBox::clicked, this, [this, index] {
            if (!personLocked())
                DicePic_Click(index);
        });
        DicePic[i] = die;
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
        item->setObjectName(indexed(u"Spelarnummer", n));
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

    // The window's keys, its menus' shortcuts and Space on its buttons act once however long
    // they are held.
    new ui::KeyGuard(*this,
                     {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1,
                      Qt::Key_F2, Qt::Key_F3, Qt::Key_F5, Qt::Key_F6});
    // A hint that is up belongs to the turn it was asked for in.
    connect(this, &KolvoArena::gameChanged, this, [this, turn = std::pair{-1, -1}]() mutable {
        int written = 0;
        for (int p = 1; p <= state.NumPlayers; ++p)
            for (int c = 1; c <= GameState::kCategories; ++c)
                written += state.Points[p][c] != GameState::kFree ? 1 : 0;
        if (const std::pair now{gameId(), written}; now != turn) {
            turn = now;
            QToolTip::hideText();
        }
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

bool KolvoArena::eventFilter(QObject* watched, QEvent* event)
{
    // A category's hint shows beside the categories' frame, where it covers no other
    // row, both for the mouse and when the box gets the keyboard focus.
    // For the keyboard only when the person moved the focus there: not when the program moves
    // it, nor Qt when the roll button is disabled after the third roll.
    auto* box = qobject_cast<QCheckBox*>(watched);
    bool focused = false;
    if (event->type() == QEvent::FocusIn) {
        const auto* keys = findChild<ui::KeyGuard*>(QString(), Qt::FindDirectChildrenOnly);
        focused = keys && keys->movingFocus();
    }
    if (box && (event->type() == QEvent::ToolTip || focused)) {
        const auto showHint = [this, box = QPointer<QCheckBox>(box)] {
            if (box && !box->toolTip().isEmpty()) {
                const QPoint beside(arena::kFrames[0].right() + 4, box->y());
                QToolTip::showText(Backdrop->mapToGlobal(beside), box->toolTip(), box);
            }
        };
        if (event->type() == QEvent::ToolTip)
            showHint();
        else
            // Once the focus has moved: Qt tells the box's style of the focus after the box,
            // and a tool tip that is up hides at any focus event.
            QMetaObject::invokeMethod(this, showHint, Qt::QueuedConnection);
        return event->type() == QEvent::ToolTip;
    }
    return GameWindow::eventFilter(watched, event);
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
        centreOnScreen(this);
    }
}
