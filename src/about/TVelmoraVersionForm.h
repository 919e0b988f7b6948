#pragma once

#include <QDialog>
#include <string>

class QLabel;

namespace velmora {

class LinkOpener;
class Notices;

// The address the about window links to: the program's home page.
QString HomePageUrl();

// The about window: product name, version, icon, banner, a link to the
// home page and a line crediting the voices and the synthesis engine.
// Fixed in size, shown modally.
class TVelmoraVersionForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelmoraVersionForm)

public:
    TVelmoraVersionForm(Notices& notices, LinkOpener& opener, const std::string& programFolder,
                        QWidget* parent = nullptr);

    void ShowModal();
    // The link was clicked: open it in the browser.
    void LblURLClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SetLinkHot(bool hot);
    void LoadPictures(const std::string& programFolder);
    void Arrange();

    Notices& notices_;
    LinkOpener& opener_;
    QLabel* label1_;
    QLabel* lblVersion_;
    QLabel* image1_;
    QLabel* image2_;
    QLabel* lblURL_;
    QLabel* lblCredits_;
};

}  // namespace velmora
