// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QWidget>

#include "platform/Services.h"

class QPushButton;

// The start-up window: the title picture and the button that leads to the set-up
// window. It stays alive, hidden, until the program ends.
class Intro : public QWidget {
    Q_OBJECT
public:
    explicit Intro(const Services& services, QWidget* parent = nullptr);

    QPushButton* Order = nullptr;

    // Shows the window, then seeds the dice from the time of day.
    void Form_Load();
    void Order_Click();

signals:
    // Order was clicked: the window has hidden itself and the set-up window is due.
    void setupRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Another language: the texts worded anew.
    void changeEvent(QEvent* event) override;

private:
    void showTexts();
    void fitOrderCaption();
    // The title picture drawn for the window's screen, loaded again when that changes.
    void loadPicture();

    Services services_;
    QImage picture_;
};
