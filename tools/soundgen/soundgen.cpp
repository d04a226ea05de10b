// SPDX-License-Identifier: GPL-3.0-or-later
// Regenerates the committed sound files:  kolvo-soundgen <assets/sounds dir>
//
// Writes Roll.wav, glass.wav, claps.wav and clap.wav (synthesised, 16-bit PCM mono,
// 44100 Hz) and Congratulations.mid and I3IK.MID (Standard MIDI Files, format 0,
// General MIDI programs). Every random choice comes from fixed seeds, so the output
// is the same on every run; change a seed, a note or a constant and rerun.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// ---------------------------------------------------------------- randomness
// std::mt19937 is specified bit for bit; the standard distributions are not.
class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    double uniform() { return double(engine_() >> 5) / double(1u << 27); } // [0, 1)
    double range(double low, double high) { return low + (high - low) * uniform(); }
    double noise() { return 2.0 * uniform() - 1.0; }

private:
    std::mt19937 engine_;
};

// ---------------------------------------------------------------- waves
using Samples = std::vector<double>;

int at(double seconds)
{
    return int(std::lround(seconds * kRate));
}

// A decaying sine added in at `start`: the ring of one vibrating mode.
void addMode(Samples& out, double start, double frequency, double amplitude, double decay, double phase = 0.0)
{
    if (frequency > 16000.0) // would alias, and nobody hears it on a PC speaker
        return;
    const int first = at(start);
    const int length = std::min(int(out.size()) - first, at(decay * 9.0));
    for (int i = 0; i < length; ++i) {
        const double t = double(i) / kRate;
        out[first + i] += amplitude * std::exp(-t / decay) * std::sin(kTwoPi * frequency * t + phase);
    }
}

// A burst of white noise with an exponential tail, the contact of a hit.
void addNoiseBurst(Samples& out, Random& random, double start, double amplitude, double decay, double attack = 0.0002)
{
    const int first = at(start);
    const int length = std::min(int(out.size()) - first, at(decay * 8.0 + attack));
    for (int i = 0; i < length; ++i) {
        const double t = double(i) / kRate;
        const double rise = t < attack ? t / attack : 1.0;
        out[first + i] += amplitude * rise * std::exp(-t / decay) * random.noise();
    }
}

