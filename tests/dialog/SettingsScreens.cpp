// Draws the settings dialog's pages and the about window on the real
// display (the virtual one the test script starts) and saves them as PNGs:
// settings_dialog_screens <folder>. Fails when some text is cut off; skips
// (77) without a display.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ScreenCheck.h"
#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: settings_dialog_screens <folder>\n", stderr);
        return 2;
    }
    if (std::getenv("DISPLAY") == nullptr) {
        std::puts("no display: skipped");
        return 77;
    }
    velmora::test::IsolateEnvironment(velmora::test::TestHomeFor(argv[0]));
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    const QStringList problems = velmora::test::CaptureScreens(QString::fromLocal8Bit(argv[1]));
    for (const QString& problem : problems) {
        std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
    }
    return problems.isEmpty() ? 0 : 1;
}
