#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace velmora::test {

// Root mean square of samples [from, to), in fractions of full scale.
double Rms(std::span<const std::int16_t> samples, std::size_t from, std::size_t to);

// Amplitude (fraction of full scale) of a sine at `frequency` in samples
// [from, to), by the Goertzel filter.
double ToneLevel(std::span<const std::int16_t> samples, std::size_t from, std::size_t to,
                 double frequency, int rate);

// The first sample at or after `from` whose magnitude exceeds `threshold`
// (fraction of full scale).
std::optional<std::size_t> FirstAbove(std::span<const std::int16_t> samples, double threshold,
                                      std::size_t from = 0);
// The last such sample.
std::optional<std::size_t> LastAbove(std::span<const std::int16_t> samples, double threshold);

// How many separate bursts of a sine at `frequency` louder than `threshold`
// the samples hold, looked at in windows of `window` samples.
std::size_t CountBursts(std::span<const std::int16_t> samples, double frequency, int rate,
                        double threshold, std::size_t window);

}  // namespace velmora::test
