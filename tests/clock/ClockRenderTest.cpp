#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRegion>
#include <utility>
#include <vector>

#include "ClockFormTestSupport.h"
#include "clock/ClockHands.h"
#include "clock/ClockLayout.h"
#include "clock/ClockPainter.h"
#include "clock/DialText.h"

namespace velmora {
namespace {

using test::ArtifactPath;
using test::ClockFormFixture;
using test::SampleTime;

ClockTime At(int hour, int minute, int second, int ms = 0) {
    ClockTime t = SampleTime();
    t.Hour = hour;
    t.Minute = minute;
    t.Second = second;
    t.Millisecond = ms;
    return t;
}

::testing::AssertionResult ColourNear(const QImage& image, QPoint at, QColor expected,
                                      int tolerance = 6) {
    const QColor actual = image.pixelColor(at);
    const int worst = std::max(
        {std::abs(actual.red() - expected.red()), std::abs(actual.green() - expected.green()),
         std::abs(actual.blue() - expected.blue()), std::abs(actual.alpha() - 255)});
    if (worst <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "pixel (" << at.x() << "," << at.y() << ") is "
                                         << actual.name(QColor::HexArgb).toStdString()
                                         << ", expected " << expected.name().toStdString();
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& match) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (match(image.pixelColor(x, y))) {
                ++count;
            }
        }
    }
    return count;
}

bool IsColour(QColor c, int r, int g, int b) {
    return c.alpha() == 255 && test::ColoursNear(c, QColor(r, g, b), 8);
}

// A desktop behind the window: what the clock looks like where a
// compositing manager blends it (opacity 240/255, soft edges), or where the
// window is cut to its shape and shown opaque.
QImage OnDesktop(const QImage& window, const QRegion& shape, bool composited) {
    QImage desktop(window.size() + QSize(40, 40), QImage::Format_ARGB32);
    QPainter p(&desktop);
    QLinearGradient sky(0, 0, desktop.width(), desktop.height());
    sky.setColorAt(0.0, QColor(0x3a, 0x7b, 0xd5));
    sky.setColorAt(1.0, QColor(0xb8, 0xe0, 0xa8));
    p.fillRect(desktop.rect(), sky);
    p.translate(20, 20);
    if (composited) {
        p.setOpacity(240.0 / 255.0);
        p.drawImage(0, 0, window);
    } else {
        QImage opaque = window.convertToFormat(QImage::Format_RGB32);
        p.setClipRegion(shape);
        p.drawImage(0, 0, opaque);
    }
    return desktop;
}

class ClockRenderTest : public ::testing::Test, protected ClockFormFixture {};

TEST_F(ClockRenderTest, HandsDotAndSeeThroughCorners) {
    Create();
    Form().DrawHands(At(3, 0, 30));
    const QImage image = Render();
    ASSERT_EQ(image.size(), QSize(200, 226));
    for (const QPoint corner : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 225), QPoint(199, 225)}) {
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    const QColor hands(255, 244, 38);
    const QColor red(255, 0, 0);
    EXPECT_TRUE(ColourNear(image, {100, 115}, red));    // centre dot
    EXPECT_TRUE(ColourNear(image, {130, 115}, hands));  // hour hand at three
    EXPECT_TRUE(ColourNear(image, {101, 90}, hands));   // minute hand, 3° past twelve
    EXPECT_TRUE(ColourNear(image, {100, 160}, red));    // second hand at thirty seconds
    EXPECT_TRUE(ColourNear(image, {100, 104}, red));    // and its tail
    EXPECT_EQ(qAlpha(image.pixel(100, 60)), 255);       // the dial itself is opaque
    EXPECT_FALSE(ColourNear(image, {70, 115}, hands));  // nothing at nine o'clock
    EXPECT_FALSE(ColourNear(image, {100, 70}, red));
}

