// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KolvoApp.h"

#include <QCoreApplication>

#include "ui/Intro.h"
#include "ui/KolvoRul.h"

KolvoApp::KolvoApp(const Services& services, GameWindowFactory makeGameWindow, QObject* parent)
    : QObject(parent), services_(services), makeGameWindow_(std::move(makeGameWindow))
{
}

KolvoApp::~KolvoApp()
{
    exiting_ = true;
    // The windows are top-level, so nothing else deletes them.
    for (QWidget* w : {static_cast<QWidget*>(arena_), static_cast<QWidget*>(rul_), static_cast<QWidget*>(intro_)}) {
        if (w) {
            disconnect(w, nullptr, this, nullptr);
            delete w;
        }
    }
}

Intro* KolvoApp::intro() const
{
    return intro_;
}
KolvoRul* KolvoApp::setup() const
{
    return rul_;
}
GameWindow* KolvoApp::arena() const
{
    return arena_;
}

void KolvoApp::start()
{
    if (intro_)
        return;
    intro_ = new Intro(services_);
    endWithWindow(intro_);
    connect(intro_, &Intro::setupRequested, this, &KolvoApp::showSetup);
    intro_->Form_Load();
}

void KolvoApp::showSetup()
{
    if (exiting_)
        return;
    if (intro_)
        intro_->hide();
    if (!rul_) {
        rul_ = new KolvoRul(services_);
        endWithWindow(rul_);
        connect(rul_, &KolvoRul::forwardRequested, this, &KolvoApp::showArena);
        rul_->Form_Load();
    }
    rul_->show();
}

void KolvoApp::showArena()
{
    if (exiting_)
        return;
    if (rul_)
        rul_->hide();
    if (!arena_) {
        // The main window reads the faces at every roll; after the set-up window is
        // gone (only during the exit) it gets null pictures rather than a dangling one.
        FacePictureSource faces
            = [rul = QPointer<KolvoRul>(rul_)](int value) { return rul ? rul->facePicture(value) : QImage(); };
        arena_ = makeGameWindow_(services_, std::move(faces));
        endWithWindow(arena_);
        connect(arena_, &GameWindow::exitRequested, this, &KolvoApp::exitProgram);
        arena_->Form_Load();
    }
    arena_->show();
}

void KolvoApp::exitProgram()
{
    // Closing the windows below destroys them, which comes back here.
    if (exiting_)
        return;
    exiting_ = true;
    if (intro_)
        intro_->close();
    if (rul_)
        rul_->close();
    if (arena_)
        arena_->close();
    QCoreApplication::quit();
}

template <class Window> void KolvoApp::endWithWindow(QPointer<Window>& slot)
{
    slot->setAttribute(Qt::WA_DeleteOnClose);
    // By the time destroyed arrives the window is past its own class: the slot is
    // cleared without looking at the object, and the exit must not close it again.
    connect(slot, &QObject::destroyed, this, [this, &slot] {
        slot.clear();
        exitProgram();
    });
}
