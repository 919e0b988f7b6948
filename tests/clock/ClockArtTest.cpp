#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QString>
#include <cmath>

#include "ImageFiles.h"
#include "support/TestEnvironment.h"

namespace velmora {
namespace {

QString DataFile(const char* name) {
    return QString::fromStdString(test::ProgramDir() + "/Data/") + QString::fromUtf8(name);
}

bool IsBlack(QRgb c) {
    return (c & 0x00ffffffU) == 0;
}

TEST(ClockArtTest, DialsAreOpaqueClocksOnSeeThroughBlack) {
    for (const char* name : {"目覚まし時計Gray.bmp", "目覚まし時計White.bmp"}) {
        QImageReader reader(DataFile(name));
        EXPECT_EQ(reader.format(), "bmp") << name;
        const QImage dial = reader.read();
        ASSERT_FALSE(dial.isNull()) << name;
        EXPECT_EQ(dial.size(), QSize(200, 226)) << name;
        EXPECT_FALSE(dial.hasAlphaChannel()) << name;
        for (const QPoint p : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 225), QPoint(199, 225),
                               QPoint(100, 224), QPoint(100, 2)}) {
            EXPECT_TRUE(IsBlack(dial.pixel(p))) << name << " " << p.x() << "," << p.y();
        }
        // The whole round body is solid: no see-through hole on the face.
        int holes = 0;
        for (int y = 0; y < 226; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (std::hypot(x + 0.5 - 100.0, y + 0.5 - 115.0) < 88.0 &&
                    IsBlack(dial.pixel(x, y))) {
                    ++holes;
                }
            }
        }
        EXPECT_EQ(holes, 0) << name;
        // Bells beside the top and feet below the body are drawn.
        EXPECT_FALSE(IsBlack(dial.pixel(25, 40))) << name;
        EXPECT_FALSE(IsBlack(dial.pixel(28, 218))) << name;
    }
}

TEST(ClockArtTest, StopPictureIsARedButtonOnBlack) {
    const QImage stop(DataFile("Stop.bmp"));
    ASSERT_FALSE(stop.isNull());
    EXPECT_EQ(stop.size(), QSize(50, 64));
    EXPECT_TRUE(IsBlack(stop.pixel(0, 0)));
    EXPECT_TRUE(IsBlack(stop.pixel(49, 63)));
    const QColor cap = stop.pixelColor(7, 28);
    EXPECT_GT(cap.red(), 150);
    EXPECT_LT(cap.green(), 90);
}

TEST(ClockArtTest, IconsHoldEverySizeWithAlpha) {
    for (const char* name : {"Velmora.ico", "Alarm.ico", "Snooze.ico"}) {
        QImageReader reader(DataFile(name));
        ASSERT_TRUE(reader.canRead()) << name;
        EXPECT_EQ(reader.imageCount(), 8) << name;
        QList<int> sizes;
        do {
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull()) << name;
            EXPECT_EQ(image.width(), image.height()) << name;
            EXPECT_TRUE(image.hasAlphaChannel()) << name;
            EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0) << name;
            EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() * 2 / 3)), 255)
                << name << " " << image.width();
            sizes << image.width();
        } while (reader.jumpToNextImage());
        EXPECT_EQ(sizes, (QList<int>{16, 22, 24, 32, 48, 64, 128, 256})) << name;
    }
}

TEST(ClockArtTest, IconEncodingReadsBackExactly) {
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    image.setPixel(19, 0, qRgba(200, 100, 50, 128));
    image.setPixel(5, 19, qRgba(90, 180, 30, 200));
    QByteArray bytes = art::EncodeIco({image});
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ico");
    const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), image.size());
    // Qt keeps icons premultiplied, which blurs the colour of faint pixels a
    // little; alpha, and the colour of opaque pixels, come back exactly.
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QRgb was = image.pixel(x, y);
            const QRgb is = back.pixel(x, y);
            ASSERT_EQ(qAlpha(is), qAlpha(was)) << x << "," << y;
            const int slack = qAlpha(was) == 255 ? 0 : (qAlpha(was) == 0 ? 255 : 2);
            EXPECT_LE(std::abs(qRed(is) - qRed(was)), slack) << x << "," << y;
            EXPECT_LE(std::abs(qGreen(is) - qGreen(was)), slack) << x << "," << y;
            EXPECT_LE(std::abs(qBlue(is) - qBlue(was)), slack) << x << "," << y;
        }
    }
}

TEST(ClockArtTest, FlatteningKeepsBlackForTheSurroundingsOnly) {
    QImage art(4, 1, QImage::Format_ARGB32);
    art.setPixel(0, 0, qRgba(255, 255, 255, 0));  // nothing there
    art.setPixel(1, 0, qRgba(0, 0, 0, 255));      // black paint
    art.setPixel(2, 0, qRgba(200, 100, 0, 20));   // too faint an edge
    art.setPixel(3, 0, qRgba(200, 100, 0, 128));  // an edge over black
    const QImage flat = art::FlattenOnBlack(art);
    EXPECT_FALSE(flat.hasAlphaChannel());
    EXPECT_EQ(flat.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(flat.pixel(1, 0), qRgb(1, 1, 1));
    EXPECT_EQ(flat.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(flat.pixel(3, 0), qRgb(100, 50, 0));
}

}  // namespace
}  // namespace velmora