TEST_F(ClockRenderTest, NumeralsDateAndLabelInTheirColours) {
    Create();
    Form().DrawHands(At(3, 0, 0));
    QImage image = Render();
    const auto white = [](QColor c) { return IsColour(c, 255, 255, 255); };
    const auto yellow = [](QColor c) { return IsColour(c, 255, 255, 0); };
    const auto red = [](QColor c) { return IsColour(c, 255, 0, 0); };
    EXPECT_GT(CountPixels(image, {86, 40, 30, 22}, white), 10);    // "12"
    EXPECT_GT(CountPixels(image, {155, 104, 16, 22}, white), 5);   // "3"
    EXPECT_EQ(CountPixels(image, {60, 120, 20, 20}, white), 0);    // plain face
    EXPECT_GT(CountPixels(image, {50, 145, 100, 30}, yellow), 5);  // the date
    const QRect label = Form().AlarmLabelGeometry();
    EXPECT_EQ(label.left(), (200 - label.width()) / 2);
    EXPECT_EQ(label.bottom() + 1, 115 - 5);
    EXPECT_GT(CountPixels(image, label, red), 20);

    Form().LoadDial(DialColour::White);
    image = Render();
    const auto grey = [](QColor c) { return IsColour(c, 128, 128, 128); };
    EXPECT_GT(CountPixels(image, {86, 40, 30, 22}, grey), 10);
    EXPECT_TRUE(ColourNear(image, {130, 115}, QColor(196, 189, 108)));
    EXPECT_GT(
        CountPixels(image, {50, 145, 100, 30}, [](QColor c) { return IsColour(c, 196, 189, 108); }),
        5);
}

// Ten times a second only the moved hands' areas are repainted, the date
// left out when they miss it. After any such redraw the layer must hold
// exactly what a full paint of the new time gives: a pixel missed would
// leave a trace of the old hand or of the date. A minute in tenths, with the
// second hand passing the other hands and over the date, and the hour and
// minute hands stepping at a few minutes' ends.
TEST(HandLayerRedrawTest, RepaintingTheMovedAreasEqualsAFullPaint) {
    const ClockLayout layout = ComputeClockLayout(200, 226);
    const QSize size(layout.Width, layout.Height);
    QFont label;
    label.setBold(true);
    const PreparedDate date = PrepareDate(At(4, 37, 0), DateFont(label, size.width()));
    const auto full = [&](const ClockTime& t) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PaintHands(painter, size, DialColour::Gray, t, date, image.rect());
        return image;
    };
    std::vector<std::pair<ClockTime, ClockTime>> steps;
    for (int tenth = 0; tenth < 600; ++tenth) {
        steps.emplace_back(At(4, 37, tenth / 10, tenth % 10 * 100),
                           At(4, 37, (tenth + 1) / 10 % 60, (tenth + 1) % 10 * 100));
    }
    for (const int minute : {0, 14, 29, 44, 59}) {
        steps.emplace_back(At(11, minute, 59, 900),
                           At(minute == 59 ? 12 : 11, (minute + 1) % 60, 0));
    }
    int checked = 0;
    for (const auto& [before, after] : steps) {
        const std::vector<PixelRect> areas = MovedHandAreas(layout, before, after);
        if (areas.empty()) {
            continue;
        }
        QRegion dirty;
        for (const PixelRect& r : areas) {
            dirty += QRect(r.left, r.top, r.width, r.height);
        }
        QImage redrawn = full(before);
        QPainter painter(&redrawn);
        painter.setClipRegion(dirty);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(redrawn.rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        PaintHands(painter, size, DialColour::Gray, after, date, dirty.boundingRect());
        painter.end();
        ++checked;
        ASSERT_TRUE(redrawn == full(after))
            << after.Hour << ":" << after.Minute << ":" << after.Second << "." << after.Millisecond;
    }
    EXPECT_GT(checked, 400);  // most tenths move the second hand's end
}

