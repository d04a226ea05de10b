#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "game/ArenaTexts.h"
#include "game/KolvoArena.h"
#include "platform/PictureBox.h"
#include "platform/PlainText.h"
#include "ui/ArenaDesign.h"
#include "ui/WindowKit.h"

namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

QRect toQRect(const arena::Rect& r)
{
    return QRect(r.x, r.y, r.w, r.h);
}

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

void paint(QWidget* w, QRgb background, QRgb text, bool fill = true)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(background));
    pal.setColor(QPalette::WindowText, QColor(text));
    pal.setColor(QPalette::Disabled, QPalette::Window, QColor(background));
    w->setPalette(pal);
    w->setBackgroundRole(QPalette::Window); // buttons would otherwise fill with the button colour
    w->setAutoFillBackground(fill);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                  arena::Align align)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // player names show exactly as typed
    label->setGeometry(rect);
    label->setFont(ui::DesignFont(arena::kLabelPointSize, true));
    // A label tall enough for two lines wraps a long name; a one-line label shows the
    // start of it, where a wrapped second line would only show as a cut-off stripe.
    label->setWordWrap(rect.height() >= 2 * QFontMetrics(label->font()).lineSpacing());
    label->setAlignment((align == arena::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    paint(label, arena::kBlue, arena::kYellow);
    return label;
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

KolvoArena::KolvoArena(const Services& services, FacePicture facePicture, QWidget* parent)
    : QMainWindow(parent), services_(services), facePicture_(std::move(facePicture))
{
    setObjectName(QStringLiteral("KolvoArena"));
    setWindowTitle(u8(arena::kCaption));
    blankDie_ = QImage(QStringLiteral(":/images/icon-arena.png"));
    if (blankDie_.isNull()) {
        // Without the compiled-in art a plain white die still reads as "not rolled".
        blankDie_ = QImage(32, 32, QImage::Format_ARGB32_Premultiplied);
        blankDie_.fill(Qt::white);
    }
    setWindowIcon(QIcon(QPixmap::fromImage(blankDie_)));
    buildControls();
    buildMenus();
    // The client area is fixed; the window is exactly menu bar plus client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

KolvoArena::~KolvoArena() = default;

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
    Roller = new QPushButton(u8(arena::kRollerCaption), Backdrop);
    Roller->setObjectName(QLatin1String(arena::kRollerName));
    Roller->setGeometry(toQRect(arena::kRoller));
    Roller->setFont(ui::DesignFont(arena::kCheckBoxPointSize, true));
    Roller->setEnabled(false);
    connect(Roller, &QPushButton::clicked, this, [this] { Roller_Click(); });

    for (const auto& row : arena::kCategoryRows) {
        auto* box = new QCheckBox(u8(row.caption), Backdrop);
        box->setObjectName(indexed("ScoreVal", row.index));
        box->setGeometry(arena::kScoreValLeft, row.top, arena::kScoreValWidth, arena::kRowHeight);
        box->setFont(ui::DesignFont(arena::kCheckBoxPointSize, true));
        paint(box, arena::kBlue, arena::kYellow);
        const auto index = static_cast<std::int16_t>(row.index);
        // A tick changed by the program notifies like a click, at once; that is what the
        // category handler expects.
        connect(box, &QCheckBox::toggled, this, [this, index] { ScoreVal_Click(index); });
        ScoreVal[row.index] = box;

        Score[row.index] = makeLabel(Backdrop, indexed("Score", row.index), QString(),
                                     QRect(arena::kScoreLeft, row.top, arena::kScoreWidth, arena::kRowHeight),
                                     arena::Align::Centre);
    }

    for (int p = 1; p <= GameState::kMaxPlayers; ++p) {
        const int top = arena::kPlayerRowTops[p - 1];
        lblPlayer[p] = makeLabel(Backdrop, indexed("lblPlayer", p), QString(),
                                 QRect(arena::kPlayerLeft, top, arena::kPlayerWidth, arena::kRowHeight),
                                 arena::Align::Left);
        lblSum[p] = makeLabel(Backdrop, indexed("lblSum", p), QString(),
                              QRect(arena::kSumLeft, top, arena::kSumWidth, arena::kRowHeight),
                              arena::Align::Left);
        for (QLabel* l : {lblPlayer[p], lblSum[p]})
            paint(l, arena::kYellow, QPalette().color(QPalette::WindowText).rgb());
    }

    for (const auto& design : arena::kLabels) {
        QLabel* label = makeLabel(Backdrop, u8(design.name), u8(design.caption), toQRect(design.rect), design.align);
        if (design.toolTip)
            label->setToolTip(u8(design.toolTip));
    }
    lblSpelareTur = Backdrop->findChild<QLabel*>(QStringLiteral("lblSpelareTur"));
    lblHighscoreHolder = Backdrop->findChild<QLabel*>(QStringLiteral("lblHighscoreHolder"));
    RekordHållareNamn = Backdrop->findChild<QLabel*>(QStringLiteral("RekordHållareNamn"));
    Rekordhållare = Backdrop->findChild<QLabel*>(QStringLiteral("Rekordhållare"));

    auto* line = new QWidget(Backdrop);
    line->setObjectName(QLatin1String(arena::kLineName));
    line->setGeometry(toQRect(arena::kLine));
    paint(line, qRgb(0, 0, 0), qRgb(0, 0, 0));

    for (int i = 0; i < GameState::kDice; ++i) {
        auto* die = new PictureBox(Backdrop);
        die->setObjectName(indexed("DicePic", i));
        QImage placeholder(arena::kDiceDesignSize, arena::kDiceDesignSize, QImage::Format_ARGB32_Premultiplied);
        placeholder.fill(Qt::white);
        die->move(arena::kDiceLefts[i], arena::kDiceTop);
        die->setPicture(placeholder);
        die->setBorderStyle(PictureBox::Border::Hold);
        die->setAutoSize(true);
        die->setToolTip(u8(arena::kDiceDesignToolTip));
        const auto index = static_cast<std::int16_t>(i);
        connect(die, &PictureBox::clicked, this, [this, index] { DicePic_Click(index); });
        DicePic[i] = die;
        describeDie(i);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QLatin1String(arena::kTimerName));
    Timer1->setInterval(arena::kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void KolvoArena::buildMenus()
{
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(u8(arena::kFileMenuCaption));
    mnuFile->setObjectName(QLatin1String(arena::kFileMenuName));
    mnuExit = mnuFile->addAction(u8(arena::kExitCaption));
    mnuExit->setObjectName(QLatin1String(arena::kExitName));
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    mnuNewGame = bar->addMenu(u8(arena::kNewGameMenuCaption));
    mnuNewGame->setObjectName(QLatin1String(arena::kNewGameMenuName));
    for (int n = 1; n <= GameState::kMaxPlayers; ++n) {
        QAction* item = mnuNewGame->addAction(u8(arena::kPlayerCountCaptions[n - 1]));
        item->setObjectName(indexed("Spelarnummer", n));
        const auto index = static_cast<std::int16_t>(n);
        connect(item, &QAction::triggered, this, [this, index] { SpelarNummer_Click(index); });
        Spelarnummer[n] = item;
    }

    // A command on the bar itself, with no drop-down.
    mnuHelp = bar->addAction(u8(arena::kHelpCaption));
    mnuHelp->setObjectName(QLatin1String(arena::kHelpName));
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
}

void KolvoArena::setDieHeld(int i, bool held)
{
    state.DiceFree[i] = !held;
    DicePic[i]->setBorder(held);
    DicePic[i]->setToolTip(QString::fromUtf8(held ? texts::kDieHeld : texts::kDieFree));
    describeDie(i);
}

void KolvoArena::describeDie(int i)
{
    // What a screen reader says of a die: its number, its face and whether it is held.
    const int v = state.DiceValue[i];
    QString name = QStringLiteral("Tärning %1: %2").arg(i + 1).arg(v >= 1 && v <= 6 ? QString::number(v) : QStringLiteral("ingen"));
    if (DicePic[i]->hasBorder())
        name += QStringLiteral(", hålls");
    DicePic[i]->setAccessibleName(name);
}

void KolvoArena::keyPressEvent(QKeyEvent* event)
{
    // The keys 1 to 5 hold and release the dice, by the same rules as a click.
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_5 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        DicePic_Click(static_cast<std::int16_t>(key - Qt::Key_1));
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void KolvoArena::showRollCount()
{
    Roller->setText(QString::fromUtf8(texts::kRollCountPrefix) + QString::number(state.RollCount)
                    + QString::fromUtf8(texts::kRollCountSuffix));
}

void KolvoArena::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        centreOnScreen(this);
    }
}
