#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::soundgen {

std::size_t SampleAt(double seconds) {
    return static_cast<std::size_t>(std::llround(seconds * kRate));
}

void AddNote(Signal& out, const Note& note) {
    const std::size_t start = SampleAt(note.at);
    const std::size_t count = SampleAt(note.length);
    if (out.size() < start + count) {
        out.resize(start + count, 0.0);
    }
    std::vector<double> phase(note.partials.size(), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double envelope = 1.0;
        if (note.attack > 0 && t < note.attack) {
            envelope = t / note.attack;
        }
        const double untilEnd = note.length - t;
        if (note.release > 0 && untilEnd < note.release) {
            envelope = std::min(envelope, std::max(untilEnd, 0.0) / note.release);
        }
        double frequency = note.frequency;
        if (note.glideTo > 0) {
            frequency += (note.glideTo - note.frequency) * t / note.length;
        }
        if (note.vibratoRate > 0) {
            frequency *=
                1.0 + note.vibratoDepth * std::sin(2 * std::numbers::pi * note.vibratoRate * t);
        }
        double value = 0;
        for (std::size_t p = 0; p < note.partials.size(); ++p) {
            const Partial& partial = note.partials[p];
            phase[p] += 2 * std::numbers::pi * frequency * partial.ratio / kRate;
            const double fade = partial.decay > 0 ? std::exp(-t / partial.decay) : 1.0;
            value += partial.level * fade * std::sin(phase[p]);
        }
        out[start + i] += note.level * envelope * value;
    }
}

void Normalize(Signal& signal, double peak) {
    double loudest = 0;
    for (double v : signal) {
        loudest = std::max(loudest, std::abs(v));
    }
    if (loudest > 0) {
        for (double& v : signal) {
            v *= peak / loudest;
        }
    }
}

}  // namespace velmora::soundgen
