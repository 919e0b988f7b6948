#pragma once

#include <QObject>

namespace velmora {

// Every hint of the program is shown on a white background and stays up
// for ten seconds; seven controls of the settings dialog show a longer
// explanation than their own hint. Installed once on the application.
class ApplicationHints final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ApplicationHints)

public:
    explicit ApplicationHints(QObject* parent = nullptr);
    ~ApplicationHints() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace velmora
