// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <QObject>
#include <QPointer>

#include "platform/Services.h"
#include "ui/GameWindow.h"

class Intro;
class KolvoRul;

// Makes the main game window, on the services and with the faces of the chosen style.
using GameWindowFactory = std::function<GameWindow*(const Services&, FacePictureSource)>;

// The chain of the three windows from start to end: Intro, its button to the set-up
// window KolvoRul, its Forward to the main window. Each window is made once and, when
// it hands over, hidden, never closed. The main window's exit command, or closing any
// of the three windows, closes Intro, KolvoRul and the main window in this order and
// ends the program.
class KolvoApp : public QObject {
    Q_OBJECT
public:
    KolvoApp(const Services& services, GameWindowFactory makeGameWindow, QObject* parent = nullptr);
    // Deletes the windows still alive (those not closed by an exit).
    ~KolvoApp() override;

    // Makes the start-up window and runs its load handler, which shows it.
    void start();

    // Order: hide Intro, then show KolvoRul, making it and running its load first
    // when it does not exist yet.
    void showSetup();
    // Forward: show the main window, making it and running its load first when it
    // does not exist yet.
    void showArena();
    // Closes the three windows in order and quits the event loop; runs once.
    void exitProgram();

    // The windows alive, or null.
    Intro* intro() const;
    KolvoRul* setup() const;
    GameWindow* arena() const;

private:
    // Closing the window in slot by any means (its close control, or the exit) ends
    // the program.
    template <class Window> void endWithWindow(QPointer<Window>& slot);

    Services services_;
    GameWindowFactory makeGameWindow_;
    QPointer<Intro> intro_;
    QPointer<KolvoRul> rul_;
    QPointer<GameWindow> arena_;
    bool exiting_ = false;
};
