#include "sim/hayesmodem.h"

namespace sim {

HayesModem::HayesModem(Controller& controller, ModemConfig config, QObject* parent)
    : QObject(parent), controller_(controller), config_(config) {
    for (QTimer* timer : {&escapeTimer_, &ringTimer_, &dropTimer_})
        timer->setSingleShot(true);
    connect(&escapeTimer_, &QTimer::timeout, this, &HayesModem::escape);
    connect(&ringTimer_, &QTimer::timeout, this, &HayesModem::answerCall);
    connect(&dropTimer_, &QTimer::timeout, this, &HayesModem::dropCarrier);
    sinceLastByte_.start();
}

void HayesModem::receive(const QByteArray& bytes) {
    if (online_) {
        onlineBytes(bytes);
        return;
    }
    for (const char byte : bytes)
        commandByte(byte);
    sinceLastByte_.restart();
}

void HayesModem::commandByte(char byte) {
    if (byte == '\n')
        return;
    if (byte != '\r') {
        line_.append(byte);
        return;
    }
    // Whatever came before "AT" (an escape sent while already in command mode) is not heard.
    const QByteArray line = line_.trimmed().toUpper();
    line_.clear();
    if (const qsizetype at = line.indexOf("AT"); at >= 0)
        runCommand(line.mid(at));
}

void HayesModem::runCommand(const QByteArray& line) {
    hear(QString::fromLatin1(line));
    const QByteArray command = line.mid(2);
    if (command.startsWith('D')) {
        dial(command.mid(1));
    } else if (command == "H" || command == "H0") {
        const bool wasUp = callUp_;
        callUp_ = false;
        dropTimer_.stop();
        reply(wasUp ? "NO CARRIER" : "OK");
    } else if (command == "O") {
        online_ = callUp_;
        reply(callUp_ ? connectCode() : QByteArray("NO CARRIER"));
    } else {
        reply("OK");
    }
}

void HayesModem::dial(const QByteArray&) {
    if (callUp_) {
        reply("ERROR");
        return;
    }
    ringTimer_.start(config_.ringDelayMs);
}

void HayesModem::answerCall() {
    switch (config_.answer) {
    case ModemAnswer::Connect:
        callUp_ = true;
        online_ = true;
        pluses_ = 0;
        sinceLastByte_.restart();
        reply(connectCode());
        if (config_.dropCarrierAfterMs >= 0)
            dropTimer_.start(config_.dropCarrierAfterMs);
        return;
    case ModemAnswer::Busy:
        reply("BUSY");
        return;
    case ModemAnswer::NoCarrier:
        reply("NO CARRIER");
        return;
    case ModemAnswer::NoAnswer:
        reply("NO ANSWER");
        return;
    }
}

// Three pluses after a guard time of silence are held back; another byte within the guard time
// makes them data after all.
void HayesModem::onlineBytes(const QByteArray& bytes) {
    QByteArray data;
    for (const char byte : bytes) {
        const bool quietBefore = sinceLastByte_.elapsed() >= config_.guardMs;
        if (byte == '+' && pluses_ < 3 && (pluses_ > 0 || quietBefore)) {
            if (++pluses_ == 3)
                escapeTimer_.start(config_.guardMs);
        } else {
            data.append(QByteArray(pluses_, '+'));
            pluses_ = 0;
            escapeTimer_.stop();
            data.append(byte);
        }
        sinceLastByte_.restart();
    }
    if (!data.isEmpty() && send_)
        send_(controller_.receive(data));
}

void HayesModem::escape() {
    pluses_ = 0;
    online_ = false;
    hear(QStringLiteral("+++"));
    reply("OK");
}

void HayesModem::dropCarrier() {
    if (!callUp_)
        return;
    callUp_ = false;
    online_ = false;
    hear(QStringLiteral("(carrier dropped)"));
    reply("NO CARRIER");
}

void HayesModem::hear(const QString& command) {
    heard_.append(command);
    emit heardCommand(command);
}

void HayesModem::reply(const QByteArray& code) {
    if (send_)
        send_({ReplyChunk{0, "\r\n" + code + "\r\n"}});
}

QByteArray HayesModem::connectCode() const {
    return "CONNECT " + QByteArray::number(baud_);
}

} // namespace sim
