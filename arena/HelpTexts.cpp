// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/HelpTexts.h"

#include "arena/ArenaTexts.h"
#include "arena/SpokenTexts.h"

namespace texts {

QString strengthSummary(std::size_t strength)
{
    return kStrengthSummary.arg(kStrengthMeanings[strength], QString::number(kStrengthMeans[strength]));
}

std::vector<ui::HelpRow> keysAndAdditions()
{
    using Kind = ui::HelpRow::Kind;
    const auto heading = [](QStringView s) { return ui::HelpRow{Kind::Heading, s.toString(), {}}; };
    const auto key = [](QStringView k, QStringView s) { return ui::HelpRow{Kind::Key, k.toString(), s.toString()}; };
    const auto text = [](QStringView s) { return ui::HelpRow{Kind::Text, s.toString(), {}}; };

    std::vector<ui::HelpRow> rows{
        heading(u"Tangenter"),
        key(u"1–5", u"håller eller släpper tärning 1 till 5"),
        key(u"Enter", u"kastar tärningarna, utom när en kategori har fokus"),
        key(u"Mellanslag", u"trycker på Kasta, eller kryssar i kategorin som har fokus"),
        key(u"Tab, Skift+Tab", u"går mellan Kasta och kategorierna; varje tur börjar på Kasta"),
        key(u"Piltangenterna", u"går mellan kategorierna"),
        key(u"F1", u"visar hjälpen, som Hjälp"),
        key(u"F2", u"visar eller döljer tipsen, som Fil → Tips"),
        key(u"F3", u"visar eller döljer protokollet, som Fil → Protokoll; Esc stänger det också"),
        key(u"F5", u"läser upp tärningarna och vilket kast det är, för den som inte ser bordet"),
        key(u"F6", u"läser upp protokollet för spelaren i tur: de lediga kategorierna och övre summan mot 63"),
        key(u"F7", kStandingsKey),
        key(u"Alt+F, Alt+N", u"öppnar menyerna Fil och Nytt spel"),
        key(u"Alt+H", u"visar hjälpen"),
        text(u"En tangent som hålls nere gör sitt en gång."),

        heading(u"Mot datorn"),
        text(u"Nytt spel → Mot datorn… frågar efter antalet människor och datorer, datorernas styrka och "
             u"tempo, och sedan efter människornas namn. Människorna spelar först, datorerna (Datorn 1, "
             u"Datorn 2, …) efter dem. Datorn spelar med samma knappar som en människa, i en takt som går "
             u"att följa, och under dess tur svarar kastknappen, tärningarna och kategorierna ingen annan; "
             u"menyerna fungerar som vanligt. Formuläret minns de senaste valen så länge programmet körs. "
             u"En dators seger blir inte rekord."),
    };
    for (std::size_t i = 0; i < std::size(kStrengthNames); ++i)
        rows.push_back(key(kStrengthNames[i], strengthSummary(i)));
    rows.insert(
        rows.end(),
        {
            key(u"Tempo", u"Snabb, Normal eller Långsam: hur fort datorn gör sina drag"),

            heading(u"Tips"),
            text(u"F2 eller Fil → Tips visar ett litet fönster bredvid spelet med de tre bästa dragen för "
                 u"spelaren i tur, som om spelaren spelade ensam: vilka tärningar som ska hållas eller vilken "
                 u"kategori som ska väljas, och vilket slutresultat vart och ett kan väntas ge. Fönstret följer "
                 u"spelet, tar aldrig fokus och ändrar aldrig spelet. Första gången räknas tipsen fram på några "
                 u"sekunder medan spelet fortsätter; de sparas i ~/.cache/Kolvo/solver-table.bin "
                 u"($XDG_CACHE_HOME/Kolvo/solver-table.bin när den är satt) och läses därifrån nästa gång."),

            heading(u"Protokoll och Spelanalys"),
            text(u"F3 eller Fil → Protokoll visar alla spelares protokoll i ett fönster bredvid spelet, med "
                 u"spelaren i tur markerad och, nedtonat, vad tärningarna på bordet skulle ge i de lediga "
                 u"kategorierna. Under tabellen bedömer Spelanalys varje spelares beslut med tipsens tabell: "
                 u"varje håll inför andra och tredje kastet och varje kategori som fylls i eller stryks, och hur "
                 u"många poäng det kostade mot det bästa valet. Den visar förlusten hittills, hur många beslut som "
                 u"kostade mer än en poäng och vart och ett av dem i den ordning de togs: turen och kastet, vad "
                 u"som gjordes och vad som var bäst, med väntat slutresultat för båda. Rutan som skrevs sist är "
                 u"markerad till nästa kast, och efter spelet står en summering under varje kolumn."),

            heading(u"Med skärmläsare"),
            text(u"Allt som händer berättas för skärmläsaren (Orca) när det händer, utan att fokus flyttas: "
                 u"spelets början, varje kast när tärningarna ligger still, varje tärning som hålls eller släpps, "
                 u"varje kategori som fylls i eller stryks och vem som kastar sedan, datorns drag med samma ord, "
                 u"och slutet med allas poäng. Tärningarna är knappar som heter efter sitt värde. F5 och F6 "
                 u"läser upp tärningarna och protokollet igen, F2 tipsen."),

            heading(u"Ljud"),
            text(u"Fil → Ljud slår på och av ljudet. Av tystnar musiken genast och inget ljud spelas; på spelas "
                 u"ljuden igen från nästa. Valet sparas till nästa gång i ~/.config/Kolvo/Kolvo.conf "
                 u"($XDG_CONFIG_HOME/Kolvo/Kolvo.conf när den är satt), avsnittet [Preferences], där också "
                 u"rekordet står."),
        });
    return rows;
}

} // namespace texts
