// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/TuneFont.h"

#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <tuple>
#include <vector>

#include <QtEndian>

namespace tunefont {
namespace {

constexpr int kDrumChannel = 9;
constexpr int kDrumBank = 128;

// ---- SoundFont 2 ----

// Generators that end a zone and name what it plays, and the key range.
constexpr std::uint16_t kGenKeyRange = 43;
constexpr std::uint16_t kGenInstrument = 41;
constexpr std::uint16_t kGenSampleId = 53;
// The silent points the format asks for after each sample.
constexpr qsizetype kPadding = 46;
// Sample types a cut font can carry: mono, right, left, linked. Compressed and ROM
// samples have no plain points to copy.
constexpr std::uint16_t kPlainSampleTypes = 1 | 2 | 4 | 8;

std::uint16_t u16(const char* p)
{
    return qFromLittleEndian<std::uint16_t>(p);
}
std::uint32_t u32(const char* p)
{
    return qFromLittleEndian<std::uint32_t>(p);
}
void put16(QByteArray& out, std::uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
void put32(QByteArray& out, std::uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// Records of one fixed size; the last is the format's terminal record.
struct Table {
    QByteArrayView data;
    qsizetype size = 0;
    qsizetype count() const { return data.size() / size; }
    const char* at(qsizetype i) const { return data.data() + i * size; }
};

// The chunks of a RIFF list body, by id; the last of an id wins.
std::map<QByteArrayView, QByteArrayView> chunksOf(QByteArrayView body)
{
    std::map<QByteArrayView, QByteArrayView> chunks;
    qsizetype at = 0;
    while (body.size() - at >= 8) {
        const std::uint32_t length = u32(body.data() + at + 4);
        if (length > std::uint64_t(body.size() - at - 8))
            return {};
        chunks[body.sliced(at, 4)] = body.sliced(at + 8, length);
        at += 8 + qsizetype(length) + (length & 1);
    }
    return chunks;
}

struct Font {
    QByteArrayView info; // the body of the INFO list
    QByteArrayView samples;
    Table phdr{{}, 38}, pbag{{}, 4}, pmod{{}, 10}, pgen{{}, 4};
    Table inst{{}, 22}, ibag{{}, 4}, imod{{}, 10}, igen{{}, 4}, shdr{{}, 46};

    qsizetype sampleCount() const { return samples.size() / 2; }
};

std::optional<Font> parse(QByteArrayView file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.sliced(8, 4) != "sfbk")
        return std::nullopt;
    const std::uint32_t length = u32(file.data() + 4);
    if (length < 4 || length > std::uint64_t(file.size() - 8))
        return std::nullopt;
    Font font;
    std::map<QByteArrayView, QByteArrayView> lists;
    const QByteArrayView body = file.sliced(12, length - 4);
    for (qsizetype at = 0; body.size() - at >= 12;) {
        const std::uint32_t size = u32(body.data() + at + 4);
        if (size < 4 || size > std::uint64_t(body.size() - at - 8))
            return std::nullopt;
        if (body.sliced(at, 4) == "LIST") {
            const QByteArrayView type = body.sliced(at + 8, 4);
            lists[type] = body.sliced(at + 12, size - 4);
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    if (!lists.count("INFO") || !lists.count("sdta") || !lists.count("pdta"))
        return std::nullopt;
    font.info = lists["INFO"];
    const auto info = chunksOf(font.info);
    const auto version = info.find("ifil");
    if (version == info.end() || version->second.size() < 4 || u16(version->second.data()) != 2)
        return std::nullopt; // 3 is the compressed kind
    const auto sdta = chunksOf(lists["sdta"]);
    if (!sdta.count("smpl") || sdta.count("sm24")) // 24-bit points would be lost
        return std::nullopt;
    font.samples = sdta.at("smpl");
    const auto pdta = chunksOf(lists["pdta"]);
    for (auto [table, id] : {std::pair{&font.phdr, "phdr"},
                             {&font.pbag, "pbag"},
                             {&font.pmod, "pmod"},
                             {&font.pgen, "pgen"},
                             {&font.inst, "inst"},
                             {&font.ibag, "ibag"},
                             {&font.imod, "imod"},
                             {&font.igen, "igen"},
                             {&font.shdr, "shdr"}}) {
        const auto chunk = pdta.find(QByteArrayView(id, 4));
        if (chunk == pdta.end() || chunk->second.size() % table->size != 0 || chunk->second.size() < table->size)
            return std::nullopt;
        table->data = chunk->second;
    }
    return font;
}

// A run of records named by two neighbours in another table: the zones (bags) of a
// preset or instrument, or the generators or modulators of a zone. `field` is the
// byte offset of the index in the naming records; the run is [first, last), checked
// against the table it indexes, whose last record is the terminal one.
struct Range {
    qsizetype first = 0, last = 0;
};

std::optional<Range> runOf(const Table& naming, qsizetype index, qsizetype field, const Table& named)
{
    const qsizetype first = u16(naming.at(index) + field);
    const qsizetype last = u16(naming.at(index + 1) + field);
    if (first > last || last >= named.count())
        return std::nullopt;
    return Range{first, last};
}

std::bitset<128> keyRangeOf(const Table& gens, Range range)
{
    std::bitset<128> keys;
    keys.set();
    for (qsizetype g = range.first; g < range.last; ++g) {
        if (u16(gens.at(g)) != kGenKeyRange)
            continue;
        const int low = std::uint8_t(gens.at(g)[2]), high = std::uint8_t(gens.at(g)[3]);
        keys.reset();
        for (int k = low; k <= high && k < 128; ++k)
            keys.set(k);
    }
    return keys;
}

// The generator amount of `oper` in a zone: nothing if it has none, -1 if it has more than one.
std::optional<int> amountOf(const Table& gens, Range range, std::uint16_t oper)
{
    std::optional<int> amount;
    for (qsizetype g = range.first; g < range.last; ++g)
        if (u16(gens.at(g)) == oper)
            amount = amount ? -1 : u16(gens.at(g) + 2);
    return amount;
}

// One zone kept: its generators (the reference remapped) and modulators.
struct KeptZone {
    Range gens, mods;
};

// The zones of a preset or instrument that can sound one of `keys`, and what each
// refers to (an instrument or a sample); a first zone without a reference is the
// global zone and always kept. False when the structure does not hold together.
bool keepZones(const Table& bags, Range zones, const Table& gens, const Table& mods, std::uint16_t refOper,
               qsizetype refCount, const std::bitset<128>& keys, std::vector<KeptZone>& kept,
               std::map<qsizetype, std::bitset<128>>& refs)
{
    for (qsizetype bag = zones.first; bag < zones.last; ++bag) {
        const auto genRange = runOf(bags, bag, 0, gens);
        const auto modRange = runOf(bags, bag, 2, mods);
        if (!genRange || !modRange)
            return false;
        const auto ref = amountOf(gens, *genRange, refOper);
        if (!ref) {
            if (bag == zones.first)
                kept.push_back({*genRange, *modRange});
            continue; // elsewhere the synthesizer ignores it too
        }
        if (*ref < 0 || *ref >= refCount)
            return false;
        const std::bitset<128> sounding = keys & keyRangeOf(gens, *genRange);
        if (sounding.none())
            continue;
        refs[*ref] |= sounding;
        kept.push_back({*genRange, *modRange});
    }
    return true;
}

// Writes kept zones: bags into `bags`, generators into `gens` with the reference
// renumbered by `renumber`, modulators into `mods`.
void writeZones(const std::vector<KeptZone>& zones, const Table& gens, const Table& mods, std::uint16_t refOper,
                const std::map<qsizetype, std::uint16_t>& renumber, QByteArray& bagsOut, QByteArray& gensOut,
                QByteArray& modsOut)
{
    for (const KeptZone& zone : zones) {
        put16(bagsOut, std::uint16_t(gensOut.size() / 4));
        put16(bagsOut, std::uint16_t(modsOut.size() / 10));
        for (qsizetype g = zone.gens.first; g < zone.gens.last; ++g) {
            const std::uint16_t oper = u16(gens.at(g));
            put16(gensOut, oper);
            put16(gensOut, oper == refOper ? renumber.at(u16(gens.at(g) + 2)) : u16(gens.at(g) + 2));
        }
        for (qsizetype m = zone.mods.first; m < zone.mods.last; ++m)
            modsOut.append(mods.at(m), mods.size);
    }
}

void appendChunk(QByteArray& out, const char* id, const QByteArray& data)
{
    out.append(id, 4);
    put32(out, std::uint32_t(data.size()));
    out.append(data);
    if (data.size() & 1)
        out.append('\0');
}

QByteArray list(const char* type, QByteArrayView body)
{
    QByteArray out("LIST");
    put32(out, std::uint32_t(body.size() + 4));
    out.append(type, 4);
    out.append(body);
    if (body.size() & 1)
        out.append('\0');
    return out;
}

// Presets by (bank, program), with their index.
std::map<Preset, qsizetype> presetsOf(const Font& font)
{
    std::map<Preset, qsizetype> presets;
    for (qsizetype i = 0; i + 1 < font.phdr.count(); ++i)
        presets.emplace(Preset{u16(font.phdr.at(i) + 22), u16(font.phdr.at(i) + 20)}, i);
    return presets;
}

// ---- Standard MIDI File ----

struct Reader {
    QByteArrayView data;
    qsizetype at = 0;
    bool ok = true;

    int byte()
    {
        if (at >= data.size()) {
            ok = false;
            return 0;
        }
        return std::uint8_t(data[at++]);
    }
    std::uint32_t varLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4 && ok; ++i) {
            const int b = byte();
            value = (value << 7) | std::uint32_t(b & 0x7f);
            if (!(b & 0x80))
                return value;
        }
        ok = false;
        return 0;
    }
    void skip(std::uint32_t n)
    {
        if (n > std::uint64_t(data.size() - at))
            ok = false;
        else
            at += qsizetype(n);
    }
};

// When something first happened on a channel: tick, then track and place in it.
using Moment = std::tuple<std::uint64_t, int, qsizetype>;
constexpr Moment kNever{std::numeric_limits<std::uint64_t>::max(), 0, 0};

struct ChannelUse {
    std::set<int> programs, banks;
    std::bitset<128> keys;
    Moment firstNote = kNever, firstProgram = kNever;
};

bool scanTrack(QByteArrayView track, int index, std::array<ChannelUse, 16>& channels)
{
    Reader in{track};
    std::uint64_t tick = 0;
    int status = 0;
    while (in.ok && in.at < track.size()) {
        tick += in.varLength();
        int b = in.byte();
        if (b == 0xf0 || b == 0xf7)
            return false; // may reset channels to modes this does not follow
        if (b > 0xf0 && b != 0xff)
            return false; // no such event in a file
        if (b == 0xff) {
            in.byte();
            in.skip(in.varLength());
            continue;
        }
        if (b & 0x80) {
            status = b;
            b = in.byte();
        } else if (!status) {
            return false;
        }
        const int channel = status & 0x0f, kind = status & 0xf0;
        const int data1 = b & 0x7f;
        const int data2 = (kind == 0xc0 || kind == 0xd0) ? 0 : in.byte() & 0x7f;
        ChannelUse& use = channels[channel];
        const Moment now{tick, index, in.at};
        if (kind == 0x90 && data2 > 0) {
            use.keys.set(data1);
            use.firstNote = std::min(use.firstNote, now);
        } else if (kind == 0xc0) {
            use.programs.insert(data1);
            use.firstProgram = std::min(use.firstProgram, now);
        } else if (kind == 0xb0 && data1 == 0) {
            use.banks.insert(data2);
        }
    }
    return in.ok;
}

} // namespace

std::optional<TuneKeys> keysOfTune(QByteArrayView midi, QByteArrayView fontFile)
{
    const std::optional<Font> font = parse(fontFile);
    if (!font || midi.size() < 14 || !midi.startsWith("MThd"))
        return std::nullopt;
    const std::uint32_t headerLength = qFromBigEndian<std::uint32_t>(midi.data() + 4);
    const int format = qFromBigEndian<std::uint16_t>(midi.data() + 8);
    if (headerLength < 6 || format > 1) // format 2: channel state would carry across its sequences
        return std::nullopt;
    std::array<ChannelUse, 16> channels;
    Reader chunks{midi};
    chunks.skip(8);
    chunks.skip(headerLength);
    for (int track = 0; chunks.ok && chunks.data.size() - chunks.at >= 8; ++track) {
        const QByteArrayView id = midi.sliced(chunks.at, 4);
        const std::uint32_t length = qFromBigEndian<std::uint32_t>(midi.data() + chunks.at + 4);
        chunks.skip(8);
        if (length > std::uint64_t(midi.size() - chunks.at))
            return std::nullopt;
        if (id == "MTrk" && !scanTrack(midi.sliced(chunks.at, length), track, channels))
            return std::nullopt;
        chunks.skip(length);
    }

    const std::map<Preset, qsizetype> presets = presetsOf(*font);
    // The synthesizer's own lookup, with its fallbacks.
    auto resolve = [&](int channel, int bank, int program) -> std::optional<Preset> {
        std::vector<Preset> tries;
        if (channel == kDrumChannel)
            tries = {{kDrumBank, program}, {bank, program}, {kDrumBank, 0}};
        else
            tries = {{bank, program}, {0, program}, {0, 0}};
        for (const Preset& p : tries)
            if (presets.count(p))
                return p;
        return std::nullopt;
    };
    TuneKeys keys;
    // What a synthesizer gives every channel when it resets: kept, without zones if
    // nothing plays on them, so that it finds them.
    for (const Preset& reset : {Preset{0, 0}, Preset{kDrumBank, 0}})
        if (presets.count(reset))
            keys[reset];
    for (int c = 0; c < 16; ++c) {
        ChannelUse& use = channels[c];
        if (use.keys.none())
            continue;
        if (use.firstNote < use.firstProgram)
            use.programs.insert(0);
        use.banks.insert(c == kDrumChannel ? kDrumBank : 0);
        for (int bank : use.banks)
            for (int program : use.programs)
                if (const auto preset = resolve(c, bank, program))
                    keys[*preset] |= use.keys;
    }
    return keys;
}

QByteArray cutFont(QByteArrayView file, const TuneKeys& keys)
{
    const std::optional<Font> parsed = parse(file);
    if (!parsed)
        return {};
    const Font& font = *parsed;
    const std::map<Preset, qsizetype> presets = presetsOf(font);

    // Presets and their zones, then the instruments they reach and their zones.
    std::map<qsizetype, std::vector<KeptZone>> presetZones, instrumentZones;
    std::map<qsizetype, std::bitset<128>> instrumentKeys, sampleKeys;
    for (const auto& [preset, played] : keys) {
        const auto found = presets.find(preset);
        if (found == presets.end())
            continue;
        const auto zones = runOf(font.phdr, found->second, 24, font.pbag);
        if (!zones
            || !keepZones(font.pbag, *zones, font.pgen, font.pmod, kGenInstrument, font.inst.count() - 1, played,
                          presetZones[found->second], instrumentKeys))
            return {};
    }
    for (const auto& [instrument, played] : instrumentKeys) {
        const auto zones = runOf(font.inst, instrument, 20, font.ibag);
        if (!zones
            || !keepZones(font.ibag, *zones, font.igen, font.imod, kGenSampleId, font.shdr.count() - 1, played,
                          instrumentZones[instrument], sampleKeys))
            return {};
    }

    // Samples, in their order in the font.
    std::map<qsizetype, std::uint16_t> newSample, newInstrument;
    QByteArray points, shdr;
    for (const auto& entry : sampleKeys) {
        const qsizetype s = entry.first;
        const char* header = font.shdr.at(s);
        const std::int64_t start = u32(header + 20), end = u32(header + 24);
        const std::int64_t loopStart = u32(header + 28), loopEnd = u32(header + 32);
        const std::uint16_t type = u16(header + 44);
        if (start > end || end > font.sampleCount() || (type & ~kPlainSampleTypes) || type == 0)
            return {};
        const std::int64_t shift = points.size() / 2 - start;
        for (std::int64_t v : {loopStart, loopEnd})
            if (v + shift < 0 || v + shift > std::numeric_limits<std::uint32_t>::max())
                return {};
        points.append(font.samples.sliced(2 * start, 2 * (end - start))).append(2 * kPadding, '\0');
        if (points.size() / 2 > std::numeric_limits<std::uint32_t>::max())
            return {};
        newSample[s] = std::uint16_t(newSample.size());
        shdr.append(header, 20);
        for (std::int64_t v : {start, end, loopStart, loopEnd})
            put32(shdr, std::uint32_t(v + shift));
        shdr.append(header + 36, 6); // rate, original pitch, pitch correction
        put16(shdr, 0);              // the link is set below
        put16(shdr, type);
    }
    // A stereo pair stays linked when both halves are kept.
    for (const auto& [s, index] : newSample) {
        const auto link = newSample.find(u16(font.shdr.at(s) + 42));
        if (link != newSample.end())
            qToLittleEndian<std::uint16_t>(link->second, shdr.data() + 46 * index + 42);
    }
    shdr.append("EOS", 3).append(43, '\0');

    QByteArray inst, ibag, igen, imod;
    for (const auto& [instrument, zones] : instrumentZones) {
        newInstrument[instrument] = std::uint16_t(newInstrument.size());
        inst.append(font.inst.at(instrument), 20);
        put16(inst, std::uint16_t(ibag.size() / 4));
        writeZones(zones, font.igen, font.imod, kGenSampleId, newSample, ibag, igen, imod);
    }
    inst.append("EOI", 3).append(17, '\0');
    put16(inst, std::uint16_t(ibag.size() / 4));

    QByteArray phdr, pbag, pgen, pmod;
    for (const auto& [preset, zones] : presetZones) {
        phdr.append(font.phdr.at(preset), 24);
        put16(phdr, std::uint16_t(pbag.size() / 4));
        phdr.append(font.phdr.at(preset) + 26, 12);
        writeZones(zones, font.pgen, font.pmod, kGenInstrument, newInstrument, pbag, pgen, pmod);
    }
    phdr.append("EOP", 3).append(21, '\0');
    put16(phdr, std::uint16_t(pbag.size() / 4));
    phdr.append(12, '\0');
    // Terminal bags point past the last generator and modulator; terminal generators and modulators are zero.
    for (auto [bags, gens, mods] : {std::tuple{&pbag, &pgen, &pmod}, std::tuple{&ibag, &igen, &imod}}) {
        if (gens->size() / 4 > std::numeric_limits<std::uint16_t>::max()
            || mods->size() / 10 > std::numeric_limits<std::uint16_t>::max()
            || bags->size() / 4 >= std::numeric_limits<std::uint16_t>::max())
            return {};
        put16(*bags, std::uint16_t(gens->size() / 4));
        put16(*bags, std::uint16_t(mods->size() / 10));
        gens->append(4, '\0');
        mods->append(10, '\0');
    }

    QByteArray sdta, pdta;
    appendChunk(sdta, "smpl", points);
    for (auto [id, data] : {std::pair{"phdr", &phdr},
                            {"pbag", &pbag},
                            {"pmod", &pmod},
                            {"pgen", &pgen},
                            {"inst", &inst},
                            {"ibag", &ibag},
                            {"imod", &imod},
                            {"igen", &igen},
                            {"shdr", &shdr}})
        appendChunk(pdta, id, *data);
    QByteArray body("sfbk");
    body.append(list("INFO", font.info));
    body.append(list("sdta", sdta)).append(list("pdta", pdta));
    QByteArray out("RIFF");
    put32(out, std::uint32_t(body.size()));
    return out.append(body);
}

} // namespace tunefont
