#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora::test {

// Every visible label, button, check box, radio button and group box below
// `root` that is smaller than its text needs, or that reaches outside its
// parent: "name: why" for each.
QStringList ClippedWidgets(QWidget* root);

// Shows the settings dialog page by page and the about window, saves a PNG
// of each into `folder` (settings-page0.png .. settings-page3.png,
// about.png) and returns what ClippedWidgets found on them.
QStringList CaptureScreens(const QString& folder);

}  // namespace velmora::test
