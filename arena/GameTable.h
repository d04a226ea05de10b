// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <bitset>
#include <optional>
#include <QObject>
#include <QString>

#include "arena/SheetTexts.h"
#include "rules/DecisionLog.h"
#include "rules/GameFlow.h"
#include "rules/GameState.h"

class QTimer;
class Media;
class RandomSource;
namespace rules {
class SolverTable;
}

// Who makes a move at the table: the person at the keyboard, or a computer for the game it
// was seated in. A computer's move planned in a game that has since been replaced is stale.
struct Mover {
    bool computer = false;
    int game = 0; // a computer's game id; ignored for a person

    static Mover person() { return {}; }
    static Mover computerOf(int game) { return {true, game}; }
};

// The game every player sits at. It owns the state, the decision log, the game's id, the
// seats, the dice's tumble and its timer, the sound cues and what a screen reader is told.
// Each move checks that it is the mover's to make (the turn, the seat, the flow), logs the
// decision, calls the turn flow (rules/GameFlow.h) and says what changed in one signal.
// The windows translate a person's input into these calls and paint from the state.
class GameTable : public QObject {
    Q_OBJECT
public:
    // What a move changed, for the views that follow the game.
    enum Change : unsigned {
        NewGame = 1u << 0, // a game began (its names are still being asked for)
        Seated = 1u << 1,  // every name is in: play begins
        RollBegan = 1u << 2,
        Tumbled = 1u << 3, // a tick of the tumble: the free dice show new faces
        Settled = 1u << 4,
        Held = 1u << 5,
        Marked = 1u << 6,
        Written = 1u << 7,
        Passed = 1u << 8,
        Ended = 1u << 9,
        Restored = 1u << 10, // a new game was given up in its name prompts
        Closed = 1u << 11,   // the program is ending
    };
    Q_DECLARE_FLAGS(Changes, Change)

    // The roll's tumble: four ticks of the timer, one every 100 ms.
    static constexpr int kTicksPerRoll = 4;

    GameTable(Media& media, RandomSource& random, QObject* parent = nullptr);

    const GameState& state() const { return state_; }
    // Positions set up by hand, for tests and benchmarks; no player reaches this.
    GameState& arrange() { return state_; }
    const rules::DecisionLog& decisions() const { return log_; }
    // Gives the solver's verdict on the decisions not judged yet.
    void judge(const rules::SolverTable& table) { log_.judgeNew(table); }
    int gameId() const { return gameId_; }
    int playerInTurn() const { return state_.CurrentPlayer + 1; }
    bool isComputer(int player) const;
    const texts::Seats& computers() const { return computers_; }
    bool rolling() const { return state_.Rolling; }
    int tickCount() const { return tickCount_; }
    QTimer* timer() const { return timer_; }
    // The game has ended and its end has been told: nothing more is played.
    bool ended() const { return ended_; }
    // A new game's names are being asked for.
    bool naming() const { return naming_; }
    // A category is written and the turn not passed yet.
    bool turnWritten() const { return turnWritten_; }
    // The category written last, until the next roll.
    texts::SheetPlace justWritten() const { return justWritten_; }
    // The category a computer is about to write, marked on the board; 0: none.
    int marked() const { return marked_; }

    // Where the sound files lie, ending in "/".
    void setSoundDirectory(const QString& directory) { soundDirectory_ = directory; }

    // A new game of `players`, with its computers' seats; the names come one by one.
    void newGame(int players, const texts::Seats& computers);
    void setName(int player, const QString& name);
    // The names are in: the game is told and its first turn begins.
    void seat(bool withHowTo);

    // What the table was before a new game, put back when the new game is given up.
    struct Snapshot {
        GameState state;
        rules::DecisionLog decisions;
        int gameId = 0;
        int tickCount = 0;
        texts::Seats computers;
        texts::SheetPlace justWritten;
        bool ended = false;
        bool turnWritten = false;
        bool naming = false;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& before);

    // The moves. Each returns whether it was made; a move that is not the mover's to make,
    // or not allowed by the flow now, changes nothing.
    // The roll button may be pressed, by whoever is in turn.
    bool rollOpen() const;
    bool mayRoll(Mover who) const;
    bool roll(Mover who);
    bool mayHold(Mover who, int die) const;
    bool hold(Mover who, int die);
    bool mayWrite(Mover who, int category) const;
    // The dice's points go onto the sheet of the player in turn; the turn passes with
    // passTurn, which a person's window calls at once and a computer after its write
    // has been seen.
    std::optional<rules::Written> write(Mover who, int category);
    bool passTurn(Mover who);
    bool mark(Mover who, int category);

    // One tick of the tumble, as the timer gives it.
    void tick();
    // The game's end has been told to the players (after the winner's box).
    void endGame();
    // The program is ending: every planned move is stale from now on.
    void close();

signals:
    void changed(GameTable::Changes what);
    // A sentence for a screen reader, told of what just happened.
    void told(const QString& sentence);

private:
    bool mayMove(Mover who) const;
    void stopTumble();
    void logHold();
    void logCategory(int category);
    void playCue(QStringView file);

    Media& media_;
    RandomSource& random_;
    QTimer* timer_ = nullptr;
    QString soundDirectory_;
    GameState state_;
    rules::DecisionLog log_;
    texts::Seats computers_;
    int gameId_ = 0;
    int tickCount_ = 0;
    bool ended_ = false;
    bool turnWritten_ = false;
    bool closed_ = false;
    bool naming_ = false;
    texts::SheetPlace justWritten_;
    int marked_ = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(GameTable::Changes)
