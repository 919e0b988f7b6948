#pragma once

#include <cstddef>
#include <vector>

namespace velmora::soundgen {

inline constexpr int kRate = 22050;

using Signal = std::vector<double>;

// One partial of a tone: a multiple of the base frequency, its level and
// how fast it dies away (time constant in seconds; 0 = it does not).
struct Partial {
    double ratio;
    double level;
    double decay;
};

// A tone that starts at `at` seconds into `out`, growing the signal as
// needed. The attack ramps up over `attack` seconds and the last `release`
// seconds fade to silence, so no tone starts or ends with a click.
struct Note {
    double at;
    double frequency;
    double length;
    double level = 0.5;
    double attack = 0.005;
    double release = 0.02;
    std::vector<Partial> partials = {{1.0, 1.0, 0.0}};
    double vibratoRate = 0;   // Hz
    double vibratoDepth = 0;  // fraction of the frequency
    double glideTo = 0;       // frequency at the end, 0 = steady
};

void AddNote(Signal& out, const Note& note);

// Scales the signal so its loudest sample is `peak` (of full scale 1.0).
void Normalize(Signal& signal, double peak);

// Seconds to a sample index at kRate.
std::size_t SampleAt(double seconds);

}  // namespace velmora::soundgen
