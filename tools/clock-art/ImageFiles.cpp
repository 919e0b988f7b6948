#include "ImageFiles.h"

#include <QtEndian>

namespace velmora::art {

namespace {

// Below this coverage an edge pixel is dropped rather than shown as a dark
// speck where the window system cuts the shape.
constexpr int kMinCoverage = 40;

void Put16(QByteArray& out, int value) {
    const quint16 le = qToLittleEndian(static_cast<quint16>(value));
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void Put32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

QByteArray IconImageData(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    Put32(out, 40);                           // header size
    Put32(out, static_cast<quint32>(w));      // width
    Put32(out, static_cast<quint32>(2 * h));  // colour and mask rows
    Put16(out, 1);                            // planes
    Put16(out, 32);                           // bits per pixel
    Put32(out, 0);                            // no compression
    Put32(out, static_cast<quint32>(w * h * 4 + maskStride * h));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {  // rows bottom-up, pixels as B, G, R, A
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            Put32(out, row[x]);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 0) {
                mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(mask);
    }
    return out;
}

}  // namespace

QImage FlattenOnBlack(const QImage& art) {
    const QImage source = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.size(), QImage::Format_RGB888);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* px = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = in[x];
            int r = 0;
            int g = 0;
            int b = 0;
            if (qAlpha(c) >= kMinCoverage) {
                // Premultiplied components are the colour laid over black.
                r = qRed(c);
                g = qGreen(c);
                b = qBlue(c);
                if (r == 0 && g == 0 && b == 0) {
                    r = g = b = 1;
                }
            }
            px[3 * x] = static_cast<uchar>(r);
            px[3 * x + 1] = static_cast<uchar>(g);
            px[3 * x + 2] = static_cast<uchar>(b);
        }
    }
    return out;
}

QByteArray EncodeIco(const std::vector<QImage>& images) {
    std::vector<QByteArray> data;
    data.reserve(images.size());
    for (const QImage& image : images) {
        data.push_back(IconImageData(image));
    }
    QByteArray out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, static_cast<int>(images.size()));
    quint32 offset = static_cast<quint32>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int w = images[i].width();
        const int h = images[i].height();
        out.append(static_cast<char>(w >= 256 ? 0 : w));
        out.append(static_cast<char>(h >= 256 ? 0 : h));
        out.append('\0');  // no palette
        out.append('\0');
        Put16(out, 1);   // planes
        Put16(out, 32);  // bits per pixel
        Put32(out, static_cast<quint32>(data[i].size()));
        Put32(out, offset);
        offset += static_cast<quint32>(data[i].size());
    }
    for (const QByteArray& d : data) {
        out.append(d);
    }
    return out;
}

}  // namespace velmora::art
