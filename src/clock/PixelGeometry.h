#pragma once

namespace velmora {

// Whole-pixel geometry of the clock window, in the window's client
// coordinates unless said otherwise.
struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    PixelSize Size() const { return {width, height}; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace velmora
