#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <fstream>

#include "about/JpegDecoder.h"
#include "about/TVelmoraVersionForm.h"
#include "fakes/FakeLinkOpener.h"
#include "fakes/FakeNotices.h"
#include "support/ScreenReaderNames.h"
#include "support/TestEnvironment.h"

namespace velmora::test {
namespace {

std::string ProgramFolder() {
    return ProgramDir() + "/";
}

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

class AboutWindowTest : public ::testing::Test {
protected:
    QLabel* Label(const char* name) const {
        auto* label = about.findChild<QLabel*>(QLatin1String(name));
        EXPECT_NE(label, nullptr) << name;
        return label;
    }
    void MoveOver(QWidget* widget) const {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    FakeNotices notices;
    FakeLinkOpener opener;
    TVelmoraVersionForm about{notices, opener, ProgramFolder()};
};

TEST_F(AboutWindowTest, ShowsNameVersionAndPicturesInItsColours) {
    EXPECT_EQ(about.windowTitle(), QStringLiteral("ベルモラのバージョン情報"));
    EXPECT_EQ(about.size(), QSize(401, 224));
    EXPECT_EQ(NamelessControls(about), QStringList());
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(49, 49, 202));
    EXPECT_EQ(Label("Label1")->text(), QStringLiteral("ベルモラ"));
    EXPECT_EQ(TextColour(Label("Label1")), QColor(Qt::white));
    EXPECT_EQ(Label("Label1")->font().pixelSize(), 27);
    EXPECT_TRUE(Label("Label1")->font().bold());
    EXPECT_EQ(Label("LblVersion")->text(), QStringLiteral("Ver 1.93"));
    EXPECT_EQ(TextColour(Label("LblVersion")), QColor(Qt::yellow));
    EXPECT_EQ(Label("LblVersion")->font().pixelSize(), 21);
    EXPECT_EQ(Label("LblURL")->text(), HomePageUrl());
    EXPECT_EQ(Label("LblURL")->font().pixelSize(), 15);
    // The voices' and the engine's makers with their licences, as the
    // voices' licence requires.
    for (const char* credit :
         {"HTS Voice \"Mei\"", "HTS Voice \"NIT ATR503 M001\"", "名古屋工業大学", "東京工業大学",
          "CC BY 3.0", "hts_engine API", "BSD", "ReadMe.txt"}) {
        EXPECT_TRUE(Label("LblCredits")->text().contains(QString::fromUtf8(credit))) << credit;
    }
    const QPixmap icon = Label("Image1")->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.width() <= 41 && icon.height() <= 49);
    EXPECT_TRUE(icon.width() == 41 || icon.height() == 49);  // as large as the box allows
    const QPixmap banner = Label("Image2")->pixmap();
    ASSERT_FALSE(banner.isNull());
    EXPECT_EQ(banner.size(), QSize(316, 38));
    for (const char* name : {"Label1", "LblVersion", "LblURL", "LblCredits", "Image1", "Image2"}) {
        EXPECT_TRUE(about.rect().contains(Label(name)->geometry())) << name;
    }
}

TEST_F(AboutWindowTest, TheLinkLightsUpUnderTheMouse) {
    about.show();
    QLabel* link = Label("LblURL");
    MoveOver(link);
    EXPECT_EQ(TextColour(link), QColor(0, 255, 0));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    MoveOver(&about);
    EXPECT_EQ(TextColour(link), QColor(Qt::yellow));
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
    about.hide();
}

TEST_F(AboutWindowTest, ClickingTheLinkOpensTheHomePage) {
    QTest::mouseClick(Label("LblURL"), Qt::LeftButton);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], QStringLiteral("https://velmora.example.jp/"));
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(AboutWindowTest, AFailedLinkIsReportedWithTheDesktopsCode) {
    opener.answer = {false, 2};
    about.show();
    about.LblURLClick();
    EXPECT_EQ(notices.notices, std::vector<std::string>{"作者サイトへの接続に失敗しました。2"});
    EXPECT_TRUE(about.isVisible());
    about.hide();
}

TEST(JpegDecoderTest, DecodesTheBannerTheBuildDrew) {
    const auto banner = DecodeJpegFile(ProgramFolder() + "Data/VelmoraBanner.jpg");
    ASSERT_TRUE(banner.has_value());
    EXPECT_EQ(banner->Width, 632);
    EXPECT_EQ(banner->Height, 76);
    ASSERT_EQ(banner->Rgb.size(), 632u * 76u * 3u);
    // The top of the sky is dark blue, the sun in the middle bright.
    const auto pixel = [&](int x, int y) {
        const size_t at = (static_cast<size_t>(y) * 632 + static_cast<size_t>(x)) * 3;
        return QColor(banner->Rgb[at], banner->Rgb[at + 1], banner->Rgb[at + 2]);
    };
    EXPECT_GT(pixel(300, 2).blue(), pixel(300, 2).red());
    EXPECT_GT(pixel(316, 50).red(), 200);
}

TEST(JpegDecoderTest, RefusesWhatIsNotAJpeg) {
    EXPECT_FALSE(DecodeJpeg({}).has_value());
    EXPECT_FALSE(DecodeJpeg({'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'}).has_value());
    std::ifstream in(ProgramFolder() + "Data/VelmoraBanner.jpg", std::ios::binary);
    std::vector<unsigned char> head(64);
    in.read(reinterpret_cast<char*>(head.data()), 64);
    EXPECT_FALSE(DecodeJpeg(head).has_value());  // cut off inside the header
    EXPECT_FALSE(DecodeJpegFile(ProgramFolder() + "Data/missing.jpg").has_value());
}

}  // namespace
}  // namespace velmora::test
