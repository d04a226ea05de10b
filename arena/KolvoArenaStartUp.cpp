// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QStringList>

#include "arena/ArenaTexts.h"
#include "arena/KolvoArena.h"
#include "platform/Dialogs.h"
#include "ui/PictureBox.h"
#include "platform/Random.h"
#include "rules/GameFlow.h"
#include "sound/PlaySound.h"
#include "arena/ArenaDesign.h"

void KolvoArena::Form_Load()
{
    AppDir = services_.programDirectory(); // ends in exactly one "/"
    table_->setSoundDirectory(AppDir);
    services_.random->seed(secondsSinceMidnight());
    const QImage& blank = blankDie();
    for (PictureBox* die : DicePic)
        die->setPicture(blank);

    // Drawn into the persistent background, so they are there from the first showing
    // and survive repaints; the controls lie above them.
    {
        QPainter painter(&Backdrop->storedImage());
        painter.setPen(QPen(QColor(arena::kYellow), 1));
        painter.setBrush(Qt::NoBrush);
        for (const QRect& frame : arena::kFrames)
            painter.drawRect(frame.adjusted(0, 0, -1, -1)); // a one-pixel pen covers right and bottom too
    }
    Backdrop->update();

    LoadHighScore();
}

void KolvoArena::mnuExit_Click()
{
    if (rules::gameRunning(state()) && !discardConfirmed(texts::kDiscardForExit))
        return;
    closeUnasked_ = true;
    table_->close();
    emit exitRequested();
}

void KolvoArena::mnuHelp_Click()
{
    services_.dialogs->message(texts::kHelp.toString(), DialogButtons::Ok, texts::kHelpTitle.toString());
}

void KolvoArena::PlaySound(const QString& WavName)
{
    sound::PlaySound(*services_.media, WavName);
}