// Second-order band-pass (constant peak gain), after the usual audio-EQ cookbook.
class BandPass {
public:
    BandPass(double centre, double q)
    {
        const double w = kTwoPi * centre / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2.0 * std::cos(w) / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

class OnePole {
public:
    explicit OnePole(double cutoff) : k_(1.0 - std::exp(-kTwoPi * cutoff / kRate)) {}
    double low(double x) { return state_ += k_ * (x - state_); }
    double high(double x) { return x - low(x); }

private:
    double k_;
    double state_ = 0;
};

// A small room: four parallel feedback combs into two all-passes (Schroeder), mixed in.
void addRoom(Samples& dry, double wet, double feedback)
{
    static constexpr std::array<int, 4> combs{1116, 1188, 1277, 1356};
    static constexpr std::array<int, 2> allpasses{556, 341};
    Samples reverb(dry.size(), 0.0);
    for (int delay : combs) {
        Samples line(delay, 0.0);
        double damped = 0.0;
        for (std::size_t i = 0; i < dry.size(); ++i) {
            const double delayed = line[i % delay];
            damped = 0.6 * delayed + 0.4 * damped;
            line[i % delay] = dry[i] + feedback * damped;
            reverb[i] += delayed / combs.size();
        }
    }
    for (int delay : allpasses) {
        Samples line(delay, 0.0);
        for (std::size_t i = 0; i < reverb.size(); ++i) {
            const double delayed = line[i % delay];
            const double input = reverb[i];
            line[i % delay] = input + 0.5 * delayed;
            reverb[i] = delayed - 0.5 * input;
        }
    }
    for (std::size_t i = 0; i < dry.size(); ++i)
        dry[i] += wet * reverb[i];
}

// Fades the last `seconds` out with a raised cosine, so no file ends in a click.
void fadeOut(Samples& out, double seconds)
{
    const int length = std::min(int(out.size()), at(seconds));
    for (int i = 0; i < length; ++i) {
        const double x = double(i) / length;
        out[out.size() - length + i] *= 0.5 * (1.0 + std::cos(std::numbers::pi * x));
    }
}

void normalise(Samples& out, double peak)
{
    double largest = 0.0;
    for (double s : out)
        largest = std::max(largest, std::abs(s));
    if (largest > 0.0)
        for (double& s : out)
            s *= peak / largest;
}

void put16(std::string& bytes, unsigned value)
{
    bytes += char(value & 0xff);
    bytes += char((value >> 8) & 0xff);
}
void put32(std::string& bytes, std::uint32_t value)
{
    put16(bytes, value & 0xffff);
    put16(bytes, value >> 16);
}

bool writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

bool writeWave(const std::string& path, const Samples& samples)
{
    std::string data;
    for (double s : samples) {
        const long value = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        put16(data, unsigned(std::uint16_t(std::int16_t(value))));
    }
    std::string bytes = "RIFF";
    put32(bytes, std::uint32_t(36 + data.size()));
    bytes += "WAVEfmt ";
    put32(bytes, 16);
    put16(bytes, 1); // PCM
    put16(bytes, 1); // mono
    put32(bytes, kRate);
    put32(bytes, kRate * 2); // bytes per second
    put16(bytes, 2);         // bytes per frame
    put16(bytes, 16);        // bits per sample
    bytes += "data";
    put32(bytes, std::uint32_t(data.size()));
    return writeFile(path, bytes + data);
}

// ---------------------------------------------------------------- the four waves

// Five dice thrown on a wooden table: each lands, bounces a few times with shorter and
// weaker hops and settles; between the bounces the edges clatter.
Samples rollDice()
{
    Random random(1805);
    Samples out(at(0.85), 0.0);
    const auto impact = [&](double start, double energy) {
        // The hard plastic of the die: a few high, quickly damped modes.
        const double die = random.range(2300.0, 3600.0);
        for (double ratio : {1.0, 1.59, 2.31, 3.12})
            addMode(out, start, die * ratio * random.range(0.97, 1.03), energy * 0.18 / ratio,
                    random.range(0.004, 0.009), random.range(0.0, kTwoPi));
        // The table top: a short, low knock.
        addMode(out, start, random.range(150.0, 175.0), energy * 0.45, 0.022);
        addMode(out, start, random.range(320.0, 360.0), energy * 0.30, 0.016);
        addMode(out, start, random.range(650.0, 760.0), energy * 0.18, 0.010);
        addNoiseBurst(out, random, start, energy * 0.5, 0.0006);
    };
    for (int die = 0; die < 5; ++die) {
        double t = random.range(0.01, 0.09);
        double energy = random.range(0.75, 1.0);
        double hop = random.range(0.09, 0.13);
        while (t < 0.72 && energy > 0.04) {
            impact(t, energy);
            // Edge clatter while the die tumbles to the next landing.
            const int clicks = int(random.range(1.0, 3.99));
            for (int c = 0; c < clicks; ++c) {
                const double when = t + hop * random.range(0.2, 0.9);
                if (when < 0.75)
                    impact(when, energy * random.range(0.12, 0.3));
            }
            t += hop * random.range(0.85, 1.15);
            hop *= 0.68;
            energy *= random.range(0.5, 0.65);
        }
    }
    OnePole rumble(60.0);
    for (double& s : out)
        s = rumble.high(s);
    addRoom(out, 0.12, 0.55);
    fadeOut(out, 0.06);
    normalise(out, 0.85);
    return out;
}

// A drinking glass breaking: a sharp crack with the ring of the glass, the burst of
// pieces parting, then small shards landing and tinkling for about a second.
Samples breakGlass()
{
    Random random(7713);
    Samples out(at(1.5), 0.0);
    const auto ping = [&](double start, double amplitude, double low, double high, double decay) {
        const int modes = 2 + int(random.range(0.0, 2.99));
        const double base = random.range(low, high);
        for (int m = 0; m < modes; ++m)
            addMode(out, start, base * (1.0 + m * random.range(0.37, 0.83)), amplitude / (1 + m),
                    decay * random.range(0.6, 1.4), random.range(0.0, kTwoPi));
        addNoiseBurst(out, random, start, amplitude * 0.5, 0.0005);
    };
    // The crack, and the crunch of the glass giving way.
    const double crack = 0.01;
    addNoiseBurst(out, random, crack, 1.0, 0.004, 0.0001);
    addNoiseBurst(out, random, crack + 0.003, 0.35, 0.035);
    for (int m = 0; m < 18; ++m)
        addMode(out, crack, random.range(2400.0, 9500.0), random.range(0.05, 0.2), random.range(0.02, 0.12),
                random.range(0.0, kTwoPi));
    // The pieces parting.
    for (int i = 0; i < 45; ++i)
        ping(crack + random.range(0.0, 0.14), random.range(0.08, 0.3), 3000.0, 9000.0, 0.03);
    // Shards landing, ever fewer and softer.
    double t = 0.16;
    while (t < 1.3) {
        const double fade = std::exp(-(t - 0.16) / 0.45);
        ping(t, 0.28 * fade * random.range(0.4, 1.0), 3800.0, 9500.0, 0.04);
        t += random.range(0.005, 0.045) / std::max(fade, 0.15);
    }
    OnePole body(900.0);
    for (double& s : out)
        s = body.high(s);
    addRoom(out, 0.18, 0.6);
    fadeOut(out, 0.15);
    normalise(out, 0.85);
    return out;
}

// A crowd clapping: every clapper has a pace, a hand resonance and a strength of their
// own, with some unevenness from clap to clap; the room adds its reverberation.
Samples clapping(std::uint32_t seed, int clappers, double length, double stopFrom)
{
    Random random(seed);
    Samples out(at(length), 0.0);
    for (int c = 0; c < clappers; ++c) {
        const double pace = random.range(3.6, 5.8); // claps per second
        const double strength = random.range(0.5, 1.0);
        const double resonance = random.range(900.0, 2100.0);
        const double stop = random.range(stopFrom, length - 0.12);
        BandPass hands(resonance, random.range(1.8, 3.5));
        BandPass cupped(resonance * random.range(1.8, 2.4), 3.0);
        OnePole air(500.0);
        double t = random.range(0.0, 0.2);
        while (t < stop) {
            const double tail = t > stop - 0.4 ? (stop - t) / 0.4 : 1.0;
            const double amplitude = strength * tail * random.range(0.7, 1.0);
            const double decay = random.range(0.005, 0.009);
            const int first = at(t);
            const int count = std::min(int(out.size()) - first, at(0.06));
            for (int i = 0; i < count; ++i) {
                const double time = double(i) / kRate;
                const double rise = std::min(1.0, time / 0.0006);
                const double n = air.high(random.noise()) * rise * std::exp(-time / decay);
                out[first + i] += amplitude * (hands(n) + 0.6 * cupped(n));
            }
            t += random.range(0.88, 1.12) / pace;
        }
    }
    addRoom(out, 0.35, 0.7);
    fadeOut(out, 0.1);
    normalise(out, 0.85);
    return out;
}

// ---------------------------------------------------------------- MIDI
constexpr int kTicks = 480; // per quarter note

struct Event {
    int tick;
    int order; // at the same tick: set-up first, then note-offs, then note-ons
    std::string bytes;
};

class Song {
public:
    explicit Song(int beatsPerMinute)
    {
        const std::uint32_t micros = 60000000u / unsigned(beatsPerMinute);
        meta(0, 0x51, {char(micros >> 16), char((micros >> 8) & 0xff), char(micros & 0xff)});
        meta(0, 0x58, {4, 2, 24, 8}); // 4/4
    }

    void meta(int tick, int type, std::string data)
    {
        std::string bytes{char(0xff), char(type)};
        bytes += char(data.size());
        events_.push_back({tick, 0, bytes + data});
    }

    // Program (General MIDI, counted from 0), volume, pan and reverb of a channel.
    void instrument(int channel, int program, int volume, int pan, int reverb = 40)
    {
        events_.push_back({0, 0, {char(0xc0 | channel), char(program)}});
        events_.push_back({0, 0, {char(0xb0 | channel), 7, char(volume)}});
        events_.push_back({0, 0, {char(0xb0 | channel), 10, char(pan)}});
        events_.push_back({0, 0, {char(0xb0 | channel), 91, char(reverb)}});
    }

    void note(int channel, int tick, int key, int length, int velocity)
    {
        events_.push_back({tick, 2, {char(0x90 | channel), char(key), char(velocity)}});
        events_.push_back({tick + length, 1, {char(0x80 | channel), char(key), 0}});
    }

    std::string file()
    {
        std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::string track;
        int now = 0;
        for (const Event& e : events_) {
            quantity(track, e.tick - now);
            track += e.bytes;
            now = e.tick;
        }
        quantity(track, kTicks); // let the last notes ring before the end
        track += std::string{char(0xff), 0x2f, 0};

        std::string bytes = "MThd";
        big32(bytes, 6);
        big16(bytes, 0); // one track
        big16(bytes, 1);
        big16(bytes, kTicks);
        bytes += "MTrk";
        big32(bytes, std::uint32_t(track.size()));
        return bytes + track;
    }

private:
    static void big16(std::string& b, unsigned v)
    {
        b += char(v >> 8);
        b += char(v & 0xff);
    }
    static void big32(std::string& b, std::uint32_t v)
    {
        big16(b, v >> 16);
        big16(b, v & 0xffff);
    }
    static void quantity(std::string& b, int value)
    {
        std::string groups(1, char(value & 0x7f));
        while (value >>= 7)
            groups.insert(groups.begin(), char(0x80 | (value & 0x7f)));
        b += groups;
    }

    std::vector<Event> events_;
};

// "C5q D5e. F#5s Rh G4et": a note name (or R for a rest) with octave, then its
// length: w h q e s; "." makes it dotted, "t" a triplet. Returns the tick after.
int melody(Song& song, int channel, int tick, std::string_view notes, int velocity, double legato = 0.9,
           int transpose = 0)
{
    static constexpr std::array<int, 7> steps{9, 11, 0, 2, 4, 5, 7}; // A..G from C
    std::size_t i = 0;
    while (i < notes.size()) {
        if (notes[i] == ' ') {
            ++i;
            continue;
        }
        const bool rest = notes[i] == 'R';
        int key = rest ? 0 : steps[notes[i] - 'A'];
        ++i;
        if (!rest) {
            if (notes[i] == '#') {
                ++key;
                ++i;
            } else if (notes[i] == 'b') {
                --key;
                ++i;
            }
            key += 12 * (notes[i] - '0' + 1);
            ++i;
        }
        int length = 0;
        switch (notes[i++]) {
        case 'w':
            length = 4 * kTicks;
            break;
        case 'h':
            length = 2 * kTicks;
            break;
        case 'q':
            length = kTicks;
            break;
        case 'e':
            length = kTicks / 2;
            break;
        default:
            length = kTicks / 4;
            break;
        }
        while (i < notes.size() && notes[i] != ' ') {
            if (notes[i] == '.')
                length += length / 2;
            if (notes[i] == 't')
                length = length * 2 / 3;
            ++i;
        }
        if (!rest)
            song.note(channel, tick, key + transpose, int(length * legato), velocity);
        tick += length;
    }
    return tick;
}

namespace gm {
constexpr int Marimba = 12, NylonGuitar = 24, FingeredBass = 33, Timpani = 47, Strings = 48, Trumpet = 56,
              Trombone = 57, BrassSection = 61, Flute = 73;
constexpr int Drums = 9; // channel
constexpr int Kick = 36, Snare = 38, ClosedHat = 42, OpenHat = 46, Crash = 49;
} // namespace gm

// A brass fanfare in C: three pick-up notes, the rising call, a triplet answer and the
// closing chord over a timpani roll and a cymbal crash.
std::string fanfare()
{
    Song song(120);
    song.instrument(0, gm::Trumpet, 100, 64, 50);
    song.instrument(1, gm::BrassSection, 78, 50, 50);
    song.instrument(2, gm::Trombone, 82, 80, 50);
    song.instrument(3, gm::Timpani, 90, 64, 40);
    song.instrument(gm::Drums, 0, 80, 64, 60);

    const int q = kTicks;
    int t = melody(song, 0, 0, "G4et G4et G4et", 112, 0.7);
    const int call = t;
    t = melody(song, 0, t, "C5h E5e. C5s E5e. G5s C6h", 120, 0.92);
    const int answer = t;
    t = melody(song, 0, t, "A5et A5et A5et B5et B5et B5et", 115, 0.75);
    const int close = t;
    melody(song, 0, close, "C6h.", 122, 0.98);

    // Harmony: C under the call, F then G under the answer, C at the close.
    melody(song, 1, call, "E4h G4q G4q E5h", 92);
    melody(song, 2, call, "C3h C3q C3q C3h", 96);
    melody(song, 1, answer, "F4q G4q", 92);
    melody(song, 2, answer, "F3q G3q", 96);
    melody(song, 1, close, "E5h.", 100, 0.98);
    melody(song, 1, close, "G4h.", 100, 0.98);
    melody(song, 1, close, "C5h.", 100, 0.98);
    melody(song, 2, close, "C3h.", 104, 0.98);
    melody(song, 2, close, "G3h.", 100, 0.98);

    song.note(3, call, 48, q, 110);
    song.note(3, call + 2 * q, 43, q, 100);
    song.note(3, answer, 43, q / 2, 100);
    song.note(3, answer + q, 43, q / 2, 110);
    for (int roll = 0; roll < 16; ++roll) // the roll swells into the last chord
        song.note(3, close + roll * q / 8, roll % 2 ? 43 : 48, q / 8, 70 + roll * 3);
    song.note(3, close + 2 * q, 48, q, 124);
    song.note(gm::Drums, close, gm::Crash, 2 * q, 110);
    song.note(gm::Drums, call, gm::Crash, q, 80);
    return song.file();
}

// The set-up tune: a bouncy sixteen bars in G at 140 beats a minute with flute and
// marimba on the tune, guitar chords on the off-beats, an alternating bass and a drum
// kit, then a final chord.
std::string setupTune()
{
    Song song(140);
    song.instrument(0, gm::Flute, 96, 64, 50);
    song.instrument(1, gm::Marimba, 76, 76, 30);
    song.instrument(2, gm::NylonGuitar, 70, 40, 40);
    song.instrument(3, gm::FingeredBass, 90, 64, 10);
    song.instrument(4, gm::Strings, 50, 64, 70);
    song.instrument(gm::Drums, 0, 76, 64, 30);

    const std::string_view tune[] = {
        "D5q G5q G5e A5e B5q",
        "A5q F#5e G5e A5h",
        "B5q G5e E5e G5q B5q",
        "E5q G5e A5e G5h",
        "D5q G5q G5e A5e B5q",
        "C6q B5e A5e A5h",
        "G5e E5e C5e E5e D5e F#5e A5e C6e",
        "B5q G5q G5h",
        "E5e G5e C6e G5e E5e G5e C6q",
        "D5e G5e B5e G5e D5e G5e B5q",
        "C5e E5e A5e E5e C6q B5q",
        "A5q F#5e E5e D5h",
        "D5q G5q G5e A5e B5q",
        "A5q F#5e G5e A5h",
        "G5e E5e C5e E5e D5e F#5e A5e C6e",
        "B5q D6q G5h",
    };
    // Two chords a bar, by root (semitones above C) and minor flag.
    struct Chord {
        int root;
        bool minor;
    };
    constexpr Chord G{7, false}, D{2, false}, Em{4, true}, C{0, false}, Am{9, true};
    const Chord chords[][2] = {
        {G, G}, {D, D}, {Em, Em}, {C, C}, {G, G}, {D, D}, {C, D}, {G, G},
        {C, C}, {G, G}, {Am, Am}, {D, D}, {G, G}, {D, D}, {C, D}, {G, G},
    };

    const int bar = 4 * kTicks;
    const int q = kTicks;
    const int e = kTicks / 2;
    int t = 0;
    for (std::size_t b = 0; b < std::size(tune); ++b, t += bar) {
        melody(song, 0, t, tune[b], 100, 0.85);
        melody(song, 1, t, tune[b], 70, 0.5, -12);
        for (int half = 0; half < 2; ++half) {
            const Chord chord = chords[b][half];
            const int start = t + half * 2 * q;
            const int bass = 40 + (chord.root + 8) % 12; // E2..D#3
            const int third = chord.minor ? 3 : 4;
            song.note(3, start, bass, q - 40, 104);
            song.note(3, start + q, bass + 7 > 55 ? bass - 5 : bass + 7, q - 40, 96);
            const int triad = 55 + (chord.root + 5) % 12; // G3..F#4
            for (int offbeat : {e, q + e})
                for (int interval : {0, third, 7})
                    song.note(2, start + offbeat, triad + interval, e - 30, 72);
            for (int interval : {0, third, 7})
                song.note(4, start, triad + interval + 12, 2 * q - 20, 50);
        }
        for (int beat = 0; beat < 4; ++beat) {
            song.note(gm::Drums, t + beat * q, beat % 2 ? gm::Snare : gm::Kick, e, beat % 2 ? 88 : 100);
            song.note(gm::Drums, t + beat * q, gm::ClosedHat, e / 2, 70);
            song.note(gm::Drums, t + beat * q + e, b % 4 == 3 && beat == 3 ? gm::OpenHat : gm::ClosedHat, e / 2, 52);
        }
    }
    // The last chord, a little softer than the bars before: everything sounds at once.
    for (int key : {43, 55, 59, 62, 67})
        song.note(key < 50 ? 3 : 4, t, key, bar, 80);
    melody(song, 0, t, "G5h", 92, 0.95);
    melody(song, 1, t, "G4q", 70, 0.9);
    for (int key : {55, 59, 62})
        song.note(2, t, key, q, 70);
    song.note(gm::Drums, t, gm::Kick, e, 86);
    song.note(gm::Drums, t, gm::Crash, bar, 80);
    return song.file();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = true;
    ok &= writeWave(dir + "Roll.wav", rollDice());
    ok &= writeWave(dir + "glass.wav", breakGlass());
    ok &= writeWave(dir + "claps.wav", clapping(4242, 16, 2.2, 1.55));
    ok &= writeWave(dir + "clap.wav", clapping(99, 5, 1.0, 0.6));
    ok &= writeFile(dir + "Congratulations.mid", fanfare());
    ok &= writeFile(dir + "I3IK.MID", setupTune());
    if (!ok) {
        std::fprintf(stderr, "could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