// Each numeral is centred on its place by whole halves of its text's size,
// cut toward zero. Faces whose "0" or "10" measures an odd number of pixels
// tell a half rounded up apart: the numeral would sit a pixel up or left.
TEST(DialNumeralsTest, CentredByWholeHalvesOfTheirText) {
    int oddSizes = 0;
    for (const char* family : {"DejaVu Sans", "DejaVu Serif", "Noto Sans CJK JP"}) {
        QFont base;
        base.setFamilies({QString::fromLatin1(family)});
        const QFont font = FontOfPoints(base, 12);
        const QFontMetrics metrics(font);
        QImage painted(200, 226, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        QImage expected = painted;
        {
            QPainter p(&painted);
            PaintDialNumerals(p, DialColour::Gray, base);
        }
        QPainter p(&expected);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        const Rgb colour = PaletteFor(DialColour::Gray).Numerals;
        p.setPen(QColor(colour.r, colour.g, colour.b));
        for (int r = 0; r < 12; ++r) {
            const QSize size(
                metrics.horizontalAdvance(QString::fromLatin1(DialNumeralIsWide(r) ? "10" : "0")),
                metrics.height());
            oddSizes += size.width() % 2 + size.height() % 2;
            const PixelPoint at = DialNumeralTopLeft(r, size.width() / 2, size.height() / 2);
            p.drawText(QPointF(at.x, at.y + metrics.ascent()),
                       QString::fromStdString(DialNumeralText(r)));
        }
        p.end();
        EXPECT_TRUE(painted == expected) << family;
    }
    ASSERT_GT(oddSizes, 0) << "no face at hand measures an odd size";
}

TEST_F(ClockRenderTest, LayoutFollowsTheSize) {
    Create();
    Form().resize(400, 452);
    Form().LayoutClock();
    EXPECT_EQ(Form().Layout(), ComputeClockLayout(400, 452));
    EXPECT_EQ(Form().StopButtonGeometry(), QRect(150, 0, 100, 50));
    const QRect label = Form().AlarmLabelGeometry();
    EXPECT_EQ(label.left(), (400 - label.width()) / 2);
    EXPECT_EQ(label.bottom() + 1, 230 - 5);
    Form().DrawHands(At(9, 0, 0));
    const QImage image = Render();
    EXPECT_TRUE(ColourNear(image, {200, 230}, QColor(255, 0, 0)));
    EXPECT_TRUE(ColourNear(image, {150, 230}, QColor(255, 244, 38)));  // hour hand at nine
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);
}

TEST_F(ClockRenderTest, ShapeMaskWithoutACompositingManager) {
    desktop.compositing = false;
    Create();
    EXPECT_TRUE(Form().UsesShapeMask());
    const QRegion shape = Form().mask();
    EXPECT_TRUE(shape.contains(QPoint(100, 115)));
    EXPECT_TRUE(shape.contains(QPoint(100, 8)));  // the STOP button
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(199, 225)));
    EXPECT_FALSE(shape.contains(QPoint(100, 224)));  // between the feet

    desktop.compositing = true;
    Form().LayoutClock();
    EXPECT_FALSE(Form().UsesShapeMask());
    EXPECT_TRUE(Form().mask().isEmpty());
    EXPECT_DOUBLE_EQ(Form().windowOpacity(), 240.0 / 255.0);
}

TEST_F(ClockRenderTest, ScreenshotsOfBothDialsAndTheRingingClock) {
    Create();
    Form().DrawHands(SampleTime());
    for (const test::DialShot& shot : test::kDialShots) {
        Form().LoadDial(shot.colour);
        Form().resize(shot.width, HeightForWidth(shot.width));
        Form().LayoutClock();
        const QImage image = Render();
        const QString base = QStringLiteral("clock-%1").arg(QLatin1String(shot.name));
        ASSERT_TRUE(image.save(ArtifactPath(base + QStringLiteral(".png"))));
        ASSERT_TRUE(OnDesktop(image, Form().mask(), true)
                        .save(ArtifactPath(base + QStringLiteral("-composited.png"))));
        desktop.compositing = false;
        Form().LayoutClock();
        ASSERT_TRUE(OnDesktop(image, Form().mask(), false)
                        .save(ArtifactPath(base + QStringLiteral("-shaped.png"))));
        desktop.compositing = true;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }

    host.ringing = true;
    Form().LoadDial(DialColour::Gray);
    Form().SetAlarmLabel(QStringLiteral("SNOOZE"));
    Form().EnlargeForRinging();
    EXPECT_EQ(Form().geometry(), QRect(721, 270, 478, 540));
    const QImage ringing = Render();
    ASSERT_TRUE(ringing.save(ArtifactPath(QStringLiteral("clock-ringing.png"))));
    ASSERT_TRUE(OnDesktop(ringing, Form().mask(), true)
                    .save(ArtifactPath(QStringLiteral("clock-ringing-composited.png"))));
    const QRect stop = Form().StopButtonGeometry();
    EXPECT_EQ(stop, QRect(179, 0, 120, 60));
    EXPECT_GT(CountPixels(ringing, stop, [](QColor c) { return c.red() > 150 && c.green() < 90; }),
              500);
}

}  // namespace
}  // namespace velmora
