// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/GameTable.h"

#include <array>
#include <QTimer>

#include "arena/ArenaDesign.h"
#include "arena/ArenaTexts.h"
#include "arena/SpokenTexts.h"
#include "platform/Random.h"
#include "rules/Evaluation.h"
#include "rules/Solver.h"
#include "sound/PlaySound.h"

GameTable::GameTable(Media& media, RandomSource& random, QObject* parent)
    : QObject(parent), media_(media), random_(random), timer_(new QTimer(this))
{
    timer_->setObjectName(arena::kTimerName.toString());
    timer_->setInterval(arena::kTimerInterval);
    connect(timer_, &QTimer::timeout, this, &GameTable::tick);
}

bool GameTable::isComputer(int player) const
{
    return player >= 1 && player <= state_.NumPlayers && computers_[std::size_t(player)];
}

bool GameTable::mayMove(Mover who) const
{
    // The seat in turn is the mover's, in the game the mover was seated in, while it runs.
    if (closed_ || ended_ || naming_ || state_.NumPlayers == 0 || rules::gameOver(state_))
        return false;
    if (who.computer && who.game != gameId_)
        return false;
    return who.computer == isComputer(playerInTurn());
}

void GameTable::newGame(int players, const texts::Seats& computers)
{
    stopTumble();
    rules::startGame(state_, players);
    log_.clear();
    computers_ = computers;
    justWritten_ = {};
    marked_ = 0;
    ended_ = false;
    turnWritten_ = false;
    naming_ = true;
    ++gameId_;
    emit changed(NewGame);
}

void GameTable::setName(int player, const QString& name)
{
    if (player < 1 || player > state_.NumPlayers)
        return;
    state_.Names[std::size_t(player)] = name;
    emit changed(NewGame);
}

void GameTable::seat(bool withHowTo)
{
    naming_ = false;
    emit changed(Seated);
    emit told(texts::gameStarts(state_, withHowTo));
}

GameTable::Snapshot GameTable::snapshot() const
{
    return {state_, log_, gameId_, tickCount_, computers_, justWritten_, ended_, turnWritten_, naming_};
}

void GameTable::restore(const Snapshot& before)
{
    state_ = before.state;
    log_ = before.decisions;
    gameId_ = before.gameId;
    tickCount_ = before.tickCount;
    computers_ = before.computers;
    justWritten_ = before.justWritten;
    ended_ = before.ended;
    turnWritten_ = before.turnWritten;
    naming_ = before.naming;
    marked_ = 0; // a computer marks its choice again
    if (state_.Rolling)
        timer_->start(); // the tumble goes on where it was
    emit changed(Restored);
}

bool GameTable::rollOpen() const
{
    return !closed_ && !ended_ && !turnWritten_ && rules::mayRoll(state_);
}

bool GameTable::mayRoll(Mover who) const
{
    return mayMove(who) && rollOpen();
}

bool GameTable::roll(Mover who)
{
    if (!mayRoll(who))
        return false;
    logHold();
    justWritten_ = {};
    marked_ = 0;
    playCue(texts::kRollSound);
    // A press while the dice still tumble counts a roll but does not restart the tumble.
    if (rules::beginRoll(state_).startsTumble)
        timer_->start();
    emit changed(RollBegan);
    return true;
}

void GameTable::tick()
{
    if (!state_.Rolling) {
        timer_->stop();
        return;
    }
    ++tickCount_;
    std::array<int, GameState::kDice> faces{};
    for (int i = 0; i < GameState::kDice; ++i)
        if (state_.DiceFree[std::size_t(i)]) // a held die keeps its face: it draws nothing
            faces[std::size_t(i)] = faceFromDraw(random_.next());
    rules::tumble(state_, faces);
    if (tickCount_ < kTicksPerRoll) {
        emit changed(Tumbled);
        return;
    }
    stopTumble();
    rules::settleRoll(state_); // the dice lie still and are evaluated
    // Told first: a view that moves the focus for the settled dice waits for the sentence.
    emit told(texts::rollSettled(state_));
    emit changed(Tumbled | Settled);
}

void GameTable::stopTumble()
{
    timer_->stop();
    tickCount_ = 0;
}

bool GameTable::mayHold(Mover who, int die) const
{
    return mayMove(who) && !turnWritten_ && state_.HasRolled && die >= 0 && die < GameState::kDice;
}

bool GameTable::hold(Mover who, int die)
{
    if (!mayHold(who, die) || !rules::toggleHold(state_, die))
        return false;
    emit changed(Held);
    emit told(texts::holdChanged(state_, die));
    return true;
}

bool GameTable::mayWrite(Mover who, int category) const
{
    return mayMove(who) && !turnWritten_ && rules::mayWrite(state_, category);
}

std::optional<rules::Written> GameTable::write(Mover who, int category)
{
    if (!mayWrite(who, category))
        return std::nullopt;
    const int p = playerInTurn();
    logCategory(category);
    const rules::Written written = rules::write(state_, category);
    turnWritten_ = true;
    justWritten_ = {p, category};
    marked_ = 0;
    if (written.points == 0)
        playCue(texts::kScratchSound);
    else if (written.bonus > 0)
        playCue(texts::kBonusSound);
    emit changed(Written);
    emit told(texts::written(state_, p, category, written));
    return written;
}

bool GameTable::passTurn(Mover who)
{
    // The turn passes after its write, the game's last write too: the end is told after it.
    if (!turnWritten_ || closed_ || (who.computer && (who.game != gameId_ || !isComputer(playerInTurn())))
        || (!who.computer && isComputer(playerInTurn())))
        return false;
    stopTumble();
    turnWritten_ = false;
    marked_ = 0;
    rules::passTurn(state_);
    emit changed(Passed);
    return true;
}

bool GameTable::mark(Mover who, int category)
{
    if (!who.computer || !mayWrite(who, category))
        return false;
    marked_ = category;
    emit changed(Marked);
    return true;
}

void GameTable::endGame()
{
    if (ended_ || !rules::gameOver(state_))
        return;
    ended_ = true;
    emit changed(Ended);
}

void GameTable::close()
{
    closed_ = true;
    stopTumble();
    ++gameId_; // every planned move is stale
    emit changed(Closed);
}

void GameTable::logHold()
{
    // Only a roll after the first, on dice that lie still, follows a choice of what to keep.
    const int rollsDone = rules::rollsDoneOf(state_);
    if (state_.Rolling || rollsDone < 1 || rollsDone >= rules::kRollsPerTurn)
        return;
    const int p = playerInTurn();
    std::uint8_t kept = 0;
    for (int i = 0; i < GameState::kDice; ++i)
        if (!state_.DiceFree[std::size_t(i)])
            kept |= std::uint8_t(1u << i);
    log_.addHold(p, rules::sheetPositionOf(state_, p), rules::diceOf(state_), kept, rules::rollsLeft(state_));
}

void GameTable::logCategory(int category)
{
    // Written while the dice still tumble, the points are those of faces no longer shown:
    // nothing the review could judge. Logged before the category is on the sheet.
    if (state_.Rolling)
        return;
    const int p = playerInTurn();
    log_.addCategory(p, rules::sheetPositionOf(state_, p), rules::diceOf(state_), category, rules::rollsLeft(state_));
}

void GameTable::playCue(QStringView file)
{
    sound::PlaySound(media_, soundDirectory_ + file.toString());
}
