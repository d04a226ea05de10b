<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sv">
<context>
    <name>Board</name>
    <message>
        <source>Spelare</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Poäng</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Nu kastar</source>
        <translation>Now rolling</translation>
    </message>
    <message>
        <source>Visar vilken spelare som är i tur att kasta</source>
        <translation>Shows whose turn it is to roll</translation>
    </message>
    <message>
        <source>Högsta poäng</source>
        <translation>High score</translation>
    </message>
    <message>
        <source>Rekordhållarens namn</source>
        <translation>The record holder&apos;s name</translation>
    </message>
    <message>
        <source>Rekordhållarens poäng</source>
        <translation>The record holder&apos;s score</translation>
    </message>
    <message>
        <source>Kasta</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Ettor</source>
        <translation>Ones</translation>
    </message>
    <message>
        <source>Tvåor</source>
        <translation>Twos</translation>
    </message>
    <message>
        <source>Treor</source>
        <translation>Threes</translation>
    </message>
    <message>
        <source>Fyror</source>
        <translation>Fours</translation>
    </message>
    <message>
        <source>Femmor</source>
        <translation>Fives</translation>
    </message>
    <message>
        <source>Sexor</source>
        <translation>Sixes</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Två par</source>
        <translation>2 Pairs</translation>
    </message>
    <message>
        <source>Triss</source>
        <translation>3 Alike</translation>
    </message>
    <message>
        <source>Fyrtal</source>
        <translation>4 Alike</translation>
    </message>
    <message>
        <source>Lillan</source>
        <translation>Sm. Str.</translation>
    </message>
    <message>
        <source>Storan</source>
        <translation>Lg. Str.</translation>
    </message>
    <message>
        <source>Kåk</source>
        <translation>Full H.</translation>
    </message>
    <message>
        <source>Chans</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Kolvo</source>
        <translation>Kolvo</translation>
    </message>
    <message>
        <source>Håll/släpp med klick</source>
        <translation>Hold/release with a click</translation>
    </message>
    <message>
        <source>&amp;Fil</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Nytt spel</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>&amp;En spelare</source>
        <translation>&amp;One player</translation>
    </message>
    <message>
        <source>&amp;Två spelare</source>
        <translation>&amp;Two players</translation>
    </message>
    <message>
        <source>T&amp;re spelare</source>
        <translation>T&amp;hree players</translation>
    </message>
    <message>
        <source>&amp;Fyra spelare</source>
        <translation>&amp;Four players</translation>
    </message>
    <message>
        <source>Fe&amp;m spelare</source>
        <translation>F&amp;ive players</translation>
    </message>
    <message>
        <source>Se&amp;x spelare</source>
        <translation>Si&amp;x players</translation>
    </message>
    <message>
        <source>&amp;Hjälp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Håll/släpp tärning med musklick</source>
        <translation>Hold/release the die with a mouse click</translation>
    </message>
    <message>
        <source>Tärning %1: %2</source>
        <translation>Die %1: %2</translation>
    </message>
    <message>
        <source>ingen</source>
        <translation>none</translation>
    </message>
    <message>
        <source>, hålls</source>
        <translation>, held</translation>
    </message>
    <message>
        <source>, rullar</source>
        <translation>, rolling</translation>
    </message>
    <message>
        <source>Tärningen hålls</source>
        <translation>The die is held</translation>
    </message>
    <message>
        <source>Kast %1 av 3</source>
        <translation>Roll %1 of 3</translation>
    </message>
    <message>
        <source>Tryck</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Vad heter spelare nr %1 ?</source>
        <translation>What is the name of player %1?</translation>
    </message>
    <message>
        <source>Vill Du offra %1 ?</source>
        <translation>Do you want to scratch %1?</translation>
    </message>
    <message>
        <source>Gratulerar ! Du har fått 50 poäng i bonus !</source>
        <translation>Congratulations! You have earned a bonus of 50 points!</translation>
    </message>
    <message>
        <source>Vinner gör %1<byte value="xd"/>
med poängen: %2</source>
        <translation>The winner is %1<byte value="xd"/>
with a score of %2</translation>
    </message>
    <message>
        <source>Segrare</source>
        <translation>Winner</translation>
    </message>
    <message>
        <source>Spelet är slut</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Nytt rekord !!</source>
        <translation>New record!!</translation>
    </message>
    <message>
        <source>Rekordet kunde inte sparas och finns inte kvar nästa gång.<byte value="xd"/>
%1</source>
        <translation>The record could not be saved and will be gone next time.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Välj antalet spelare i menyn Nytt Spel !<byte value="xd"/>
Välj poäng genom att markera aktuell checkbox.<byte value="xd"/>
Håll/släpp tärning genom att klicka på aktuell tärning.<byte value="xd"/>
Du kan slå tärningen 3 gånger, men Du kan sätta poängen när Du vill.<byte value="xd"/>
Tips ! Om Du tar 3 av varje av nummer 1-6 kan Du få en bonus på 50 poäng.</source>
        <translation>Choose the number of players in the New game menu!<byte value="xd"/>
