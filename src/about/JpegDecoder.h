#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// A decoded picture: three bytes (red, green, blue) per pixel, rows from
// the top.
struct DecodedJpeg {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Rgb;
};

// Decodes a JPEG with libjpeg; nullopt for anything libjpeg refuses (a
// truncated or damaged file, not a JPEG at all) instead of ending the
// program, which is what libjpeg does by default.
std::optional<DecodedJpeg> DecodeJpeg(const std::vector<unsigned char>& bytes);
std::optional<DecodedJpeg> DecodeJpegFile(const std::string& path);

}  // namespace velmora
