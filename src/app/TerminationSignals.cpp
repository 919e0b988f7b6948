#include "app/TerminationSignals.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace velmora {

namespace {

sigset_t TerminationMask() {
    sigset_t mask;
    sigemptyset(&mask);
    sigaddset(&mask, SIGTERM);
    sigaddset(&mask, SIGINT);
    sigaddset(&mask, SIGHUP);
    return mask;
}

}  // namespace

void BlockTerminationSignals() {
    // Blocked signals are delivered through the descriptor instead, where the
    // event loop can read them safely. Threads inherit the mask.
    const sigset_t mask = TerminationMask();
    ::pthread_sigmask(SIG_BLOCK, &mask, nullptr);
}

TerminationSignals::TerminationSignals(std::function<void()> end, QObject* parent)
    : QObject(parent), end_(std::move(end)) {
    if (!end_) {
        end_ = [] { QCoreApplication::exit(0); };
    }
    const sigset_t mask = TerminationMask();
    fd_ = ::signalfd(-1, &mask, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd_ < 0) {
        ::pthread_sigmask(SIG_UNBLOCK, &mask, nullptr);
        return;
    }
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        signalfd_siginfo info{};
        while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        }
        end_();
    });
}

TerminationSignals::~TerminationSignals() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace velmora
