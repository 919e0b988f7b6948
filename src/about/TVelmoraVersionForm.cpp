#include "about/TVelmoraVersionForm.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "about/JpegDecoder.h"
#include "about/LinkOpener.h"
#include "base/Notices.h"
#include "dialog/DialogFont.h"

namespace velmora {
namespace {

// Tall enough for the three lines of credits below the link.
constexpr QSize kClientSize(401, 224);
constexpr QSize kIconBox(41, 49);
constexpr QSize kBannerBox(316, 38);
const QColor kBackground(49, 49, 202);
const QColor kLinkColour(Qt::yellow);
const QColor kHotLinkColour(0, 255, 0);
constexpr int kCreditsMargin = 12;

QLabel* TextLabel(const QString& text, int pixelSize, const QColor& colour, QWidget* parent,
                  bool bold = true) {
    auto* label = new QLabel(text, parent);
    label->setFont(DialogFont(pixelSize, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// Who made the voices and the synthesis engine, and under which licences.
QString VoiceCredits() {
    return QStringLiteral(
        "音声: HTS Voice \"Mei\" (名古屋工業大学, CC BY 3.0)、"
        "HTS Voice \"NIT ATR503 M001\" (名古屋工業大学・東京工業大学, CC BY 3.0)、"
        "hts_engine API (BSD)。詳しくは ReadMe.txt");
}

// The largest picture the icon file holds, so that scaling only shrinks.
QImage LargestIconImage(const QString& path) {
    QImageReader reader(path);
    QImage best;
    const int count = std::max(reader.imageCount(), 1);
    for (int i = 0; i < count; ++i) {
        if (count > 1 && !reader.jumpToImage(i)) {
            break;
        }
        const QImage image = reader.read();
        if (image.width() * image.height() > best.width() * best.height()) {
            best = image;
        }
    }
    return best;
}

}  // namespace

QString HomePageUrl() {
    return QStringLiteral("https://velmora.example.jp/");
}

TVelmoraVersionForm::TVelmoraVersionForm(Notices& notices, LinkOpener& opener,
                                         const std::string& programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      notices_(notices),
      opener_(opener),
      label1_(TextLabel(QStringLiteral("ベルモラ"), 27, Qt::white, this)),
      lblVersion_(TextLabel(QStringLiteral("Ver 1.93"), 21, Qt::yellow, this)),
      image1_(new QLabel(this)),
      image2_(new QLabel(this)),
      lblURL_(TextLabel(HomePageUrl(), 15, kLinkColour, this)),
      // The voices' licence asks for their makers to be credited where the
      // program shows its own credits; the full notices are in the guide.
      lblCredits_(TextLabel(VoiceCredits(), 10, Qt::white, this, false)) {
    setWindowTitle(QStringLiteral("ベルモラのバージョン情報"));
    setFont(DialogFont(11));
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    label1_->setObjectName(QStringLiteral("Label1"));
    lblVersion_->setObjectName(QStringLiteral("LblVersion"));
    image1_->setObjectName(QStringLiteral("Image1"));
    image2_->setObjectName(QStringLiteral("Image2"));
    lblURL_->setObjectName(QStringLiteral("LblURL"));
    lblCredits_->setObjectName(QStringLiteral("LblCredits"));
    lblCredits_->setWordWrap(true);
    lblCredits_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setMouseTracking(true);
    lblURL_->setMouseTracking(true);
    lblURL_->installEventFilter(this);
    LoadPictures(programFolder);
    Arrange();
}

void TVelmoraVersionForm::LoadPictures(const std::string& programFolder) {
    const QString folder = QString::fromStdString(programFolder);
    const QImage icon = LargestIconImage(folder + QStringLiteral("Data/Velmora.ico"));
    image1_->setFixedSize(kIconBox);
    image1_->setAlignment(Qt::AlignCenter);
    if (!icon.isNull()) {
        image1_->setPixmap(QPixmap::fromImage(
            icon.scaled(kIconBox, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    image2_->setFixedSize(kBannerBox);
    if (const auto banner = DecodeJpegFile(programFolder + "Data/VelmoraBanner.jpg")) {
        const QImage image(banner->Rgb.data(), banner->Width, banner->Height, banner->Width * 3,
                           QImage::Format_RGB888);
        // scaled() makes its own copy, so the decoder's buffer may go.
        image2_->setPixmap(QPixmap::fromImage(
            image.scaled(kBannerBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
}

void TVelmoraVersionForm::Arrange() {
    for (QLabel* label : {label1_, lblVersion_, lblURL_}) {
        label->resize(label->sizeHint());
    }
    image1_->move(24, 14);
    label1_->move(80, 14);
    // The version sits on the name's baseline.
    const int baseline = label1_->y() + QFontMetrics(label1_->font()).ascent();
    lblVersion_->move(label1_->geometry().right() + 16,
                      baseline - QFontMetrics(lblVersion_->font()).ascent());
    image2_->move((width() - kBannerBox.width()) / 2, 84);
    lblURL_->move((width() - lblURL_->width()) / 2, 144);
    const int creditsWidth = width() - 2 * kCreditsMargin;
    lblCredits_->resize(creditsWidth, lblCredits_->heightForWidth(creditsWidth));
    lblCredits_->move(kCreditsMargin, lblURL_->geometry().bottom() + 6);
}

void TVelmoraVersionForm::showEvent(QShowEvent* event) {
    // The user's face may have been put on the labels since they were laid
    // out (the font setting is applied a few seconds after start): each is
    // sized to its text again, so none is cut off.
    Arrange();
    QDialog::showEvent(event);
}

void TVelmoraVersionForm::ShowModal() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    exec();
}

void TVelmoraVersionForm::SetLinkHot(bool hot) {
    QPalette palette = lblURL_->palette();
    palette.setColor(QPalette::WindowText, hot ? kHotLinkColour : kLinkColour);
    lblURL_->setPalette(palette);
    lblURL_->setCursor(hot ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TVelmoraVersionForm::mouseMoveEvent(QMouseEvent* event) {
    SetLinkHot(false);
    QDialog::mouseMoveEvent(event);
}

bool TVelmoraVersionForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblURL_) {
        switch (event->type()) {
            case QEvent::MouseMove:
                // Consumed here: passed on, it would reach the window below
                // the link, which turns the link back to yellow.
                SetLinkHot(true);
                return true;
            case QEvent::Leave:
                SetLinkHot(false);
                break;
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    LblURLClick();
                    return true;
                }
                break;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TVelmoraVersionForm::LblURLClick() {
    const LinkOpenResult result = opener_.Open(lblURL_->text());
    if (!result.Opened) {
        notices_.ShowNotice("作者サイトへの接続に失敗しました。" + std::to_string(result.Code));
    }
}

}  // namespace velmora
