// SPDX-License-Identifier: GPL-3.0-or-later
// The roll and the holds: a person's press and click, turned into the table's moves. The
// table runs the tumble; the board is painted when it says what changed.
#include "arena/GameTable.h"
#include "arena/KolvoArena.h"

void KolvoArena::Roller_Click()
{
    table_->roll(Mover::person()); // a fourth roll, or one in a computer's turn, is refused
}

void KolvoArena::Timer1_Timer()
{
    table_->tick();
}

void KolvoArena::DicePic_Click(std::int16_t Index)
{
    table_->hold(Mover::person(), Index);
}
