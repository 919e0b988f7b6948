#include "sound/qt/XdgOpener.h"

#include <QProcess>
#include <utility>

namespace velmora {

XdgOpener::XdgOpener(QString program) : program_(std::move(program)) {}

// xdg-open may wait for the program it started, so the outcome is learned
// from the event loop instead of blocking the clock.
void XdgOpener::OpenWithAssociatedProgram(const std::string& path,
                                          std::function<void(int result)> failed) {
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit) {
                             failed(kNotStarted);
                         } else if (exitCode != 0) {
                             failed(exitCode);
                         }
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             failed(kNotStarted);
                             process->deleteLater();
                         }
                     });
    process->start(program_, {QString::fromStdString(path)});
}

}  // namespace velmora
