// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KolvoRul.h"

#include <algorithm>

#include <QLabel>
#include <QPushButton>

#include "ui/PictureBox.h"
#include "ui/RasterCopy.h"
#include "sound/PlaySound.h"
#include "ui/DesignLook.h"
#include "ui/FocusRing.h"
#include "ui/KeyGuard.h"
#include "ui/Pictures.h"

KolvoRul::KolvoRul(const Services& services, QWidget* parent) : QWidget(parent), services_(services)
{
    setObjectName(QStringLiteral("KolvoRul"));
    ui::setUpFixedWindow(*this, rul::kCaption.toString(), rul::kIcon.toString(), rul::kClientWidth, rul::kClientHeight);
    setFont(ui::designFont(rul::kPointSize, rul::kBold));
    buildControls();
    ui::installFocusRing(*this);
    // A held Enter presses one button, not the next window's too.
    new ui::KeyGuard(*this, {Qt::Key_Return, Qt::Key_Enter});
}

void KolvoRul::buildControls()
{
    auto place = [](QWidget* w, QStringView name, const QRect& r) {
        w->setObjectName(name.toString());
        w->setGeometry(r);
    };

    TärningsInfo = new QLabel(this);
    place(TärningsInfo, rul::kInfoName, rul::kInfo);
    TärningsInfo->setTextFormat(Qt::PlainText);
    TärningsInfo->setAlignment(Qt::AlignCenter);

    using Handler = void (KolvoRul::*)();
    constexpr Handler kHandlers[rul::kStyles] = {
        &KolvoRul::DiceStyle1_Click, &KolvoRul::DiceStyle2_Click, &KolvoRul::DiceStyle3_Click,
        &KolvoRul::DiceStyle4_Click, &KolvoRul::DiceStyle5_Click, &KolvoRul::DiceStyle6_Click,
    };
    for (int i = 0; i < rul::kStyles; ++i) {
        const rul::ButtonDesign& d = rul::kStyleButtons[i];
        DiceStyle[i] = new QPushButton(d.caption.toString(), this);
        place(DiceStyle[i], d.name, d.rect);
        DiceStyle[i]->setAutoDefault(true); // Enter presses the focused button, as Space does
        connect(DiceStyle[i], &QPushButton::clicked, this, kHandlers[i]);
    }

    // The art is drawn for 1, 2 and 3 device pixels per logical pixel; the faces are
    // copied in device pixels, so the sheet and the face boxes share one scale,
    // chosen here for the screen the window opens on.
    const int scale = ui::artScale(devicePixelRatioF());

    Diceholder = new PictureBox(this);
    place(Diceholder, rul::kHolderName, rul::kHolder);
    Diceholder->setBorder(true);
    Diceholder->setAutoSize(true);
    Diceholder->setPicture(ui::loadPicture(rul::kHolderPicture, scale));
    // A click on a style's faces in the sheet chooses that style, as its button does.
    Diceholder->setCursor(Qt::PointingHandCursor);
    connect(Diceholder, &PictureBox::clickedAt, this, [this, kHandlers](QPoint where) {
        const int column = (where.x() - Diceholder->borderWidth()) / rul::kCell;
        (this->*kHandlers[std::clamp(column, 0, rul::kStyles - 1)])();
    });

    Forward = new PictureBox(this);
    place(Forward, rul::kForwardName, rul::kForward);
    Forward->setBorder(true);
    Forward->setAutoSize(true);
    Forward->setCursor(Qt::PointingHandCursor);
    Forward->setFocusPolicy(Qt::StrongFocus);
    Forward->hide();
    connect(Forward, &PictureBox::clicked, this, &KolvoRul::Forward_Click);

    for (int k = 0; k < rul::kFaces; ++k) {
        Pico[k] = new PictureBox(this);
        Pico[k]->setObjectName(rul::kPicoName.toString().arg(k));
        Pico[k]->setBorder(true);
        Pico[k]->setImageScale(scale);
        Pico[k]->setBoxGeometry(rul::kPico[k]);
    }
    showTexts();
}

void KolvoRul::showTexts()
{
    setWindowTitle(rul::kCaption.toString());
    TärningsInfo->setText(rul::kInfoCaption.toString());
    TärningsInfo->adjustSize(); // keeps the top-left corner
    for (int i = 0; i < rul::kStyles; ++i) {
        DiceStyle[i]->setAccessibleName(rul::kStyleButtonName.toString().arg(i + 1));
        DiceStyle[i]->setAccessibleDescription(rul::kStyleButtonDescription.toString().arg(i + 1));
    }
    // The sign's words are the language's too.
    Forward->setPicture(ui::loadPicture(rul::kForwardPicture, ui::artScale(devicePixelRatioF())));
    Forward->setToolTip(rul::kForwardToolTip.toString());
    Forward->setAccessibleName(rul::kForwardAccessibleName.toString());
    Forward->setAccessibleDescription(rul::kForwardDescription.toString());
}

void KolvoRul::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showTexts();
}

void KolvoRul::Form_Load()
{
    show();
    Diceholder->setVisible(true);
    for (PictureBox* face : Pico)
        face->hide();
    sound::playSetupTune(*services_.media);
}

void KolvoRul::DiceStyle1_Click()
{
    pickStyle(1);
}
void KolvoRul::DiceStyle2_Click()
{
    pickStyle(2);
}
void KolvoRul::DiceStyle3_Click()
{
    pickStyle(3);
}
void KolvoRul::DiceStyle4_Click()
{
    pickStyle(4);
}
void KolvoRul::DiceStyle5_Click()
{
    pickStyle(5);
}
void KolvoRul::DiceStyle6_Click()
{
    pickStyle(6);
}

void KolvoRul::pickStyle(int N)
{
    ChosenStyle = N - 1;
    TärningsInfo->hide();
    // The copies read the sheet's stored image, so hiding it first blanks nothing.
    Diceholder->hide();
    ShowDiceStyle(rul::kCell * ChosenStyle);
}

void KolvoRul::ShowDiceStyle(std::int32_t StyleX)
{
    for (int k = 0; k < rul::kFaces; ++k) {
        InsertCopy(*Diceholder, *Pico[k], 0, 0, StyleX, rul::kCell * k);
        Pico[k]->setVisible(true);
    }
    for (QPushButton* button : DiceStyle)
        button->hide();
    Forward->setVisible(true);
    // The style buttons that had the focus are gone; the keyboard goes on from here.
    Forward->setFocus(Qt::OtherFocusReason);
}

void KolvoRul::InsertCopy(PictureBox& D, PictureBox& E, std::int32_t X, std::int32_t Y, std::int32_t xSrc,
                          std::int32_t ySrc)
{
    // The outer size is larger than the stored image; the copy clips it, so a face
    // box receives at most one cell (Pico(2) its left 30 columns). Both images have
    // the scale chosen at construction, so the copy keeps every device pixel.
    BitBlt(E.storedImage(), X, Y, E.width(), E.height(), D.storedImage(), xSrc, ySrc, SRCCOPY);
    E.update();
}

void KolvoRul::Forward_Click()
{
    // Hidden, not closed: the main window keeps reading the face pictures.
    hide();
    emit forwardRequested();
}

QImage KolvoRul::facePicture(int value) const
{
    if (value < 1 || value > rul::kFaces)
        return QImage();
    return Pico[value - 1]->storedImage();
}
