#pragma once
#include <functional>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "platform/Services.h"

class Intro;
class KolvoRul;

// Face value 1..6 of the chosen style as a picture.
using FacePictureSource = std::function<QPixmap(int faceValue)>;

// What the chain needs of a newly made main window: the top-level window itself
// (handed over to the chain), its load handler, and a way to have a function run on
// its exit command, called with the object that the connection lives as long as.
struct ArenaParts {
    QWidget* window = nullptr;
    std::function<void()> formLoad;
    std::function<void(QObject* context, std::function<void()> onExit)> connectExit;
};
using ArenaFactory = std::function<ArenaParts(const Services&, FacePictureSource)>;

// The factory for a main-window class of the shape
//   Arena(const Services&, FacePictureSource, QWidget* parent = nullptr);
//   void Form_Load();
//   signal void exitRequested();
template <class Arena>
ArenaFactory MakeArenaFactory()
{
    return [](const Services& services, FacePictureSource faces) {
        auto* arena = new Arena(services, std::move(faces));
        ArenaParts parts;
        parts.window = arena;
        parts.formLoad = [arena] { arena->Form_Load(); };
        parts.connectExit = [arena](QObject* context, std::function<void()> onExit) {
            QObject::connect(arena, &Arena::exitRequested, context, std::move(onExit));
        };
        return parts;
    };
}

// The chain of the three windows from start to end: Intro, its button to the set-up
// window KolvoRul, its Forward to the main window. Each window is made once and, when
// it hands over, hidden, never closed. The main window's exit command, or closing any
// of the three windows, closes Intro, KolvoRul and the main window in this order and
// ends the program.
class KolvoApp : public QObject {
    Q_OBJECT
public:
    KolvoApp(const Services& services, ArenaFactory makeArena, QObject* parent = nullptr);
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
    QWidget* arena() const;

private:
    // Closing w by any means (its close control, or the exit) ends the program.
    void endWithWindow(QWidget* w);

    Services services_;
    ArenaFactory makeArena_;
    QPointer<Intro> intro_;
    QPointer<KolvoRul> rul_;
    QPointer<QWidget> arena_;
    bool exiting_ = false;
};
