#include "engine/Resampler.h"

#include <soxr.h>

#include <cmath>

namespace velmora::voice {

std::vector<std::int16_t> Resample(std::span<const std::int16_t> samples, double fromRate,
                                   double toRate) {
    if (samples.empty() || fromRate <= 0 || toRate <= 0) {
        return {};
    }
    const auto expected =
        static_cast<size_t>(std::ceil(static_cast<double>(samples.size()) * toRate / fromRate));
    std::vector<std::int16_t> out(expected + 16);
    // soxr dithers an integer output by default, from a seed it takes from
    // the clock: the same words would never come out the same twice. The
    // samples are 16-bit already, so there is nothing for a dither to hide.
    soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    io.flags |= SOXR_NO_DITHER;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    size_t produced = 0;
    const soxr_error_t error =
        soxr_oneshot(fromRate, toRate, 1, samples.data(), samples.size(), nullptr, out.data(),
                     out.size(), &produced, &io, &quality, nullptr);
    if (error != nullptr) {
        return {};
    }
    out.resize(produced);
    return out;
}

}  // namespace velmora::voice
