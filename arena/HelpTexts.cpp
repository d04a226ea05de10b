// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/HelpTexts.h"

#include <QCoreApplication>

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
    // Each text marked for lupdate where it stands, and shown in the player's language.
    const auto shown = [](const char* source) { return QCoreApplication::translate("Keys", source); };
    const auto heading = [&](const char* s) { return ui::HelpRow{Kind::Heading, shown(s), {}}; };
    const auto key = [&](const char* k, const char* s) { return ui::HelpRow{Kind::Key, shown(k), shown(s)}; };
    const auto text = [&](const char* s) { return ui::HelpRow{Kind::Text, shown(s), {}}; };

    std::vector<ui::HelpRow> rows{
        heading(QT_TRANSLATE_NOOP("Keys", "Tangenter")),
        key(QT_TRANSLATE_NOOP("Keys", "1–5"), QT_TRANSLATE_NOOP("Keys", "håller eller släpper tärning 1 till 5")),
        key(QT_TRANSLATE_NOOP("Keys", "Enter"),
            QT_TRANSLATE_NOOP("Keys", "kastar tärningarna, utom när en kategori har fokus")),
        key(QT_TRANSLATE_NOOP("Keys", "Mellanslag"),
            QT_TRANSLATE_NOOP("Keys", "trycker på Kasta, eller kryssar i kategorin som har fokus")),
        key(QT_TRANSLATE_NOOP("Keys", "Tab, Skift+Tab"),
            QT_TRANSLATE_NOOP("Keys", "går mellan Kasta och kategorierna; varje tur börjar på Kasta")),
        key(QT_TRANSLATE_NOOP("Keys", "Piltangenterna"), QT_TRANSLATE_NOOP("Keys", "går mellan kategorierna")),
        key(QT_TRANSLATE_NOOP("Keys", "F1"), QT_TRANSLATE_NOOP("Keys", "visar hjälpen, som Hjälp")),
        key(QT_TRANSLATE_NOOP("Keys", "F2"), QT_TRANSLATE_NOOP("Keys", "visar eller döljer tipsen, som Fil → Tips")),
        key(QT_TRANSLATE_NOOP("Keys", "F3"),
            QT_TRANSLATE_NOOP("Keys", "visar eller döljer protokollet, som Fil → Protokoll; Esc stänger det också")),
        key(QT_TRANSLATE_NOOP("Keys", "F5"),
            QT_TRANSLATE_NOOP("Keys", "läser upp tärningarna och vilket kast det är, för den som inte ser bordet")),
        key(QT_TRANSLATE_NOOP("Keys", "F6"),
            QT_TRANSLATE_NOOP(
                "Keys", "läser upp protokollet för spelaren i tur: de lediga kategorierna och övre summan mot 63")),
        key(QT_TRANSLATE_NOOP("Keys", "F7"),
            QT_TRANSLATE_NOOP("Keys", "läser upp ställningen: alla spelares namn och poäng och vem som har turen")),
        key(QT_TRANSLATE_NOOP("Keys", "F8"),
            QT_TRANSLATE_NOOP("Keys",
                              "läser upp spelanalysen en lärdom i taget: för spelaren i tur, efter spelet för alla")),
        key(QT_TRANSLATE_NOOP("Keys", "Alt+F, Alt+N"), QT_TRANSLATE_NOOP("Keys", "öppnar menyerna Fil och Nytt spel")),
        key(QT_TRANSLATE_NOOP("Keys", "Alt+H"), QT_TRANSLATE_NOOP("Keys", "visar hjälpen")),
        text(QT_TRANSLATE_NOOP("Keys", "En tangent som hålls nere gör sitt en gång.")),

        heading(QT_TRANSLATE_NOOP("Keys", "Mot datorn")),
        text(QT_TRANSLATE_NOOP(
            "Keys",
            "Nytt spel → Mot datorn… frågar efter antalet människor och datorer, datorernas styrka och "
            "tempo, och sedan efter människornas namn. Människorna spelar först, datorerna (Datorn 1, "
            "Datorn 2, …) efter dem. Datorn spelar med samma knappar som en människa, i en takt som går "
            "att följa, och under dess tur svarar kastknappen, tärningarna och kategorierna ingen annan; "
            "menyerna fungerar som vanligt. Formuläret minns de senaste valen så länge programmet körs. "
            "En dators seger blir inte rekord.")),
    };
    for (std::size_t i = 0; i < std::size(kStrengthNames); ++i)
        rows.push_back({Kind::Key, kStrengthNames[i].toString(), strengthSummary(i)});
    rows.insert(
        rows.end(),
        {
            key(QT_TRANSLATE_NOOP("Keys", "Tempo"),
                QT_TRANSLATE_NOOP("Keys", "Snabb, Normal eller Långsam: hur fort datorn gör sina drag")),

            heading(QT_TRANSLATE_NOOP("Keys", "Tips")),
            text(QT_TRANSLATE_NOOP(
                "Keys",
                "F2 eller Fil → Tips visar ett litet fönster bredvid spelet med de tre bästa dragen för "
                "spelaren i tur, som om spelaren spelade ensam: vilka tärningar som ska hållas eller vilken "
                "kategori som ska väljas, och vilket slutresultat vart och ett kan väntas ge. Fönstret följer "
                "spelet, tar aldrig fokus och ändrar aldrig spelet. Första gången räknas tipsen fram på några "
                "sekunder medan spelet fortsätter; de sparas i ~/.cache/Kolvo/solver-table.bin "
                "($XDG_CACHE_HOME/Kolvo/solver-table.bin när den är satt) och läses därifrån nästa gång.")),

            heading(QT_TRANSLATE_NOOP("Keys", "Protokoll och Spelanalys")),
            text(QT_TRANSLATE_NOOP(
                "Keys",
                "F3 eller Fil → Protokoll visar alla spelares protokoll i ett fönster bredvid spelet, med "
                "spelaren i tur markerad och, nedtonat, vad tärningarna på bordet skulle ge i de lediga "
                "kategorierna. Rutan som skrevs sist är markerad till nästa kast, och efter spelet står en "
                "summering under varje kolumn. I fliken Spelanalys bedöms varje spelares beslut med tipsens "
                "tabell: varje håll inför andra och tredje kastet och varje kategori som fylls i eller stryks, "
                "och hur många poäng det kostade mot det bästa valet. Överst visar ett diagram varje spelares "
                "väntade slutresultat efter varje tur, med de dyra valen ringade och perfekt spel som en "
                "streckad linje. Under det står förlusten hittills och först de tre val som kostade mest, vart "
                "och ett med turen och kastet, vad som gjordes och vad som var bäst, och varför: vad valen gav "
                "nu, mot bonusen och för resten av spelet. Därefter, i mindre stil, de andra valen som kostade "
                "mer än en poäng, i den ordning de togs.")),

            heading(QT_TRANSLATE_NOOP("Keys", "Med skärmläsare")),
            text(QT_TRANSLATE_NOOP(
                "Keys",
                "Allt som händer berättas för skärmläsaren (Orca) när det händer, utan att fokus flyttas: "
                "spelets början, varje kast när tärningarna ligger still, varje tärning som hålls eller släpps, "
                "varje kategori som fylls i eller stryks och vem som kastar sedan, datorns drag med samma ord, "
                "och slutet med allas poäng. Tärningarna är knappar som heter efter sitt värde. F5 och F6 "
                "läser upp tärningarna och protokollet igen, F2 tipsen.")),

            heading(QT_TRANSLATE_NOOP("Keys", "Ljud")),
            text(QT_TRANSLATE_NOOP(
                "Keys",
                "Fil → Ljud slår på och av ljudet. Av tystnar musiken genast och inget ljud spelas; på spelas "
                "ljuden igen från nästa. Valet sparas till nästa gång i ~/.config/Kolvo/Kolvo.conf "
                "($XDG_CONFIG_HOME/Kolvo/Kolvo.conf när den är satt), avsnittet [Preferences], där också "
                "rekordet står.")),

            heading(QT_TRANSLATE_NOOP("Keys", "Språk / Language")),
            text(QT_TRANSLATE_NOOP(
                "Keys",
                "Fil → Språk / Language visar programmet på svenska eller engelska (English), och på varje "
                "annat språk vars översättning finns med. Valet gäller genast i alla fönster, också mitt i ett "
                "spel, som fortsätter som det var, och sparas till nästa gång i samma fil som ljudet. Utan "
                "något val talar programmet svenska.")),
        });
    return rows;
}

} // namespace texts
