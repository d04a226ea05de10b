#pragma once

// The main window's own texts, word for word.
namespace texts {

inline constexpr char kDieFree[] = "Håll/släpp tärning med musklick";
inline constexpr char kDieHeld[] = "Tärningen hålls";
inline constexpr char kRollCountPrefix[] = "Kast ";
inline constexpr char kRollCountSuffix[] = " av 3";
inline constexpr char kRollerNewGame[] = "Kasta";
inline constexpr char kRollerNextTurn[] = "Tryck";

inline constexpr char kNamePromptPrefix[] = "Vad heter spelare nr ";
inline constexpr char kNamePromptSuffix[] = " ?";
inline constexpr char kTitle[] = "Kolvo";

inline constexpr char kScratchPrefix[] = "Vill Du offra ";
inline constexpr char kScratchSuffix[] = " ?";
inline constexpr char kBonus[] = "Gratulerar ! Du har fått 50 poäng i bonus !";

inline constexpr char kWinnerPrefix[] = "Vinner gör ";
inline constexpr char kWinnerScore[] = "med poängen: ";
inline constexpr char kWinnerTitle[] = "Segrare";
inline constexpr char kGameOver[] = "Spelet är slut";
inline constexpr char kNewRecord[] = "Nytt rekord !!";
inline constexpr char kNewRecordTitle[] = "Högsta poäng";

inline constexpr const char* kHelpLines[] = {
    "Välj antalet spelare i menyn Nytt Spel !",
    "Välj poäng genom att markera aktuell checkbox.",
    "Håll/släpp tärning genom att klicka på aktuell tärning.",
    "Du kan slå tärningen 3 gånger, men Du kan sätta poängen när Du vill.",
    "Tips ! Om Du tar 3 av varje av nummer 1-6 kan Du få en bonus på 50 poäng.",
};
inline constexpr char kHelpTitle[] = "Kolvo Hjälp";

// Score hints: label, then the candidate. "Två Par" has a capital P here, unlike its box.
inline constexpr const char* kHintLabels[] = {
    nullptr,   "Ettor = ", "Tvåor = ", "Treor = ",  "Fyror = ",  "Femmor = ", "Sexor = ", "Par = ",
    "Två Par = ", "Triss = ", "Fyrtal = ", "Lillan = ", "Storan = ", "Kåk = ",   "Kolvo = ", "Chans = ",
};

// Sound files, looked up in the program directory.
inline constexpr char kRollSound[] = "Roll.wav";
inline constexpr char kScratchSound[] = "glass.wav";
inline constexpr char kBonusSound[] = "claps.wav";
inline constexpr char kGameOverSound[] = "clap.wav";
inline constexpr char kRecordSound[] = "Congratulations.mid";

// The record in the per-user store.
inline constexpr char kStoreApplication[] = "Kolvo";
inline constexpr char kStoreSection[] = "KolvoHighscore";
inline constexpr char kScoreKey[] = "Score";
inline constexpr char kScoreDefault[] = "0";
inline constexpr char kNameKey[] = "Name";
inline constexpr char kNameDefault[] = "Nobody";

} // namespace texts
