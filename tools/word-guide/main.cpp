// Lays out the guide to writing one's own wake-up words and saves it as the
// PDF the settings dialog opens: velmora-word-guide <source.html> <folder>.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

namespace {

// Japanese faces first; examples in a fixed-width face so the marks stand
// out.
const char* const kStyleSheet = R"(
body { font-family: "Noto Sans CJK JP", "IPAPGothic", sans-serif; }
h1 { font-size: 18pt; margin-bottom: 2pt; }
h2 { font-size: 13pt; margin-top: 14pt; margin-bottom: 4pt; }
p.sub { color: #555555; margin-top: 0pt; }
code, td.ok, td.ng, p.syntax, p.memo {
  font-family: "Noto Sans Mono CJK JP", "IPAGothic", monospace;
}
td.ng { color: #b00000; }
th { background-color: #e8e8e8; }
table { margin-bottom: 6pt; }
p.syntax, p.memo { margin-left: 12pt; background-color: #f2f2f2; }
)";

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: velmora-word-guide <source.html> <folder>\n", stderr);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fputs("cannot read the guide's source\n", stderr);
        return 1;
    }
    QTextDocument document;
    document.setDefaultStyleSheet(QString::fromUtf8(kStyleSheet));
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(source.readAll()));

    const QString path = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/音声記号列仕様.pdf");
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("音声記号列仕様 — 自作の目覚めの言葉の書き方"));
    writer.setCreator(QStringLiteral("ベルモラ"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
    document.print(&writer);
    if (!QFile::exists(path)) {
        std::fputs("cannot write the PDF\n", stderr);
        return 1;
    }
    return 0;
}
