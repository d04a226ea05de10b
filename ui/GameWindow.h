// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <QImage>
#include <QMainWindow>

// Face value 1..6 of the chosen dice style; a null image for any other value.
using FacePictureSource = std::function<QImage(int faceValue)>;

// What the chain of windows needs of the main game window: its load handler and
// its exit command.
class GameWindow : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    virtual void Form_Load() = 0;

signals:
    // "&Exit": whoever owns the windows closes them all and ends the program.
    void exitRequested();
};
