// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "fakes/FakeServices.h"
#include "arena/KolvoArena.h"
#include "arena/SideWindowHost.h"

// A main window on scripted services. Face v is a 32 x 32 picture filled with a grey
// that encodes v, so a test can tell which face a die shows.
struct ArenaFixture : FakeServices {
    std::unique_ptr<KolvoArena> arena;

    static QColor faceColour(int v) { return QColor(v * 40, v * 40, v * 40); }
    static QImage face(int v)
    {
        QImage p(32, 32, QImage::Format_ARGB32_Premultiplied);
        p.fill(faceColour(v));
        return p;
    }

    ArenaFixture()
    {
        arena = std::make_unique<KolvoArena>(services(), &ArenaFixture::face);
        arena->Form_Load();
    }

    KolvoArena& a() { return *arena; }
    GameState& s() { return arena->table().arrange(); }

    // Starts a game with the given names.
    void newGame(QStringList names)
    {
        for (const auto& n : names)
            dialogs.inputs.push_back(n);
        arena->SpelarNummer_Click(static_cast<std::int16_t>(names.size()));
    }

    // Runs the animation to its end as the timer would.
    void tickUntilRolled()
    {
        for (int guard = 0; arena->Timer1->isActive() && guard < 10; ++guard)
            arena->Timer1_Timer();
    }

    // One complete roll with the faces the free dice get at the last tick.
    void roll(std::initializer_list<int> lastFaces)
    {
        arena->Roller_Click();
        const int free = freeDice();
        for (int t = 0; t < 3; ++t)
            for (int i = 0; i < free; ++i)
                random.queueFaces({1});
        random.queueFaces(lastFaces);
        tickUntilRolled();
    }

    int freeDice() const
    {
        int n = 0;
        for (bool f : arena->table().arrange().DiceFree)
            n += f ? 1 : 0;
        return n;
    }

    // A player's click on a category box.
    void pick(int category) { arena->ScoreVal[category]->click(); }

    std::vector<QByteArray> soundsPlayed() const { return media.commands; }
};
