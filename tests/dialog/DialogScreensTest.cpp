#include <gtest/gtest.h>

#include <QFileInfo>

#include "ScreenCheck.h"

namespace velmora::test {
namespace {

// The pages and the about window drawn with the real Japanese fonts: no
// text may be cut off. The pictures stay under the build tree.
TEST(DialogScreensTest, NothingIsClippedOnAnyPage) {
    const QString folder = QStringLiteral(VELMORA_ARTIFACT_DIR) + QStringLiteral("/offscreen");
    const QStringList problems = CaptureScreens(folder);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    for (const char* name : {"settings-page0.png", "settings-page1.png", "settings-page2.png",
                             "settings-page3.png", "about.png"}) {
        EXPECT_TRUE(QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(name))) << name;
    }
}

}  // namespace
}  // namespace velmora::test
