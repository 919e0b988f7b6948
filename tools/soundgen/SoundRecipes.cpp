#include "SoundRecipes.h"

#include <cmath>

#include "sound/BuiltInSounds.h"

namespace velmora::soundgen {
namespace {

constexpr double kPeak = 0.7;  // about -3 dB of full scale

// Note frequencies (equal temperament, A4 = 440 Hz).
double Pitch(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}
constexpr int kG4 = -2, kC5 = 3, kD5 = 5, kE5 = 7, kG5 = 10, kA5 = 12, kC6 = 15, kE6 = 19, kG6 = 22;

const std::vector<Partial> kBell = {
    {1.0, 1.0, 1.2}, {2.0, 0.5, 0.8}, {2.76, 0.35, 0.5}, {5.4, 0.2, 0.25}, {8.93, 0.1, 0.12}};
const std::vector<Partial> kChime = {{1.0, 1.0, 0.4}, {2.0, 0.3, 0.2}, {3.0, 0.15, 0.1}};
const std::vector<Partial> kMarimba = {{1.0, 1.0, 0.35}, {4.0, 0.25, 0.05}, {10.0, 0.05, 0.02}};
const std::vector<Partial> kBeep = {{1.0, 1.0, 0.0}, {3.0, 0.12, 0.0}};
const std::vector<Partial> kReed = {{1.0, 1.0, 0}, {3.0, 0.3, 0}, {5.0, 0.12, 0}, {7.0, 0.05, 0}};

Signal Finish(Signal signal) {
    Normalize(signal, kPeak);
    return signal;
}

// "ピロロン": three rising chime notes, the last one ringing on.
Signal Piroron() {
    Signal s;
    AddNote(s, {.at = 0.00, .frequency = Pitch(kC6), .length = 0.25, .partials = kChime});
    AddNote(s, {.at = 0.12, .frequency = Pitch(kE6), .length = 0.25, .partials = kChime});
    AddNote(
        s,
        {.at = 0.24, .frequency = Pitch(kG6), .length = 0.8, .release = 0.3, .partials = kChime});
    return Finish(s);
}

// "ボワーン": a low tone that swells, wavers and sinks away.
Signal Bowaan() {
    Signal s;
    AddNote(s, {.at = 0,
                .frequency = 330,
                .length = 1.8,
                .attack = 0.15,
                .release = 0.6,
                .partials = {{1.0, 1.0, 1.0}, {2.0, 0.4, 0.6}, {3.0, 0.2, 0.4}},
                .vibratoRate = 5.5,
                .vibratoDepth = 0.012,
                .glideTo = 300});
    return Finish(s);
}

// "ボーン": one deep bell stroke.
Signal Boon() {
    Signal s;
    AddNote(s, {.at = 0,
                .frequency = 196,
                .length = 2.5,
                .attack = 0.004,
                .release = 0.5,
                .partials = kBell});
    return Finish(s);
}

// "ピコ": two short bright blips.
Signal Piko() {
    Signal s;
    AddNote(s, {.at = 0.00,
                .frequency = 2093,
                .length = 0.06,
                .attack = 0.003,
                .release = 0.015,
                .partials = kBeep});
    AddNote(s, {.at = 0.08,
                .frequency = 1568,
                .length = 0.07,
                .attack = 0.003,
                .release = 0.02,
                .partials = kBeep});
    return Finish(s);
}

// アラーム1: a clock radio's beeps, four and four.
Signal Alarm1() {
    Signal s;
    for (int group = 0; group < 2; ++group) {
        for (int beep = 0; beep < 4; ++beep) {
            AddNote(s, {.at = group * 0.8 + beep * 0.15,
                        .frequency = 2000,
                        .length = 0.08,
                        .attack = 0.004,
                        .release = 0.01,
                        .partials = kBeep});
        }
    }
    return Finish(s);
}

// アラーム2: a gentle two-tone call, high and low three times.
Signal Alarm2() {
    Signal s;
    for (int i = 0; i < 6; ++i) {
        AddNote(s, {.at = i * 0.25,
                    .frequency = i % 2 == 0 ? 960.0 : 770.0,
                    .length = 0.24,
                    .attack = 0.01,
                    .release = 0.03,
                    .partials = kBeep});
    }
    return Finish(s);
}

// アラーム3: two rising sweeps.
Signal Alarm3() {
    Signal s;
    for (int i = 0; i < 2; ++i) {
        AddNote(s, {.at = i * 0.7,
                    .frequency = 500,
                    .length = 0.6,
                    .attack = 0.02,
                    .release = 0.06,
                    .partials = kBeep,
                    .glideTo = 1500});
    }
    return Finish(s);
}

// アラーム4: a marimba arpeggio up to the octave.
Signal Alarm4() {
    Signal s;
    const int notes[] = {kC5, kE5, kG5, kC6};
    for (int i = 0; i < 4; ++i) {
        AddNote(s, {.at = i * 0.15,
                    .frequency = Pitch(notes[i]),
                    .length = i == 3 ? 0.9 : 0.4,
                    .attack = 0.003,
                    .release = 0.1,
                    .partials = kMarimba});
    }
    return Finish(s);
}

// アラーム5: a major chord of bells, struck twice.
Signal Alarm5() {
    Signal s;
    for (int stroke = 0; stroke < 2; ++stroke) {
        for (int note : {kC5, kE5, kG5}) {
            AddNote(s, {.at = stroke * 0.9,
                        .frequency = Pitch(note),
                        .length = 1.4,
                        .level = 0.3,
                        .attack = 0.004,
                        .release = 0.4,
                        .partials = kBell});
        }
    }
    return Finish(s);
}

// アラーム6: a four-note tower chime.
Signal Alarm6() {
    Signal s;
    const int notes[] = {kE5, kC5, kD5, kG4};
    for (int i = 0; i < 4; ++i) {
        AddNote(s, {.at = i * 0.45,
                    .frequency = Pitch(notes[i]),
                    .length = i == 3 ? 1.2 : 0.6,
                    .attack = 0.004,
                    .release = 0.2,
                    .partials = kBell});
    }
    return Finish(s);
}

// アラーム7: a bird-like warble between two close notes.
Signal Alarm7() {
    Signal s;
    for (int i = 0; i < 14; ++i) {
        AddNote(s, {.at = i * 0.085,
                    .frequency = i % 2 == 0 ? 1200.0 : 1500.0,
                    .length = 0.08,
                    .attack = 0.005,
                    .release = 0.02,
                    .partials = {{1.0, 1.0, 0.0}}});
    }
    return Finish(s);
}

// アラーム8: quick triple pips, three times.
Signal Alarm8() {
    Signal s;
    for (int group = 0; group < 3; ++group) {
        for (int pip = 0; pip < 3; ++pip) {
            AddNote(s, {.at = group * 0.5 + pip * 0.09,
                        .frequency = 3000,
                        .length = 0.05,
                        .attack = 0.003,
                        .release = 0.01,
                        .partials = kBeep});
        }
    }
    return Finish(s);
}

// アラーム9: a major scale running up an octave, soft reed timbre.
Signal Alarm9() {
    Signal s;
    const int scale[] = {kC5, kD5, kE5, kC5 + 5, kG5, kA5, kA5 + 2, kC6};
    for (int i = 0; i < 8; ++i) {
        AddNote(s, {.at = i * 0.11,
                    .frequency = Pitch(scale[i]),
                    .length = i == 7 ? 0.5 : 0.1,
                    .attack = 0.006,
                    .release = 0.03,
                    .partials = kReed});
    }
    return Finish(s);
}

}  // namespace

Signal JihoTone() {
    Signal s;
    for (double second : {0.0, 1.0, 2.0}) {
        AddNote(s, {.at = second,
                    .frequency = 440,
                    .length = 0.1,
                    .level = 0.6,
                    .attack = 0.002,
                    .release = 0.005});
    }
    AddNote(s, {.at = 3.0,
                .frequency = 880,
                .length = 1.5,
                .level = 0.6,
                .attack = 0.002,
                .release = 0.3,
                .partials = {{1.0, 1.0, 0.35}}});
    return s;
}

std::vector<Recipe> Recipes() {
    Signal (*const makers[])() = {Piroron, Bowaan, Boon,   Piko,   Alarm1, Alarm2, Alarm3,
                                  Alarm4,  Alarm5, Alarm6, Alarm7, Alarm8, Alarm9};
    std::vector<Recipe> recipes;
    for (size_t i = 0; i < kBuiltInAlarmSoundFiles.size(); ++i) {
        recipes.push_back({kBuiltInAlarmSoundFiles[i], makers[i]});
    }
    recipes.push_back({kJihoToneSoundFile, JihoTone});
    return recipes;
}

}  // namespace velmora::soundgen
