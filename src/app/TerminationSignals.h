#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace velmora {

// Turns SIGTERM, SIGINT and SIGHUP (logout, `kill`, Ctrl+C in a terminal)
// into an orderly end of the event loop, so the program still takes down
// its tray icon and gives the user's volume back on the way out.
//
// BlockTerminationSignals() must run before any thread starts (before the
// QApplication exists), so that no thread takes the default action.
void BlockTerminationSignals();

class TerminationSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminationSignals)

public:
    // `end` runs on the event loop when a signal arrives; by default the
    // loop ends with exit code 0.
    explicit TerminationSignals(std::function<void()> end = {}, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    int fd_ = -1;
    std::function<void()> end_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace velmora