Choose where to score by ticking its box.<byte value="xd"/>
Hold/release a die by clicking on it.<byte value="xd"/>
You can roll the dice 3 times, but you can score whenever you like.<byte value="xd"/>
Tip! If you get 3 of each of the numbers 1-6 you can earn a bonus of 50 points.</translation>
    </message>
    <message>
        <source>Kolvo Hjälp</source>
        <translation>Kolvo Help</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Övre %1/%2</source>
        <translation>Upper %1/%2</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>Summa %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Kastar tärningarna som inte hålls. Mellanslag eller Enter kastar, tangenterna 1 till 5 håller och släpper tärningarna, Tab går till kategorierna, mellanslag väljer en kategori, F1 visar hjälpen, F2 visar eller döljer tipsen om bästa drag och F3 protokollet med spelanalysen.</source>
        <translation>Rolls the dice that are not held. Space or Enter rolls, the keys 1 to 5 hold and release the dice, Tab goes to the categories, Space chooses a category, F1 shows the help, F2 shows or hides the tips on the best move and F3 the score sheet with the game review.</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>&amp;Ljud</source>
        <translation>So&amp;und</translation>
    </message>
    <message>
        <source>Tangenter &amp;och tillägg…</source>
        <translation>&amp;Keys and extras…</translation>
    </message>
    <message>
        <source>Kolvo Tangenter och tillägg</source>
        <translation>Kolvo Keys and extras</translation>
    </message>
    <message>
        <source>Välj Nytt spel och antalet spelare för att börja, eller Nytt spel, Mot datorn för ett spel mot datorn.</source>
        <translation>Choose New game and the number of players to begin, or New game, Against the computer for a game against the computer.</translation>
    </message>
    <message>
        <source>Ett spel pågår. Vill Du avbryta det och börja ett nytt ?</source>
        <translation>A game is in progress. Do you want to end it and start a new one?</translation>
    </message>
    <message>
        <source>Ett spel pågår. Vill Du avsluta Kolvo ändå ?</source>
        <translation>A game is in progress. Do you want to quit Kolvo anyway?</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>Kolvo Tips</source>
        <translation>Kolvo Tips</translation>
    </message>
    <message>
        <source>Tips för %1</source>
        <translation>Tips for %1</translation>
    </message>
    <message>
        <source>spelare nr %1</source>
        <translation>player %1</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Förväntat slutresultat</source>
        <translation>Expected final score</translation>
    </message>
    <message>
        <source>Tipsen räknas fram, det tar några sekunder första gången. Spela vidare: de visas här när de är klara.</source>
        <translation>The tips are being worked out, which takes a few seconds the first time. Play on: they show here when they are ready.</translation>
    </message>
    <message>
        <source>Tipsen läses in.</source>
        <translation>The tips are being loaded.</translation>
    </message>
    <message>
        <source>Välj antalet spelare i menyn Nytt spel först.</source>
        <translation>Choose the number of players in the New game menu first.</translation>
    </message>
    <message>
        <source>Tärningarna rullar.</source>
        <translation>The dice are rolling.</translation>
    </message>
    <message>
        <source>Kasta tärningarna först.</source>
        <translation>Roll the dice first.</translation>
    </message>
    <message>
        <source>Alla kategorier är redan använda.</source>
        <translation>All categories are already used.</translation>
    </message>
    <message>
        <source>Håll %1 (%2), kasta om %3</source>
        <translation>Hold %1 (%2), reroll %3</translation>
    </message>
    <message>
        <source>Kasta om alla fem</source>
        <translation>Reroll all five</translation>
    </message>
    <message>
        <source>Behåll alla, välj %1 (%2 poäng)</source>
        <translation>Keep them all, take %1 for %2</translation>
    </message>
    <message>
        <source>Behåll alla, offra %1</source>
        <translation>Keep them all, scratch %1</translation>
    </message>
    <message>
        <source>Välj %1 (%2 poäng)</source>
        <translation>Take %1 for %2</translation>
    </message>
    <message>
        <source>Offra %1</source>
        <translation>Scratch %1</translation>
    </message>
    <message>
        <source>tärning %1</source>
        <translation>die %1</translation>
    </message>
    <message>
        <source>tärningarna %1</source>
        <translation>dice %1</translation>
    </message>
    <message>
        <source>%1 och %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Computer</name>
    <message>
        <source>Mot &amp;datorn…</source>
        <translation>Against the &amp;computer…</translation>
    </message>
    <message>
        <source>Mot datorn</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>&amp;Människor:</source>
        <translation>&amp;People:</translation>
    </message>
    <message>
        <source>&amp;Datorer:</source>
        <translation>&amp;Computers:</translation>
    </message>
    <message>
        <source>&amp;Styrka:</source>
        <translation>&amp;Strength:</translation>
    </message>
    <message>
        <source>Nybörjare</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Medel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Svår</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Perfekt</source>
        <translation>Perfect</translation>
    </message>
    <message>
        <source>%1, cirka %2 poäng i snitt</source>
        <translation>%1, about %2 points on average</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>gör ofta misstag</source>
        <translation>often makes mistakes</translation>
    </message>
    <message>
        <source>spelar bra men inte felfritt</source>
        <translation>plays well but not flawlessly</translation>
    </message>
    <message>
        <source>missar sällan</source>
        <translation>seldom slips</translation>
    </message>
    <message>
        <source>gör alltid det bästa draget</source>
        <translation>always makes the best move</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>P&amp;ace:</translation>
    </message>
    <message>
        <source>Snabb</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Långsam</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Datorn %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>%1 spelar, vänta.</source>
        <translation>%1 is playing, please wait.</translation>
    </message>
    <message>
        <source>Datorn tänker: dess drag räknas fram, det tar några sekunder första gången.</source>
        <translation>The computer is thinking: its move is being worked out, which takes a few seconds the first time.</translation>
    </message>
    <message>
        <source>en tur på ett par sekunder</source>
        <translation>a turn in a couple of seconds</translation>
    </message>
    <message>
        <source>en halv sekund mellan dragen</source>
        <translation>half a second between moves</translation>
    </message>
    <message>
        <source>en sekund mellan dragen, lätt att följa</source>
        <translation>a second between moves, easy to follow</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Ettor</source>
        <translation>Ones</translation>
    </message>
    <message>
        <source>Tvåor</source>
        <translation>Twos</translation>
    </message>
    <message>
        <source>Treor</source>
        <translation>Threes</translation>
    </message>
    <message>
        <source>Fyror</source>
        <translation>Fours</translation>
    </message>
    <message>
        <source>Femmor</source>
        <translation>Fives</translation>
    </message>
    <message>
        <source>Sexor</source>
        <translation>Sixes</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>One Pair</translation>
    </message>
    <message>
        <source>Två Par</source>
        <translation>Two Pairs</translation>
    </message>
    <message>
        <source>Triss</source>
        <translation>Three of a Kind</translation>
    </message>
    <message>
        <source>Fyrtal</source>
        <translation>Four of a Kind</translation>
    </message>
    <message>
        <source>Lillan</source>
        <translation>Small Straight</translation>
    </message>
    <message>
        <source>Storan</source>
        <translation>Large Straight</translation>
    </message>
    <message>
        <source>Kåk</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Kolvo</source>
        <translation>Kolvo</translation>
    </message>
    <message>
        <source>Chans</source>
        <translation>Chance</translation>
    </message>
