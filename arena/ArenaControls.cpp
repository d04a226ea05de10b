// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/ArenaControls.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/DesignLook.h"
#include "ui/ElidedLabel.h"
#include "ui/PictureBox.h"
#include "ui/ToggleAccessible.h"

namespace arena {

QString indexedName(QStringView name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
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

QLabel* makeLabel(QWidget* parent, QStringView name, QStringView caption, const QRect& rect, Align align)
{
    // A name too long for its label shows its start and an ellipsis; the caption,
    // which the game reads back, stays whole.
    auto* label = new ElidedLabel(parent);
    label->setText(caption.toString());
    label->setObjectName(name.toString());
    label->setGeometry(rect);
    label->setFont(ui::designFont(kLabelPointSize, true));
    // A label tall enough for two lines wraps a long name; a one-line label shows the
    // start of it, where a wrapped second line would only show as a cut-off stripe.
    label->setWordWrap(rect.height() >= 2 * QFontMetrics(label->font()).lineSpacing());
    label->setAlignment((align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    setColours(label, kBlue, kYellow);
    return label;
}

QLabel* makeLabel(QWidget* parent, const LabelDesign& design)
{
    QLabel* label = makeLabel(parent, design.name, design.caption.toString(), design.rect, design.align);
    if (!design.toolTip.isEmpty())
        label->setToolTip(design.toolTip.toString());
    return label;
}

PictureBox* makeBackdrop(QWidget* window)
{
    auto* backdrop = new PictureBox(window);
    backdrop->setObjectName(QStringLiteral("Backdrop"));
    backdrop->setFixedSize(kClientWidth, kClientHeight);
    QImage background(kClientWidth, kClientHeight, QImage::Format_ARGB32_Premultiplied);
    background.fill(QColor(kBlue));
    backdrop->setPicture(background);
    return backdrop;
}

QPushButton* makeRoller(QWidget* backdrop)
{
    auto* roller = new QPushButton(kRollerCaption.toString(), backdrop);
    roller->setObjectName(kRollerName.toString());
    roller->setGeometry(kRoller);
    roller->setFont(ui::designFont(kCheckBoxPointSize, true));
    roller->setEnabled(false);
    return roller;
}

QCheckBox* makeCategoryBox(QWidget* backdrop, const CategoryRow& row)
{
    auto* box = new QCheckBox(row.caption.toString(), backdrop);
    box->setObjectName(indexedName(u"ScoreVal", row.index));
    box->setGeometry(kScoreValLeft, row.top, kScoreValWidth, kRowHeight);
    box->setFont(ui::designFont(kCheckBoxPointSize, true));
    setColours(box, kBlue, kYellow);
    return box;
}

PictureBox* makeDie(QWidget* backdrop, int i)
{
    auto* die = new PictureBox(backdrop);
    ui::presentAsToggle(*die);
    die->setObjectName(indexedName(u"DicePic", i));
    QImage placeholder(kDiceDesignSize, kDiceDesignSize, QImage::Format_ARGB32_Premultiplied);
    placeholder.fill(Qt::white);
    die->move(kDiceLefts[i], kDiceTop);
    die->setPicture(placeholder);
    die->setBorderStyle(PictureBox::Border::Hold);
    die->setAutoSize(true);
    // Each die gets the square the frame leaves below the dice's top, so all bands match.
    const QRect strip = kDiceFrame.adjusted(1, 1, -1, -1);
    const int side = strip.bottom() - kDiceTop + 1;
    die->setDrawingBounds(QRect(kDiceLefts[i], kDiceTop, side, side) & strip);
    die->setToolTip(kDiceDesignToolTip.toString());
    return die;
}

namespace {
QLabel* yellowRow(QLabel* label)
{
    setColours(label, kYellow, QPalette().color(QPalette::WindowText).rgb());
    return label;
}
} // namespace

QLabel* makePlayerLabel(QWidget* backdrop, int p)
{
    const QRect rect(kPlayerLeft, kPlayerRowTops[p - 1], kPlayerWidth, kRowHeight);
    return yellowRow(makeLabel(backdrop, indexedName(u"lblPlayer", p), u"", rect, Align::Left));
}

QLabel* makeSumLabel(QWidget* backdrop, int p)
{
    const QRect rect(kSumLeft, kPlayerRowTops[p - 1], kSumWidth, kRowHeight);
    return yellowRow(makeLabel(backdrop, indexedName(u"lblSum", p), u"", rect, Align::Left));
}

QLabel* makeScoreLabel(QWidget* backdrop, const CategoryRow& row)
{
    const QRect rect(kScoreLeft, row.top, kScoreWidth, kRowHeight);
    return makeLabel(backdrop, indexedName(u"Score", row.index), u"", rect, Align::Centre);
}

void makePlainLabels(QWidget* backdrop)
{
    for (const auto& design : kPlainLabels)
        makeLabel(backdrop, design);
}

void makeLine(QWidget* backdrop)
{
    auto* line = new QWidget(backdrop);
    line->setObjectName(kLineName.toString());
    line->setGeometry(kLine);
    setColours(line, qRgb(0, 0, 0), qRgb(0, 0, 0));
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    window->move(available.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

} // namespace arena
