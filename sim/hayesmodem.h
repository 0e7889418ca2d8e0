#pragma once

#include "sim/controller.h"
#include "sim/linespeed.h"
#include "sim/replychunk.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace sim {

// How the far end answers a dial.
enum class ModemAnswer { Connect, Busy, NoCarrier, NoAnswer };

struct ModemConfig {
    ModemAnswer answer = ModemAnswer::Connect;
    int ringDelayMs = 1500;
    int guardMs = 1000;          // silence before and after "+++"
    int dropCarrierAfterMs = -1; // the far end hangs up this long after connecting
};

// A Hayes modem in front of the controller. In command mode it answers AT command lines with
// result codes; a dial connects after the ring delay (or fails as configured) and puts it on
// line, where the bytes go to the controller and its replies come back. "+++" between two guard
// times of silence returns to command mode, ATO goes back on line, ATH0 hangs up.
class HayesModem : public QObject {
    Q_OBJECT
public:
    using Send = std::function<void(const QList<ReplyChunk>&)>;

    HayesModem(Controller& controller, ModemConfig config, QObject* parent = nullptr);

    void setSend(Send send) { send_ = std::move(send); }
    void setBaud(int baud) { baud_ = baud; }
    void receive(const QByteArray& bytes);

    bool online() const { return online_; }
    bool callUp() const { return callUp_; }
    // The command lines and escapes heard, in order ("ATDP0123", "+++").
    const QStringList& heard() const { return heard_; }

signals:
    void heardCommand(const QString& command);

private:
    void commandByte(char byte);
    void runCommand(const QByteArray& line);
    void dial(const QByteArray& number);
    void answerCall();
    void onlineBytes(const QByteArray& bytes);
    void escape();
    void dropCarrier();
    void hear(const QString& command);
    void reply(const QByteArray& code);
    QByteArray connectCode() const;

    Controller& controller_;
    ModemConfig config_;
    Send send_;
    int baud_ = DefaultBaud;
    bool online_ = false;
    bool callUp_ = false;
    QByteArray line_;
    QElapsedTimer sinceLastByte_;
    int pluses_ = 0;
    QTimer escapeTimer_;
    QTimer ringTimer_;
    QTimer dropTimer_;
    QStringList heard_;
};

} // namespace sim