</context>
<context>
    <name>Intro</name>
    <message>
        <source>    Kolvo Introduktion</source>
        <translation>    Kolvo Introduction</translation>
    </message>
    <message>
        <source>Till inmatningar</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Går vidare till tärningsvalet. Enter eller mellanslag trycker på knappen.</source>
        <translation>Goes on to the choice of dice. Enter or Space presses the button.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Tangenter</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>1–5</source>
        <translation>1–5</translation>
    </message>
    <message>
        <source>håller eller släpper tärning 1 till 5</source>
        <translation>hold or release die 1 to 5</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>kastar tärningarna, utom när en kategori har fokus</source>
        <translation>rolls the dice, except when a category has the focus</translation>
    </message>
    <message>
        <source>Mellanslag</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>trycker på Kasta, eller kryssar i kategorin som har fokus</source>
        <translation>presses Roll, or ticks the category that has the focus</translation>
    </message>
    <message>
        <source>Tab, Skift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>går mellan Kasta och kategorierna; varje tur börjar på Kasta</source>
        <translation>move between Roll and the categories; every turn starts at Roll</translation>
    </message>
    <message>
        <source>Piltangenterna</source>
        <translation>Arrow keys</translation>
    </message>
    <message>
        <source>går mellan kategorierna</source>
        <translation>move between the categories</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>visar hjälpen, som Hjälp</source>
        <translation>shows the help, as Help does</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>visar eller döljer tipsen, som Fil → Tips</source>
        <translation>shows or hides the tips, as File → Tips does</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>visar eller döljer protokollet, som Fil → Protokoll; Esc stänger det också</source>
        <translation>shows or hides the score sheet, as File → Score sheet does; Esc closes it too</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>läser upp tärningarna och vilket kast det är, för den som inte ser bordet</source>
        <translation>reads out the dice and which roll it is, for a player who cannot see the board</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>läser upp protokollet för spelaren i tur: de lediga kategorierna och övre summan mot 63</source>
        <translation>reads out the score sheet of the player in turn: the open categories and the upper sum towards 63</translation>
    </message>
    <message>
        <source>Alt+F, Alt+N</source>
        <translation>Alt+F, Alt+N</translation>
    </message>
    <message>
        <source>öppnar menyerna Fil och Nytt spel</source>
        <translation>open the menus File and New game</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+H</translation>
    </message>
    <message>
        <source>visar hjälpen</source>
        <translation>shows the help</translation>
    </message>
    <message>
        <source>En tangent som hålls nere gör sitt en gång.</source>
        <translation>A key held down acts once.</translation>
    </message>
    <message>
        <source>Mot datorn</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>Nytt spel → Mot datorn… frågar efter antalet människor och datorer, datorernas styrka och tempo, och sedan efter människornas namn. Människorna spelar först, datorerna (Datorn 1, Datorn 2, …) efter dem. Datorn spelar med samma knappar som en människa, i en takt som går att följa, och under dess tur svarar kastknappen, tärningarna och kategorierna ingen annan; menyerna fungerar som vanligt. Formuläret minns de senaste valen så länge programmet körs. En dators seger blir inte rekord.</source>
        <translation>New game → Against the computer… asks for the number of people and computers, the computers&apos; strength and pace, and then for the people&apos;s names. The people play first, the computers (Computer 1, Computer 2, …) after them. A computer plays with the same buttons as a person, at a pace you can follow, and during its turn the roll button, the dice and the categories answer no one else; the menus work as usual. The form remembers the last choices for as long as the program runs. A computer&apos;s win never becomes the record.</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>Snabb, Normal eller Långsam: hur fort datorn gör sina drag</source>
        <translation>Fast, Normal or Slow: how quickly the computer makes its moves</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>F2 eller Fil → Tips visar ett litet fönster bredvid spelet med de tre bästa dragen för spelaren i tur, som om spelaren spelade ensam: vilka tärningar som ska hållas eller vilken kategori som ska väljas, och vilket slutresultat vart och ett kan väntas ge. Fönstret följer spelet, tar aldrig fokus och ändrar aldrig spelet. Första gången räknas tipsen fram på några sekunder medan spelet fortsätter; de sparas i ~/.cache/Kolvo/solver-table.bin ($XDG_CACHE_HOME/Kolvo/solver-table.bin när den är satt) och läses därifrån nästa gång.</source>
        <translation>F2 or File → Tips shows a small window beside the game with the three best moves for the player in turn, as if that player were playing alone: which dice to hold or which category to choose, and the final score each can be expected to give. The window follows the game, never takes the focus and never changes the game. The first time, the tips are worked out in a few seconds while the game goes on; they are saved in ~/.cache/Kolvo/solver-table.bin ($XDG_CACHE_HOME/Kolvo/solver-table.bin when that is set) and read from there the next time.</translation>
    </message>
    <message>
        <source>Protokoll och Spelanalys</source>
        <translation>Score sheet and Game review</translation>
    </message>
    <message>
        <source>Med skärmläsare</source>
        <translation>With a screen reader</translation>
    </message>
    <message>
        <source>Allt som händer berättas för skärmläsaren (Orca) när det händer, utan att fokus flyttas: spelets början, varje kast när tärningarna ligger still, varje tärning som hålls eller släpps, varje kategori som fylls i eller stryks och vem som kastar sedan, datorns drag med samma ord, och slutet med allas poäng. Tärningarna är knappar som heter efter sitt värde. F5 och F6 läser upp tärningarna och protokollet igen, F2 tipsen.</source>
        <translation>Everything that happens is told to the screen reader (Orca) as it happens, without moving the focus: the start of the game, every roll once the dice lie still, every die held or released, every category filled in or scratched and who rolls next, the computer&apos;s moves in the same words, and the end with everyone&apos;s score. The dice are buttons named after their value. F5 and F6 read out the dice and the score sheet again, F2 the tips.</translation>
    </message>
    <message>
        <source>Ljud</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Fil → Ljud slår på och av ljudet. Av tystnar musiken genast och inget ljud spelas; på spelas ljuden igen från nästa. Valet sparas till nästa gång i ~/.config/Kolvo/Kolvo.conf ($XDG_CONFIG_HOME/Kolvo/Kolvo.conf när den är satt), avsnittet [Preferences], där också rekordet står.</source>
        <translation>File → Sound switches the sound on and off. Off, the music stops at once and no sound plays; on, the sounds play again from the next one. The choice is kept for next time in ~/.config/Kolvo/Kolvo.conf ($XDG_CONFIG_HOME/Kolvo/Kolvo.conf when that is set), in the section [Preferences], where the record is kept too.</translation>
    </message>
    <message>
        <source>Språk / Language</source>
        <translation>Språk / Language</translation>
    </message>
    <message>
        <source>Fil → Språk / Language visar programmet på svenska eller engelska (English), och på varje annat språk vars översättning finns med. Valet gäller genast i alla fönster, också mitt i ett spel, som fortsätter som det var, och sparas till nästa gång i samma fil som ljudet. Utan något val talar programmet svenska.</source>
        <translation>File → Språk / Language shows the program in Swedish (Svenska) or English, and in every other language whose translation comes with it. The choice applies at once in every window, also in the middle of a game, which goes on as it was, and is kept for next time in the same file as the sound. With no choice made the program speaks Swedish.</translation>
    </message>
    <message>
        <source>F3 eller Fil → Protokoll visar alla spelares protokoll i ett fönster bredvid spelet, med spelaren i tur markerad och, nedtonat, vad tärningarna på bordet skulle ge i de lediga kategorierna. Rutan som skrevs sist är markerad till nästa kast, och efter spelet står en summering under varje kolumn. I fliken Spelanalys bedöms varje spelares beslut med tipsens tabell: varje håll inför andra och tredje kastet och varje kategori som fylls i eller stryks, och hur många poäng det kostade mot det bästa valet. Överst visar ett diagram varje spelares väntade slutresultat efter varje tur, med de dyra valen ringade och perfekt spel som en streckad linje. Under det står förlusten hittills och först de tre val som kostade mest, vart och ett med turen och kastet, vad som gjordes och vad som var bäst, och varför: vad valen gav nu, mot bonusen och för resten av spelet. Därefter, i mindre stil, de andra valen som kostade mer än en poäng, i den ordning de togs.</source>
        <translation>F3 or File → Score sheet shows every player&apos;s score sheet in a window beside the game, with the player in turn marked and, dimmed, what the dice on the table would give in the open categories. The box written last is marked until the next roll, and after the game a summary stands under each column. In the Game review tab every player&apos;s decisions are judged with the tips&apos; table: every hold before the second and third roll and every category filled in or scratched, and how many points it cost against the best choice. At the top a chart shows every player&apos;s expected final score after each turn, with the costly choices ringed and perfect play as a dashed line. Below it stand the loss so far and first the three choices that cost the most, each with its turn and roll, what was done and what was best, and why: what the choices gave now, towards the bonus and for the rest of the game. After them, in smaller type, the other choices that cost more than a point, in the order they were made.</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>läser upp spelanalysen en lärdom i taget: för spelaren i tur, efter spelet för alla</source>
        <translation>reads the game review aloud a lesson at a time: the player in turn&apos;s, after the game everyone&apos;s</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>läser upp ställningen: alla spelares namn och poäng och vem som har turen</source>
        <translation>reads the standings aloud: every player&apos;s name and total, and whose turn it is</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Tur %1, efter kast %2: %3, väntat slutresultat %4; %5, %6 (%7 poäng)</source>
        <translation>Turn %1, after roll %2: %3, expected final score %4; %5, %6 (%7 points)</translation>
    </message>
    <message>
        <source>du</source>
        <translation>you</translation>
    </message>
    <message>
        <source>%1 höll %2 och kastade om %3</source>
        <translation>%1 held %2 and rerolled %3</translation>
    </message>
    <message>
        <source>%1 kastade om alla fem</source>
        <translation>%1 rerolled all five</translation>
    </message>
    <message>
        <source>%1 höll alla fem och kastade ändå</source>
        <translation>%1 held all five and rolled anyway</translation>
    </message>
    <message>
        <source>%1 skrev %2 (%3 poäng)</source>
        <translation>%1 took %2 for %3</translation>
    </message>
    <message>
        <source>%1 strök %2</source>
        <translation>%1 scratched %2</translation>
    </message>
    <message>
        <source>bäst var att hålla %1 och kasta om %2</source>
        <translation>the best was to hold %1 and reroll %2</translation>
    </message>
    <message>
        <source>bäst var att kasta om alla fem</source>
        <translation>the best was to reroll all five</translation>
    </message>
    <message>
        <source>bäst var att skriva %1 (%2 poäng)</source>
        <translation>the best was to take %1 for %2</translation>
    </message>
    <message>
        <source>bäst var att stryka %1</source>
        <translation>the best was to scratch %1</translation>
    </message>
    <message>
        <source>dig</source>
        <translation>you</translation>
    </message>
    <message>
        <source>%1 hade fört %2 till %3 av %4 mot bonusen; %5 kan fyllas senare.</source>
        <translation>%1 would have brought %2 to %3 of %4 towards the bonus; %5 can be filled later.</translation>
    </message>
    <message>
        <source>%1 hade gett %2 bonusen på %3 poäng; %4 kan fyllas senare.</source>
        <translation>%1 would have given %2 the bonus of %3 points; %4 can be filled later.</translation>
    </message>
    <message>
        <source>Med %1 poäng i %2 kan bonusen inte längre nås; %3 hade hållit den inom räckhåll.</source>
        <translation>With %1 points in %2 the bonus can no longer be reached; %3 would have kept it within reach.</translation>
    </message>
    <message>
        <source>%1 gav %2 poäng, %3 av %4 mot bonusen; %1 var värd mer sparad till ett bättre kast.</source>
        <translation>%1 gave %2 points, %3 of %4 towards the bonus; %1 was worth more saved for a better roll.</translation>
    </message>
    <message>
        <source>Att stryka %1 gav upp en kategori som ännu kunde slås: med %1 öppen väntades resten av spelet ge %2 poäng mer.</source>
        <translation>Scratching %1 gave up a category that could still be rolled: with %1 open the rest of the game was expected to give %2 points more.</translation>
    </message>
    <message>
        <source>Att stryka %1 gav upp en kategori som ännu kunde slås.</source>
        <translation>Scratching %1 gave up a category that could still be rolled.</translation>
    </message>
    <message>
        <source>%1 gav %2 poäng på en gång; %3 kan fyllas senare.</source>
        <translation>%1 gave %2 points at once; %3 can be filled later.</translation>
    </message>
    <message>
        <source>%1 var värd mer sparad till ett sämre kast: med %1 öppen väntades resten av spelet ge %2 poäng mer.</source>
        <translation>%1 was worth more saved for a worse roll: with %1 open the rest of the game was expected to give %2 points more.</translation>
    </message>
    <message>
        <source>%1 var värd mer sparad till ett sämre kast.</source>
        <translation>%1 was worth more saved for a worse roll.</translation>
    </message>
    <message>
        <source>%1 var rätt ställe för det här kastet: med %2 öppen väntades resten av spelet ge %3 poäng mer.</source>
        <translation>%1 was the right place for this roll: with %2 open the rest of the game was expected to give %3 points more.</translation>
    </message>
    <message>
        <source>%1 gav %2 poäng mer nu, mer än de %3 poäng det var värt att spara %1.</source>
        <translation>%1 gave %2 points more now, more than the %3 points that keeping %1 open was worth.</translation>
    </message>
    <message>
        <source>%1 gav %2 poäng mer nu.</source>
        <translation>%1 gave %2 points more now.</translation>
    </message>
    <message>
        <source>%1 gav %2 poäng mer nu och lämnade %3 poäng mer till resten av spelet.</source>
        <translation>%1 gave %2 points more now and left %3 points more for the rest of the game.</translation>
    </message>
    <message>
        <source>%1 gav %2 poäng mindre nu men lämnade %3 poäng mer till resten av spelet.</source>
        <translation>%1 gave %2 points less now but left %3 points more for the rest of the game.</translation>
    </message>
    <message>
        <source>%1 gav lika mycket nu och lämnade %2 poäng mer till resten av spelet.</source>
        <translation>%1 gave as much now and left %2 points more for the rest of the game.</translation>
    </message>
    <message>
        <source>%1 gav %2 chans till %3, mot %4 %5.</source>
        <translation>%1 gave a %2 chance of %3, against %4 %5.</translation>
    </message>
    <message>
        <source>%1 gav %2 chans till %3; att %4 nu gav %5 poäng.</source>
        <translation>%1 gave a %2 chance of %3; %4 now gave %5 points.</translation>
    </message>
    <message>
        <source>Att skriva %1 nu gav %2 poäng säkert; %3 var chansen till %1 bara %4.</source>
        <translation>Writing %1 now gave %2 points for sure; %3 the chance of %1 was only %4.</translation>
    </message>
    <message>
        <source>%1 gav %2 chans till %3 och i snitt %4 poäng mer i slutresultat.</source>
        <translation>%1 gave a %2 chance of %3 and on average %4 points more in the final score.</translation>
    </message>
    <message>
        <source>%1 gav i snitt %2 poäng mer i slutresultat.</source>
        <translation>%1 gave on average %2 points more in the final score.</translation>
    </message>
    <message>
        <source>Att hålla %1 och kasta om %2</source>
        <translation>Holding %1 and rerolling %2</translation>
    </message>
    <message>
        <source>Att kasta om alla fem</source>
        <translation>Rerolling all five</translation>
    </message>
    <message>
        <source>Att skriva %1 nu</source>
        <translation>Writing %1 now</translation>
    </message>
    <message>
        <source>Att stryka %1 nu</source>
        <translation>Scratching %1 now</translation>
    </message>
    <message>
        <source>med det %1 höll</source>
        <translation>with what %1 held</translation>
    </message>
    <message>
        <source>när %1 kastade om alla fem</source>
        <translation>when %1 rerolled all five</translation>
    </message>
    <message>
        <source>skriva %1</source>
        <translation>writing %1</translation>
    </message>
    <message>
        <source>stryka %1</source>
        <translation>scratching %1</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>I stället för filen %1 finns en mapp.</source>
        <translation>There is a folder where the file %1 should be.</translation>
    </message>
    <message>
        <source>Filen %1 går inte att skriva till.</source>
        <translation>The file %1 cannot be written to.</translation>
    </message>
    <message>
        <source>Ett annat Kolvo sparade samtidigt och blev inte klart.</source>
        <translation>Another Kolvo was saving at the same time and did not finish.</translation>
    </message>
    <message>
        <source>Mappen %1 går inte att skriva i.</source>
        <translation>The folder %1 cannot be written to.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>    Tärningsval                              KOLVO FÖR SEX SPELARE</source>
        <translation>    Choice of dice                              KOLVO FOR SIX PLAYERS</translation>
    </message>
    <message>
        <source> Välj tärning.</source>
        <translation> Choose dice.</translation>
    </message>
    <message>
        <source>Tärningsstil %1</source>
        <translation>Dice style %1</translation>
    </message>
    <message>
        <source>Väljer tärningar i stil %1. Tabb går till nästa stil, mellanslag eller Enter väljer.</source>
        <translation>Chooses dice in style %1. Tab goes to the next style, Space or Enter chooses.</translation>
    </message>
    <message>
        <source>Tryck här när all inmatning är klar</source>
        <translation>Press here when everything is entered</translation>
    </message>
    <message>
        <source>Vidare</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Tryck här när all inmatning är klar. Mellanslag eller Enter går vidare till spelet.</source>
        <translation>Press here when everything is entered. Space or Enter goes on to the game.</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Protokoll</source>
        <translation>Score sheet</translation>
    </message>
    <message>
        <source>&amp;Protokoll</source>
        <translation>&amp;Score sheet</translation>
    </message>
    <message>
        <source>Övre summa</source>
        <translation>Upper sum</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Summa</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Spelanalys</source>
        <translation>Game review</translation>
    </message>
    <message>
        <source>Ettor ger summan av alla tärningar som visar en etta.</source>
        <translation>Ones gives the sum of all dice showing a one.</translation>
    </message>
    <message>
        <source>Tvåor ger summan av alla tärningar som visar en tvåa.</source>
        <translation>Twos gives the sum of all dice showing a two.</translation>
    </message>
    <message>
        <source>Treor ger summan av alla tärningar som visar en trea.</source>
        <translation>Threes gives the sum of all dice showing a three.</translation>
    </message>
    <message>
        <source>Fyror ger summan av alla tärningar som visar en fyra.</source>
        <translation>Fours gives the sum of all dice showing a four.</translation>
    </message>
    <message>
        <source>Femmor ger summan av alla tärningar som visar en femma.</source>
        <translation>Fives gives the sum of all dice showing a five.</translation>
    </message>
    <message>
        <source>Sexor ger summan av alla tärningar som visar en sexa.</source>
        <translation>Sixes gives the sum of all dice showing a six.</translation>
    </message>
    <message>
        <source>Par är två tärningar med samma värde och ger deras summa, det högsta paret räknas.</source>
        <translation>One Pair is two dice of the same value and gives their sum; the highest pair counts.</translation>
    </message>
    <message>
        <source>Två par är två par med olika värden och ger summan av de fyra tärningarna.</source>
        <translation>Two Pairs is two pairs of different values and gives the sum of those four dice.</translation>
    </message>
    <message>
        <source>Triss är tre tärningar med samma värde och ger summan av de tre.</source>
        <translation>Three of a Kind is three dice of the same value and gives the sum of those three.</translation>
    </message>
    <message>
        <source>Fyrtal är fyra tärningar med samma värde och ger summan av de fyra.</source>
        <translation>Four of a Kind is four dice of the same value and gives the sum of those four.</translation>
    </message>
    <message>
        <source>Lillan är 1, 2, 3, 4 och 5 och ger alltid 15 poäng.</source>
        <translation>Small Straight is 1, 2, 3, 4 and 5 and always gives 15 points.</translation>
    </message>
    <message>
        <source>Storan är 2, 3, 4, 5 och 6 och ger alltid 20 poäng.</source>
        <translation>Large Straight is 2, 3, 4, 5 and 6 and always gives 20 points.</translation>
    </message>
    <message>
        <source>Kåk är tre lika och två lika av ett annat värde och ger summan av alla fem tärningarna.</source>
        <translation>Full House is three of one value and two of another and gives the sum of all five dice.</translation>
    </message>
    <message>
        <source>Kolvo är fem tärningar med samma värde och ger alltid 50 poäng.</source>
        <translation>Kolvo is five dice of the same value and always gives 50 points.</translation>
    </message>
    <message>
        <source>Chans tar vilka tärningar som helst och ger summan av alla fem.</source>
        <translation>Chance takes any dice at all and gives the sum of all five.</translation>
    </message>
    <message>
        <source>Summan av Ettor till Sexor; når den 63 får Du en bonus på 50 poäng.</source>
        <translation>The sum of Ones to Sixes; when it reaches 63 you get a bonus of 50 points.</translation>
    </message>
    <message>
        <source>50 poäng när Ettor till Sexor tillsammans ger minst 63.</source>
        <translation>50 points when Ones to Sixes together give at least 63.</translation>
    </message>
    <message>
        <source>Alla poäng på protokollet, bonusen medräknad.</source>
        <translation>All the points on the score sheet, the bonus included.</translation>
    </message>
    <message>
        <source>Hur många poäng spelarens val kostade mot det bästa spelet, räknat i förväntat slutresultat.</source>
        <translation>How many points the player&apos;s choices cost against the best play, counted in expected final score.</translation>
    </message>
    <message>
        <source>möjligt med tärningarna på bordet</source>
        <translation>possible with the dice on the table</translation>
    </message>
    <message>
        <source>struken</source>
        <translation>scratched</translation>
    </message>
    <message>
        <source>nyss skriven</source>
        <translation>just written</translation>
    </message>
    <message>
        <source>i tur</source>
        <translation>in turn</translation>
    </message>
    <message>
        <source>vinnare</source>
        <translation>winner</translation>
    </message>
    <message>
        <source>Inget spel ännu. Välj antalet spelare i menyn Nytt spel.</source>
        <translation>No game yet. Choose the number of players in the New game menu.</translation>
    </message>
    <message>
        <source>Nu kastar: %1</source>
        <translation>Now rolling: %1</translation>
    </message>
    <message>
        <source>Spelet är slut. Vinnare: %1 med %2 poäng.</source>
        <translation>The game is over. Winner: %1 with %2 points.</translation>
    </message>
    <message>
        <source>Spelanalysen räknas fram, det tar några sekunder första gången. Den visas här när den är klar.</source>
        <translation>The game review is being worked out, which takes a few seconds the first time. It shows here when it is ready.</translation>
    </message>
    <message>
        <source>Spelanalysen visas när en spelare har spelat klart en tur.</source>
        <translation>The game review shows once a player has finished a turn.</translation>
    </message>
    <message>
        <source>%1: ingen tur spelad ännu.</source>
        <translation>%1: no turn played yet.</translation>
    </message>
    <message>
        <source>%1: %2 poäng förlorade mot bästa spel, %3.</source>
        <translation>%1: %2 points lost against the best play, %3.</translation>
    </message>
    <message>
        <source>%1: %2 poäng förlorade mot bästa spel under spelet, %3.</source>
        <translation>%1: %2 points lost against the best play over the game, %3.</translation>
    </message>
    <message>
        <source>inget val kostade mer än 1 poäng</source>
        <translation>no choice cost more than 1 point</translation>
    </message>
    <message>
        <source>ett val kostade mer än 1 poäng</source>
        <translation>one choice cost more than 1 point</translation>
    </message>
    <message>
        <source>%1 val kostade mer än 1 poäng</source>
        <translation>%1 choices cost more than 1 point</translation>
    </message>
    <message>
        <source>%1 poäng förlorade mot bästa spel, %2</source>
        <translation>%1 points lost against the best play, %2</translation>
    </message>
    <message>
        <source>ingen</source>
        <translation>none</translation>
    </message>
    <message>
        <source>en</source>
        <translation>one</translation>
    </message>
    <message>
        <source>två</source>
        <translation>two</translation>
    </message>
    <message>
        <source>tre</source>
        <translation>three</translation>
    </message>
    <message>
        <source>fyra</source>
        <translation>four</translation>
    </message>
    <message>
        <source>fem</source>
        <translation>five</translation>
    </message>
    <message>
        <source>Ettor</source>
        <translation>Ones</translation>
    </message>
    <message>
        <source>Tvåor</source>
        <translation>Twos</translation>
    </message>
    <message>
        <source>Treor</source>
        <translation>Threes</translation>
    </message>
    <message>
        <source>Fyror</source>
        <translation>Fours</translation>
    </message>
    <message>
        <source>Femmor</source>
        <translation>Fives</translation>
    </message>
    <message>
        <source>Sexor</source>
        <translation>Sixes</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>One Pair</translation>
    </message>
    <message>
        <source>Två par</source>
        <translation>Two Pairs</translation>
    </message>
    <message>
        <source>Triss</source>
        <translation>Three of a Kind</translation>
    </message>
    <message>
        <source>Fyrtal</source>
        <translation>Four of a Kind</translation>
    </message>
    <message>
        <source>Lillan</source>
        <translation>Small Straight</translation>
    </message>
    <message>
        <source>Storan</source>
        <translation>Large Straight</translation>
    </message>
    <message>
        <source>Kåk</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Kolvo</source>
        <translation>Kolvo</translation>
    </message>
    <message>
        <source>Chans</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Det som kostade mest:</source>
        <translation>What cost the most:</translation>
    </message>
    <message>
        <source>Övriga val som kostade mer än 1 poäng, i den ordning de gjordes:</source>
        <translation>Other choices that cost more than 1 point, in the order they were made:</translation>
    </message>
    <message>
        <source>%1, lärdom %2 av %3: %4</source>
        <translation>%1, lesson %2 of %3: %4</translation>
    </message>
    <message>
        <source>Väntat slutresultat tur för tur</source>
        <translation>Expected final score turn by turn</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Väntat slutresultat</source>
        <translation>Expected final score</translation>
    </message>
    <message>
        <source>Perfekt spel %1</source>
        <translation>Perfect play %1</translation>
    </message>
    <message>
        <source>Varje spelares väntade slutresultat efter varje tur, med perfekt spel därifrån. Perfekt spel från början väntar %1 poäng.</source>
        <translation>Every player&apos;s expected final score after each turn, with perfect play from there on. Perfect play from the start expects %1 points.</translation>
    </message>
    <message>
        <source>%1: %2 %3, lägst %4 %5, senast %6 %7.</source>
        <translation>%1: %2 %3, lowest %4 %5, last %6 %7.</translation>
    </message>
    <message>
        <source>Största förluster: %1.</source>
        <translation>Largest losses: %1.</translation>
    </message>
    <message>
        <source>tur %1 (%2)</source>
        <translation>turn %1 (%2)</translation>
    </message>
    <message>
        <source>före första turen</source>
        <translation>before the first turn</translation>
    </message>
    <message>
        <source>efter tur %1</source>
        <translation>after turn %1</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Ljudfilen kunde inte spelas upp:</source>
        <translation>The sound file could not be played:</translation>
    </message>
    <message>
        <source>Mediekommandot kunde inte utföras:</source>
        <translation>The media command could not be carried out:</translation>
    </message>
    <message>
        <source>Ljudutgången kunde inte öppnas.</source>
        <translation>The sound output could not be opened.</translation>
    </message>
    <message>
        <source>Filen finns inte.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Filen kan inte läsas.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>Det är ingen vanlig fil.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>Behörighet saknas för att läsa filen.</source>
        <translation>There is no permission to read the file.</translation>
    </message>
    <message>
        <source>Filen är ingen WAV-ljudfil som kan spelas upp.</source>
        <translation>The file is no WAV sound file that can be played.</translation>
    </message>
    <message>
        <source>Ljudet kunde inte startas.</source>
        <translation>The sound could not be started.</translation>
    </message>
    <message>
        <source>MIDI kan inte spelas upp: FluidSynth saknas.</source>
        <translation>MIDI cannot be played: FluidSynth is missing.</translation>
    </message>
    <message>
        <source>MIDI kan inte spelas upp: FluidSynth kunde inte startas.</source>
        <translation>MIDI cannot be played: FluidSynth could not be started.</translation>
    </message>
    <message>
        <source>Filen är ingen MIDI-fil som kan spelas upp.</source>
        <translation>The file is no MIDI file that can be played.</translation>
    </message>
    <message>
        <source>Låten kunde inte startas.</source>
        <translation>The tune could not be started.</translation>
    </message>
    <message>
        <source>Ljudbanken för MIDI saknas: </source>
        <translation>The sound bank for MIDI is missing: </translation>
    </message>
    <message>
        <source>Ljudbanken för MIDI kan inte läsas: </source>
        <translation>The sound bank for MIDI cannot be read: </translation>
    </message>
    <message>
        <source>Okänt kommando.</source>
        <translation>Unknown command.</translation>
    </message>
    <message>
        <source>Filnamnet saknas.</source>
        <translation>The file name is missing.</translation>
    </message>
    <message>
        <source>Filtypen kan inte spelas upp (bara .wav och .mid).</source>
        <translation>This type of file cannot be played (only .wav and .mid).</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Spelet börjar. Spelare: %1. %2 kastar först.</source>
        <translation>The game begins. Players: %1. %2 rolls first.</translation>
    </message>
    <message>
        <source> Tryck Enter för att kasta, siffrorna 1 till 5 håller tärningar, pilarna väljer kategori.</source>
        <translation> Press Enter to roll, the digits 1 to 5 hold dice, the arrows choose a category.</translation>
    </message>
    <message>
        <source>Kast %1 av 3: %2</source>
        <translation>Roll %1 of 3: %2</translation>
    </message>
    <message>
        <source>%1 hålls</source>
        <translation>%1 held</translation>
    </message>
    <message>
        <source>Tärning %1: %2, hålls</source>
        <translation>Die %1: %2, held</translation>
    </message>
    <message>
        <source>Tärning %1: %2, släppt</source>
        <translation>Die %1: %2, released</translation>
    </message>
    <message>
        <source>%1 skrev %2: %3 poäng.</source>
        <translation>%1 took %2 for %3.</translation>
    </message>
    <message>
        <source>%1 strök %2.</source>
        <translation>%1 scratched %2.</translation>
    </message>
    <message>
        <source> Bonus: %1 poäng.</source>
        <translation> Bonus: %1 points.</translation>
    </message>
    <message>
        <source> Nu kastar %1.</source>
        <translation> Now %1 rolls.</translation>
    </message>
    <message>
        <source>Spelet är slut. %1 vann med %2 poäng.</source>
        <translation>The game is over. %1 won with %2 points.</translation>
    </message>
    <message>
        <source> %1 %2 poäng.</source>
        <translation> %1 %2 points.</translation>
    </message>
    <message>
        <source> Nytt rekord!</source>
        <translation> New record!</translation>
    </message>
    <message>
        <source>Tärningarna rullar.</source>
        <translation>The dice are rolling.</translation>
    </message>
    <message>
        <source>%1 kastar: inget kast ännu.</source>
        <translation>%1 to roll: no roll yet.</translation>
    </message>
    <message>
        <source>%1: fria är %2. Övre summa %3 av %4. Summa %5.</source>
        <translation>%1: %2 still open. Upper sum %3 of %4. Total %5.</translation>
    </message>
    <message>
        <source>%1: alla kategorier är använda. Summa %2.</source>
        <translation>%1: all categories are used. Total %2.</translation>
    </message>
    <message>
        <source> och </source>
        <translation> and </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Spelare %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Ställning: %1.</source>
        <translation>Standings: %1.</translation>
    </message>
    <message>
        <source>%1 %2 poäng</source>
        <translation>%1 %2 points</translation>
    </message>
    <message>
        <source> %1 har turen.</source>
        <translation> It is %1&apos;s turn.</translation>
    </message>
    <message>
        <source> %1 har turen och spelar.</source>
        <translation> It is %1&apos;s turn, playing now.</translation>
    </message>
    <message>
        <source>Inget spel pågår.</source>
        <translation>No game is running.</translation>
    </message>
</context>
</TS>
