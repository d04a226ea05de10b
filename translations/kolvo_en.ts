<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sv">
<context>
    <name>Board</name>
    <message>
        <source>Spelare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poäng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nu kastar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visar vilken spelare som är i tur att kasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Högsta poäng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rekordhållarens namn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rekordhållarens poäng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ettor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tvåor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fyror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Femmor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sexor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Två par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fyrtal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lillan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kåk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kolvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Håll/släpp med klick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nytt spel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;En spelare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Två spelare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;re spelare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fyra spelare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fe&amp;m spelare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;x spelare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hjälp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Håll/släpp tärning med musklick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tärning %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ingen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, hålls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, rullar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tärningen hålls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kast %1 av 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tryck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vad heter spelare nr %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vill Du offra %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gratulerar ! Du har fått 50 poäng i bonus !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vinner gör %1<byte value="xd"/>
med poängen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segrare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelet är slut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nytt rekord !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rekordet kunde inte sparas och finns inte kvar nästa gång.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Välj antalet spelare i menyn Nytt Spel !<byte value="xd"/>
Välj poäng genom att markera aktuell checkbox.<byte value="xd"/>
Håll/släpp tärning genom att klicka på aktuell tärning.<byte value="xd"/>
Du kan slå tärningen 3 gånger, men Du kan sätta poängen när Du vill.<byte value="xd"/>
Tips ! Om Du tar 3 av varje av nummer 1-6 kan Du få en bonus på 50 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kolvo Hjälp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Två Par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Övre %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summa %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kastar tärningarna som inte hålls. Mellanslag eller Enter kastar, tangenterna 1 till 5 håller och släpper tärningarna, Tab går till kategorierna, mellanslag väljer en kategori, F1 visar hjälpen, F2 visar eller döljer tipsen om bästa drag och F3 protokollet med spelanalysen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ljud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tangenter &amp;och tillägg…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kolvo Tangenter och tillägg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>Kolvo Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips för %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spelare nr %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Förväntat slutresultat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipsen räknas fram, det tar några sekunder första gången. Spela vidare: de visas här när de är klara.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipsen läses in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Välj antalet spelare i menyn Nytt spel först.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tärningarna rullar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasta tärningarna först.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alla kategorier är redan använda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Håll %1 (%2), kasta om %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasta om alla fem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behåll alla, välj %1 (%2 poäng)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behåll alla, offra %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Välj %1 (%2 poäng)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offra %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tärning %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tärningarna %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 och %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Computer</name>
    <message>
        <source>Mot &amp;datorn…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mot datorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Människor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datorer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Styrka:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nybörjare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Svår</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, cirka %2 poäng i snitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gör ofta misstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spelar bra men inte felfritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missar sällan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gör alltid det bästa draget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snabb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Långsam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datorn %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 spelar, vänta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datorn tänker: dess drag räknas fram, det tar några sekunder första gången.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Intro</name>
    <message>
        <source>    Kolvo Introduktion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Till inmatningar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Går vidare till tärningsvalet. Enter eller mellanslag trycker på knappen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Tangenter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1–5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>håller eller släpper tärning 1 till 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kastar tärningarna, utom när en kategori har fokus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mellanslag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trycker på Kasta, eller kryssar i kategorin som har fokus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab, Skift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>går mellan Kasta och kategorierna; varje tur börjar på Kasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piltangenterna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>går mellan kategorierna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>visar hjälpen, som Hjälp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>visar eller döljer tipsen, som Fil → Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>visar eller döljer protokollet, som Fil → Protokoll; Esc stänger det också</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>läser upp tärningarna och vilket kast det är, för den som inte ser bordet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>läser upp protokollet för spelaren i tur: de lediga kategorierna och övre summan mot 63</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+F, Alt+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>öppnar menyerna Fil och Nytt spel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>visar hjälpen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En tangent som hålls nere gör sitt en gång.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mot datorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nytt spel → Mot datorn… frågar efter antalet människor och datorer, datorernas styrka och tempo, och sedan efter människornas namn. Människorna spelar först, datorerna (Datorn 1, Datorn 2, …) efter dem. Datorn spelar med samma knappar som en människa, i en takt som går att följa, och under dess tur svarar kastknappen, tärningarna och kategorierna ingen annan; menyerna fungerar som vanligt. Formuläret minns de senaste valen så länge programmet körs. En dators seger blir inte rekord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snabb, Normal eller Långsam: hur fort datorn gör sina drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2 eller Fil → Tips visar ett litet fönster bredvid spelet med de tre bästa dragen för spelaren i tur, som om spelaren spelade ensam: vilka tärningar som ska hållas eller vilken kategori som ska väljas, och vilket slutresultat vart och ett kan väntas ge. Fönstret följer spelet, tar aldrig fokus och ändrar aldrig spelet. Första gången räknas tipsen fram på några sekunder medan spelet fortsätter; de sparas i ~/.cache/Kolvo/solver-table.bin ($XDG_CACHE_HOME/Kolvo/solver-table.bin när den är satt) och läses därifrån nästa gång.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokoll och Spelanalys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F3 eller Fil → Protokoll visar alla spelares protokoll i ett fönster bredvid spelet, med spelaren i tur markerad och, nedtonat, vad tärningarna på bordet skulle ge i de lediga kategorierna. Under tabellen bedömer Spelanalys varje spelares beslut med tipsens tabell: varje håll inför andra och tredje kastet och varje kategori som fylls i eller stryks, och hur många poäng det kostade mot det bästa valet. Den visar förlusten hittills, hur många beslut som kostade mer än en poäng och vart och ett av dem i den ordning de togs: turen och kastet, vad som gjordes och vad som var bäst, med väntat slutresultat för båda. Rutan som skrevs sist är markerad till nästa kast, och efter spelet står en summering under varje kolumn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Med skärmläsare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allt som händer berättas för skärmläsaren (Orca) när det händer, utan att fokus flyttas: spelets början, varje kast när tärningarna ligger still, varje tärning som hålls eller släpps, varje kategori som fylls i eller stryks och vem som kastar sedan, datorns drag med samma ord, och slutet med allas poäng. Tärningarna är knappar som heter efter sitt värde. F5 och F6 läser upp tärningarna och protokollet igen, F2 tipsen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ljud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil → Ljud slår på och av ljudet. Av tystnar musiken genast och inget ljud spelas; på spelas ljuden igen från nästa. Valet sparas till nästa gång i ~/.config/Kolvo/Kolvo.conf ($XDG_CONFIG_HOME/Kolvo/Kolvo.conf när den är satt), avsnittet [Preferences], där också rekordet står.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Språk / Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fil → Språk / Language visar programmet på svenska eller engelska (English), och på varje annat språk vars översättning finns med. Valet gäller genast i alla fönster, också mitt i ett spel, som fortsätter som det var, och sparas till nästa gång i samma fil som ljudet. Utan något val talar programmet svenska.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Tur %1, efter kast %2: %3, väntat slutresultat %4; %5, %6 (%7 poäng)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>du</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 höll %2 och kastade om %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kastade om alla fem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 höll alla fem och kastade ändå</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 skrev %2 (%3 poäng)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 strök %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bäst var att hålla %1 och kasta om %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bäst var att kasta om alla fem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bäst var att skriva %1 (%2 poäng)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bäst var att stryka %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>I stället för filen %1 finns en mapp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filen %1 går inte att skriva till.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ett annat Kolvo sparade samtidigt och blev inte klart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mappen %1 går inte att skriva i.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>    Tärningsval                              KOLVO FÖR SEX SPELARE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Välj tärning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tärningsstil %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Väljer tärningar i stil %1. Tabb går till nästa stil, mellanslag eller Enter väljer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tryck här när all inmatning är klar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vidare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tryck här när all inmatning är klar. Mellanslag eller Enter går vidare till spelet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Protokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Protokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Övre summa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelanalys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ettor ger summan av alla tärningar som visar en etta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tvåor ger summan av alla tärningar som visar en tvåa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treor ger summan av alla tärningar som visar en trea.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fyror ger summan av alla tärningar som visar en fyra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Femmor ger summan av alla tärningar som visar en femma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sexor ger summan av alla tärningar som visar en sexa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Par är två tärningar med samma värde och ger deras summa, det högsta paret räknas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Två par är två par med olika värden och ger summan av de fyra tärningarna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triss är tre tärningar med samma värde och ger summan av de tre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fyrtal är fyra tärningar med samma värde och ger summan av de fyra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lillan är 1, 2, 3, 4 och 5 och ger alltid 15 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storan är 2, 3, 4, 5 och 6 och ger alltid 20 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kåk är tre lika och två lika av ett annat värde och ger summan av alla fem tärningarna.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kolvo är fem tärningar med samma värde och ger alltid 50 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chans tar vilka tärningar som helst och ger summan av alla fem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summan av Ettor till Sexor; når den 63 får Du en bonus på 50 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 poäng när Ettor till Sexor tillsammans ger minst 63.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alla poäng på protokollet, bonusen medräknad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hur många poäng spelarens val kostade mot det bästa spelet, räknat i förväntat slutresultat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>möjligt med tärningarna på bordet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>struken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nyss skriven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i tur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vinnare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inget spel ännu. Välj antalet spelare i menyn Nytt spel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nu kastar: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelet är slut. Vinnare: %1 med %2 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelanalysen räknas fram, det tar några sekunder första gången. Den visas här när den är klar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelanalysen visas när en spelare har spelat klart en tur.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ingen tur spelad ännu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 poäng förlorade mot bästa spel, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 poäng förlorade mot bästa spel under spelet, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inget val kostade mer än 1 poäng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ett val kostade mer än 1 poäng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 val kostade mer än 1 poäng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 poäng förlorade mot bästa spel, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ingen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>två</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fyra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ettor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tvåor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fyror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Femmor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sexor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Två par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fyrtal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lillan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kåk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kolvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chans</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Ljudfilen kunde inte spelas upp:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mediekommandot kunde inte utföras:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ljudutgången kunde inte öppnas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filen finns inte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filen kan inte läsas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Det är ingen vanlig fil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behörighet saknas för att läsa filen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filen är ingen WAV-ljudfil som kan spelas upp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ljudet kunde inte startas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI kan inte spelas upp: FluidSynth saknas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI kan inte spelas upp: FluidSynth kunde inte startas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filen är ingen MIDI-fil som kan spelas upp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Låten kunde inte startas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ljudbanken för MIDI saknas: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ljudbanken för MIDI kan inte läsas: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okänt kommando.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filnamnet saknas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtypen kan inte spelas upp (bara .wav och .mid).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Spelet börjar. Spelare: %1. %2 kastar först.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tryck Enter för att kasta, siffrorna 1 till 5 håller tärningar, pilarna väljer kategori.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kast %1 av 3: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hålls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tärning %1: %2, hålls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tärning %1: %2, släppt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 skrev %2: %3 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 strök %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Bonus: %1 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nu kastar %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelet är slut. %1 vann med %2 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 %2 poäng.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nytt rekord!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tärningarna rullar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kastar: inget kast ännu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: fria är %2. Övre summa %3 av %4. Summa %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: alla kategorier är använda. Summa %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> och </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelare %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
