// Draws the clock's pictures and icons into the program's Data folder:
// the two dial pictures, the STOP button and the three icons.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <cstdio>
#include <vector>

#include "ClockArt.h"
#include "IconArt.h"
#include "ImageFiles.h"
#include "StopArt.h"

namespace {

using namespace velmora::art;

bool SaveBmp(const QImage& art, const QString& path) {
    return FlattenOnBlack(art).save(path, "BMP");
}

QImage PaintDial(ClockFinish finish) {
    QImage image(200, 226, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ClockArtOptions options;
    options.Finish = finish;
    PaintAlarmClock(painter, options);
    return image;
}

bool SaveIcon(IconKind kind, const QString& path) {
    std::vector<QImage> images;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        images.push_back(PaintIcon(kind, size));
    }
    const QByteArray bytes = EncodeIco(images);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: velmora-clock-art DATA_FOLDER\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok =
        SaveBmp(PaintDial(ClockFinish::Gray), dir.filePath(QStringLiteral("目覚まし時計Gray.bmp")));
    ok = SaveBmp(PaintDial(ClockFinish::White),
                 dir.filePath(QStringLiteral("目覚まし時計White.bmp"))) &&
         ok;
    ok = SaveBmp(PaintStopImage(), dir.filePath(QStringLiteral("Stop.bmp"))) && ok;
    ok = SaveIcon(IconKind::Program, dir.filePath(QStringLiteral("Velmora.ico"))) && ok;
    ok = SaveIcon(IconKind::Alarm, dir.filePath(QStringLiteral("Alarm.ico"))) && ok;
    ok = SaveIcon(IconKind::Snooze, dir.filePath(QStringLiteral("Snooze.ico"))) && ok;
    if (!ok) {
        std::fprintf(stderr, "could not write every picture into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
