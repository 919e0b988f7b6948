// Draws the about window's banner and saves it as the JPEG the window
// decodes: velmora-about-art <Data folder>.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "BannerArt.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: velmora-about-art <folder>\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fputs("cannot create the folder\n", stderr);
        return 1;
    }
    const QString path = folder + QStringLiteral("/VelmoraBanner.jpg");
    if (!velmora::art::DrawBanner().save(path, "JPEG", 90)) {
        std::fputs("cannot write VelmoraBanner.jpg\n", stderr);
        return 1;
    }
    return 0;
}
