#include "sim/terminationsignals.h"

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace sim {
namespace {

sigset_t terminationSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

bool TerminationSignals::block() {
    const sigset_t set = terminationSet();
    return ::pthread_sigmask(SIG_BLOCK, &set, nullptr) == 0;
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    const sigset_t set = terminationSet();
    fd_ = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
}

TerminationSignals::~TerminationSignals() {
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

void TerminationSignals::readSignal() {
    signalfd_siginfo info{};
    if (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        emit received();
}

} // namespace sim
