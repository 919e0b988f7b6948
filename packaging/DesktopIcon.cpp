// Draws the program's icon as PNG files for the desktop's icon theme:
//   velmora-desktop-icon FOLDER SIZE...  writes FOLDER/SIZE/velmora.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "IconArt.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: velmora-desktop-icon FOLDER SIZE...\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&number);
        if (!number || size < 16 || size > 1024) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = dir.filePath(QString::number(size));
        const QImage icon = velmora::art::PaintIcon(velmora::art::IconKind::Program, size);
        if (!QDir().mkpath(folder) ||
            !icon.save(QDir(folder).filePath(QStringLiteral("velmora.png")), "PNG")) {
            std::fprintf(stderr, "cannot write the %d pixel icon into %s\n", size, argv[1]);
            return 1;
        }
    }
    return 0;
}
