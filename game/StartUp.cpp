#include <QPainter>
#include <QStringList>

#include "game/ArenaTexts.h"
#include "game/KolvoArena.h"
#include "platform/Dialogs.h"
#include "platform/PictureBox.h"
#include "platform/Random.h"
#include "sound/PlaySound.h"
#include "ui/ArenaDesign.h"

void KolvoArena::Form_Load()
{
    state.AppDir = services_.programDirectory(); // ends in exactly one "/"
    services_.random->seed(secondsSinceMidnight());
    const QImage& blank = BlankDie();
    for (PictureBox* die : DicePic)
        die->setPicture(blank);

    // Drawn into the persistent background, so they are there from the first showing
    // and survive repaints; the controls lie above them.
    {
        QPainter painter(&Backdrop->storedImage());
        painter.setPen(QPen(QColor(arena::kYellow), 1));
        painter.setBrush(Qt::NoBrush);
        for (const auto& f : arena::kFrames)
            painter.drawRect(f.x1, f.y1, f.x2 - f.x1, f.y2 - f.y1); // covers both corners
    }
    Backdrop->update();

    LoadHighScore();
}

void KolvoArena::mnuExit_Click()
{
    emit exitRequested();
}

void KolvoArena::mnuHelp_Click()
{
    QStringList lines;
    for (const char* line : texts::kHelpLines)
        lines << QString::fromUtf8(line);
    services_.dialogs->message(lines.join(QStringLiteral("\r\n")), DialogButtons::Ok, QString::fromUtf8(texts::kHelpTitle));
}

void KolvoArena::PlaySound(const QString& WavName)
{
    sound::PlaySound(*services_.media, WavName);
}
