// SPDX-License-Identifier: GPL-3.0-or-later
// A running game is never thrown away unasked.
#include <QCloseEvent>

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "platform/Dialogs.h"
#include "rules/GameFlow.h"

bool KolvoArena::discardConfirmed(const Text& question)
{
    return services_.dialogs->message(question.toString(), DialogButtons::OkCancel, texts::kTitle.toString())
        == DialogAnswer::Ok;
}

void KolvoArena::closeEvent(QCloseEvent* event)
{
    // The close control asks. The exit command has asked already before the program
    // closes the window, and the session's end must not wait for an answer. (Qt delivers
    // the window system's close and the program's own alike, as not spontaneous.)
    if (!closeUnasked_ && rules::gameRunning(state()) && !discardConfirmed(texts::kDiscardForExit)) {
        event->ignore();
        return;
    }
    table_->close(); // a computer's planned move goes with the game
    GameWindow::closeEvent(event);
}
