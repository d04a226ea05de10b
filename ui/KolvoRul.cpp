#include "ui/KolvoRul.h"

#include <QLabel>
#include <QPushButton>

#include "platform/PictureBox.h"
#include "platform/RasterCopy.h"
#include "sound/PlaySound.h"
#include "ui/DesignLook.h"

KolvoRul::KolvoRul(const Services& services, QWidget* parent) : QWidget(parent), services_(services)
{
    setObjectName(QStringLiteral("KolvoRul"));
    ui::setUpFixedWindow(*this, QString::fromUtf8(rul::kCaption), QString::fromUtf8(rul::kIcon),
                         rul::kClientWidth, rul::kClientHeight);
    setFont(ui::designFont(rul::kPointSize, rul::kBold));
    buildControls();
}

void KolvoRul::buildControls()
{
    auto place = [](QWidget* w, const char* name, const rul::Rect& r) {
        w->setObjectName(QString::fromUtf8(name));
        w->setGeometry(r.x, r.y, r.w, r.h);
    };

    TärningsInfo = new QLabel(QString::fromUtf8(rul::kInfoCaption), this);
    place(TärningsInfo, rul::kInfoName, rul::kInfo);
    TärningsInfo->setTextFormat(Qt::PlainText);
    TärningsInfo->setAlignment(Qt::AlignCenter);
    TärningsInfo->adjustSize(); // keeps the top-left corner

    using Handler = void (KolvoRul::*)();
    constexpr Handler kHandlers[rul::kStyles] = {
        &KolvoRul::DiceStyle1_Click, &KolvoRul::DiceStyle2_Click, &KolvoRul::DiceStyle3_Click,
        &KolvoRul::DiceStyle4_Click, &KolvoRul::DiceStyle5_Click, &KolvoRul::DiceStyle6_Click,
    };
    for (int i = 0; i < rul::kStyles; ++i) {
        const rul::ButtonDesign& d = rul::kStyleButtons[i];
        DiceStyle[i] = new QPushButton(QString::fromUtf8(d.caption), this);
        place(DiceStyle[i], d.name, d.rect);
        DiceStyle[i]->setAutoDefault(true); // Enter presses the focused button, as Space does
        connect(DiceStyle[i], &QPushButton::clicked, this, kHandlers[i]);
    }

    Diceholder = new PictureBox(this);
    place(Diceholder, rul::kHolderName, rul::kHolder);
    Diceholder->setBorder(true);
    Diceholder->setAutoSize(true);
    Diceholder->setPicture(QImage(QString::fromUtf8(rul::kHolderPicture)));

    Forward = new PictureBox(this);
    place(Forward, rul::kForwardName, rul::kForward);
    Forward->setBorder(true);
    Forward->setAutoSize(true);
    Forward->setPicture(QImage(QString::fromUtf8(rul::kForwardPicture)));
    Forward->setToolTip(QString::fromUtf8(rul::kForwardToolTip));
    Forward->setCursor(Qt::PointingHandCursor);
    Forward->hide();
    connect(Forward, &PictureBox::clicked, this, &KolvoRul::Forward_Click);

    for (int k = 0; k < rul::kFaces; ++k) {
        const rul::Rect& r = rul::kPico[k];
        Pico[k] = new PictureBox(this);
        Pico[k]->setObjectName(QString::fromUtf8(rul::kPicoName).arg(k));
        Pico[k]->setBorder(true);
        Pico[k]->setBoxGeometry(QRect(r.x, r.y, r.w, r.h));
    }
}

void KolvoRul::Form_Load()
{
    show();
    Diceholder->setVisible(true);
    for (PictureBox* face : Pico)
        face->hide();
    sound::PlaySetupTune(*services_.media);
}

void KolvoRul::DiceStyle1_Click() { pickStyle(1); }
void KolvoRul::DiceStyle2_Click() { pickStyle(2); }
void KolvoRul::DiceStyle3_Click() { pickStyle(3); }
void KolvoRul::DiceStyle4_Click() { pickStyle(4); }
void KolvoRul::DiceStyle5_Click() { pickStyle(5); }
void KolvoRul::DiceStyle6_Click() { pickStyle(6); }

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
}

void KolvoRul::InsertCopy(PictureBox& D, PictureBox& E, std::int32_t X, std::int32_t Y, std::int32_t xSrc,
                          std::int32_t ySrc)
{
    // The outer size is larger than the stored image; the copy clips it, so a face
    // box receives at most one cell (Pico(2) its left 30 columns).
    BitBlt(E.storedImage(), X, Y, E.width(), E.height(), D.storedImage(), xSrc, ySrc, SRCCOPY);
    E.update();
}

void KolvoRul::Forward_Click()
{
    // Hidden, not closed: the main window keeps reading the face pictures.
    hide();
    emit forwardRequested();
}

QImage KolvoRul::FacePicture(int value) const
{
    if (value < 1 || value > rul::kFaces)
        return QImage();
    return Pico[value - 1]->storedImage();
}
