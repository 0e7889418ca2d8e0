#include "sim/ptyline.h"

#include "sim/linespeed.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

PtyLine::PtyLine(Controller& controller, PtyOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)), driver_(controller, [this](char byte) {
          // A full buffer means nobody is reading: the byte is lost like on a real cable.
          static_cast<void>(::write(controllerFd_, &byte, 1));
      }) {}

PtyLine::~PtyLine() {
    close();
}

bool PtyLine::open() {
    if (!openPair() || !makeRaw() || !makeLink()) {
        close();
        return false;
    }
    driver_.setBaud(options_.baud);
    notifier_ = std::make_unique<QSocketNotifier>(controllerFd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &PtyLine::readClient);
    return true;
}

bool PtyLine::openPair() {
    controllerFd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (controllerFd_ < 0 || ::grantpt(controllerFd_) != 0 || ::unlockpt(controllerFd_) != 0)
        return fail(QStringLiteral("posix_openpt"));
    char name[128];
    if (::ptsname_r(controllerFd_, name, sizeof name) != 0)
        return fail(QStringLiteral("ptsname"));
    devicePath_ = QString::fromLocal8Bit(name);
    portFd_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (portFd_ < 0)
        return fail(devicePath_);
    const int flags = ::fcntl(controllerFd_, F_GETFL);
    if (flags < 0 || ::fcntl(controllerFd_, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail(QStringLiteral("fcntl"));
    return true;
}

// Raw before anyone else opens it: no echo, no line editing, 8N1 at the configured speed.
bool PtyLine::makeRaw() {
    termios settings{};
    const auto speed = terminalSpeed(options_.baud);
    if (!speed) {
        errorString_ = QStringLiteral("unsupported baud rate %1").arg(options_.baud);
        return false;
    }
    if (::tcgetattr(portFd_, &settings) != 0)
        return fail(QStringLiteral("tcgetattr"));
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, *speed);
    ::cfsetospeed(&settings, *speed);
    if (::tcsetattr(portFd_, TCSANOW, &settings) != 0)
        return fail(QStringLiteral("tcsetattr"));
    return true;
}

bool PtyLine::makeLink() {
    if (options_.linkPath.isEmpty())
        return true;
    // A link left behind by an earlier run that did not end cleanly.
    if (QFileInfo(options_.linkPath).isSymLink())
        QFile::remove(options_.linkPath);
    if (::symlink(devicePath_.toLocal8Bit().constData(),
                  options_.linkPath.toLocal8Bit().constData()) != 0)
        return fail(options_.linkPath);
    linkMade_ = true;
    return true;
}

bool PtyLine::fail(const QString& step) {
    const int error = errno;
    errorString_ = QStringLiteral("%1: %2").arg(step, QString::fromLocal8Bit(std::strerror(error)));
    return false;
}

void PtyLine::readClient() {
    QByteArray bytes;
    char buffer[256];
    ssize_t count = 0;
    while ((count = ::read(controllerFd_, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, count);
    const int baud = clientBaud();
    if (bytes.isEmpty() || (options_.strictBaud && baud != 0 && baud != options_.baud))
        return;
    driver_.setBaud(baud != 0 ? baud : options_.baud);
    driver_.receive(bytes);
}

// The client's settings live on the terminal, so our own handle sees them.
int PtyLine::clientBaud() const {
    termios settings{};
    if (::tcgetattr(portFd_, &settings) != 0)
        return 0;
    return baudOfTerminalSpeed(::cfgetospeed(&settings));
}

void PtyLine::close() {
    notifier_.reset();
    driver_.discardPending();
    if (linkMade_)
        QFile::remove(options_.linkPath);
    linkMade_ = false;
    for (int* fd : {&portFd_, &controllerFd_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

} // namespace sim
