// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Evaluation.h"

namespace rules {
namespace {

// Category number -> candidate. The declaration order of the candidates differs
// from the category order (Kolvo is category 14, Chans 15), so go through this.
constexpr std::int16_t GameState::*kCandidates[GameState::kCategories + 1] = {
    nullptr,
    &GameState::valEttor,
    &GameState::valTvaor,
    &GameState::valTreor,
    &GameState::valFyror,
    &GameState::valFemmor,
    &GameState::valSexor,
    &GameState::valPar,
    &GameState::valTvaPar,
    &GameState::valTriss,
    &GameState::valFyrtal,
    &GameState::valLillan,
    &GameState::valStoran,
    &GameState::valKak,
    &GameState::valKolvo,
    &GameState::valChans,
};

} // namespace

void ClearEvaluation(GameState& s)
{
    for (int c = 1; c <= GameState::kCategories; ++c)
        s.*kCandidates[c] = 0;
    for (int f = 1; f <= 6; ++f)
        s.FaceCount[f] = 0;
}

void CountFaces(GameState& s)
{
    for (int f = 1; f <= 6; ++f)
        for (int j = 0; j < GameState::kDice; ++j)
            if (s.DiceValue[j] == f)
                ++s.FaceCount[f];
}

void EvaluateDice(GameState& s)
{
    ClearEvaluation(s);
    CountFaces(s);

    s.valEttor = s.FaceCount[1];
    s.valTvaor = s.FaceCount[2] * 2;
    s.valTreor = s.FaceCount[3] * 3;
    s.valFyror = s.FaceCount[4] * 4;
    s.valFemmor = s.FaceCount[5] * 5;
    s.valSexor = s.FaceCount[6] * 6;

    // The highest face on two dice makes the pair, also when it is a full house's triple.
    for (int f = 6; f >= 1; --f) {
        if (s.FaceCount[f] >= 2) {
            s.valPar = 2 * f;
            break;
        }
    }

    for (int f = 6; f >= 1; --f) {
        if (s.FaceCount[f] >= 3)
            s.valTriss = 3 * f;
        if (s.FaceCount[f] >= 4)
            s.valFyrtal = 4 * f;
        if (s.FaceCount[f] == 5)
            s.valKolvo = 50;
    }

    // No face on two dice means five different faces: without a six they are 1..5,
    // without a one 2..6. Dice without a face (0) never make a straight, since the
    // counts then add up to less than five.
    const int counted
        = s.FaceCount[1] + s.FaceCount[2] + s.FaceCount[3] + s.FaceCount[4] + s.FaceCount[5] + s.FaceCount[6];
    const bool noneRepeated = s.valPar == 0 && s.valTriss == 0 && s.valFyrtal == 0 && s.valKolvo == 0;
    if (counted == GameState::kDice && noneRepeated) {
        if (s.FaceCount[6] == 0)
            s.valLillan = 15;
        if (s.FaceCount[1] == 0)
            s.valStoran = 20;
    }

    for (int f = 1; f <= 6; ++f) {
        if (s.FaceCount[f] >= 2 && f != s.valPar / 2)
            s.valTvaPar = s.valPar + 2 * f;
        if (s.FaceCount[f] == 2 && s.valTriss > 0 && f != s.valTriss / 3)
            s.valKak = s.valTriss + 2 * f;
    }

    s.valChans = s.DiceValue[0] + s.DiceValue[1] + s.DiceValue[2] + s.DiceValue[3] + s.DiceValue[4];
}

std::int16_t CandidateOf(const GameState& s, int category)
{
    if (category < 1 || category > GameState::kCategories)
        return 0;
    return s.*kCandidates[category];
}

} // namespace rules
