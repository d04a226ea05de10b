// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <QImage>
#include <QWidget>

#include "platform/Services.h"
#include "ui/RulDesign.h"

class QLabel;
class QPushButton;
class PictureBox;

// The set-up window: the player picks one of six dice styles, whose six faces are
// copied from the face sheet into Pico(0..5). Those six pictures are the dice of the
// whole game, so the window stays alive, hidden, until the program ends.
class KolvoRul : public QWidget {
    Q_OBJECT
public:
    explicit KolvoRul(const Services& services, QWidget* parent = nullptr);

    // Controls by their design names. DiceStyle[0] is DiceStyle1; Pico keeps 0..5.
    QLabel* TärningsInfo = nullptr;
    std::array<QPushButton*, rul::kStyles> DiceStyle{};
    PictureBox* Diceholder = nullptr;
    PictureBox* Forward = nullptr;
    std::array<PictureBox*, rul::kFaces> Pico{};

    // The 0-based index of the chosen style.
    std::int32_t ChosenStyle = 0;

    void Form_Load();
    void DiceStyle1_Click();
    void DiceStyle2_Click();
    void DiceStyle3_Click();
    void DiceStyle4_Click();
    void DiceStyle5_Click();
    void DiceStyle6_Click();
    void ShowDiceStyle(std::int32_t StyleX);
    // One raster copy from D's stored image into E's at (X, Y), of E's outer size,
    // clipped to E's stored image; E is repainted.
    void InsertCopy(PictureBox& D, PictureBox& E, std::int32_t X, std::int32_t Y, std::int32_t xSrc, std::int32_t ySrc);
    void Forward_Click();

    // Face value 1..6 in the chosen style, as Pico(value - 1) holds it (shared, not
    // copied); a null image for any other value.
    QImage facePicture(int value) const;

signals:
    // Forward was clicked: the window has hidden itself and the main window is due.
    void forwardRequested();

protected:
    // Another language: the texts worded anew.
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void showTexts();
    void pickStyle(int N);

    Services services_;
};
