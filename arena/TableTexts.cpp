// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/TableTexts.h"

#include <algorithm>
#include <functional>
#include <vector>
#include <QLocale>
#include <QStringList>

#include "arena/ArenaDesign.h"

namespace texts {

namespace {

constexpr QStringView kTurn = u"Tur %1: %2; %3 (%4 poäng)";
constexpr QStringView kYouHeld = u"du höll %1 och kastade om %2";
constexpr QStringView kYouRerolledAll = u"du kastade om alla fem";
constexpr QStringView kYouHeldAll = u"du höll alla fem och kastade ändå";
constexpr QStringView kYouWrote = u"du skrev %1 (%2 poäng)";
constexpr QStringView kYouGaveUp = u"du strök %1";
constexpr QStringView kBestHold = u"bäst var att hålla %1 och kasta om %2";
constexpr QStringView kBestRerollAll = u"bäst var att kasta om alla fem";
constexpr QStringView kBestWrite = u"bäst var att skriva %1 (%2 poäng)";
constexpr QStringView kBestGiveUp = u"bäst var att stryka %1";
constexpr QChar kMinus = QChar(0x2212);

// The kept faces, highest first, as a player reads a hand.
QString keptFaces(const rules::Dice& dice, std::uint8_t kept)
{
    std::vector<int> faces;
    for (int i = 0; i < GameState::kDice; ++i)
        if (kept & (1u << i))
            faces.push_back(dice[std::size_t(i)]);
    std::sort(faces.begin(), faces.end(), std::greater<>());
    QStringList words;
    for (int f : faces)
        words << QString::number(f);
    return words.join(u' ');
}

int countOf(std::uint8_t kept)
{
    int n = 0;
    for (int i = 0; i < GameState::kDice; ++i)
        n += (kept >> i) & 1;
    return n;
}

QString chosenPhrase(const rules::Decision& d, const rules::Verdict& v)
{
    if (d.kind == rules::Decision::Kind::Category) {
        const QStringView name = categoryCaption(d.category);
        return v.chosenPoints > 0 ? kYouWrote.arg(name, QString::number(v.chosenPoints)) : kYouGaveUp.arg(name);
    }
    const int kept = countOf(d.kept);
    if (kept == 0)
        return kYouRerolledAll.toString();
    if (kept == GameState::kDice)
        return kYouHeldAll.toString();
    return kYouHeld.arg(keptFaces(d.dice, d.kept), kCountWords[GameState::kDice - kept]);
}

QString bestPhrase(const rules::Decision& d, const rules::Verdict& v)
{
    if (v.bestIsHold) {
        if (v.bestKeptCount == 0)
            return kBestRerollAll.toString();
        return kBestHold.arg(keptFaces(d.dice, v.bestKept), kCountWords[GameState::kDice - v.bestKeptCount]);
    }
    const QStringView name = categoryCaption(v.bestCategory);
    return v.bestPoints > 0 ? kBestWrite.arg(name, QString::number(v.bestPoints)) : kBestGiveUp.arg(name);
}

} // namespace

QStringView categoryCaption(int category)
{
    for (const auto& row : arena::kCategoryRows)
        if (row.index == category)
            return row.caption;
    return {};
}

QString pointsDecimal(double value)
{
    QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    swedish.setNumberOptions(QLocale::OmitGroupSeparator);
    return swedish.toString(value, 'f', 1);
}

QString lossFigure(double lost)
{
    const QString figure = pointsDecimal(lost);
    return figure == pointsDecimal(0) ? figure : kMinus + figure;
}

QString costlyPhrase(int costly)
{
    if (costly == 0)
        return kReviewCostlyNone.toString();
    if (costly == 1)
        return kReviewCostlyOne.toString();
    return kReviewCostlyMany.arg(QString::number(costly));
}

QString decisionLine(const rules::Decision& decision, const rules::Verdict& verdict)
{
    return kTurn.arg(QString::number(decision.turn()), chosenPhrase(decision, verdict), bestPhrase(decision, verdict),
                     lossFigure(verdict.lost));
}

} // namespace texts
