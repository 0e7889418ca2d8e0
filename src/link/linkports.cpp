#include "link/linkports.h"

#include "link/linktexts.h"
#include "link/trace.h"
#include "platform/portmap.h"

#include <algorithm>

const QStringList LinkPorts::BaudTexts{QStringLiteral("300"), QStringLiteral("1200"),
                                       QStringLiteral("2400"), QStringLiteral("9600")};

LinkPorts::LinkPorts(SerialPort& direct, SerialPort& modem, LinkState& state, StatusPanels& status,
                     TraceLog& trace, const WallClock& clock, QObject* parent)
    : QObject(parent), Comport1(direct), Comport2(modem), state_(state), status_(status),
      trace_(trace), clock_(clock) {}

int LinkPorts::baudRate() const {
    const int index = std::clamp(baudIndex, 0, static_cast<int>(BaudTexts.size()) - 1);
    return BaudTexts.at(index).toInt();
}

bool LinkPorts::configureAndOpen(SerialPort& port, int comNumber, bool closeFirst) {
    if (closeFirst && port.isOpen())
        port.close();
    port.setComNumber(comNumber);
    port.setBaud(baudRate());
    if (!port.open()) {
        status_.setText(StatusPanels::Link, text(LinkText::PortSetException, state_.LanguageIndex));
        emit beep(2);
        return false;
    }
    port.flushInput();
    port.flushOutput();
    status_.setText(
        StatusPanels::Link,
        text(port.isOpen() ? LinkText::PortOpen : LinkText::PortSetOk, state_.LanguageIndex));
    return true;
}

void LinkPorts::portset1() {
    configureAndOpen(Comport1, DirectPortNumber, false);
}

bool LinkPorts::portset2() {
    return configureAndOpen(Comport2, ModemPortNumber, true);
}

void LinkPorts::comstatusupdate() {
    if (state_.DirectMode) {
        status_.setText(StatusPanels::Port, QStringLiteral("COM%1").arg(Comport1.comNumber()));
        if (baudIndex > 3)
            baudIndex = 3;
        status_.setText(StatusPanels::Baud, BaudTexts.at(std::max(baudIndex, 0)));
    } else {
        status_.setText(StatusPanels::Port, QStringLiteral("COM%1").arg(Comport2.comNumber()));
        status_.setText(StatusPanels::Baud, QString::number(Comport2.baud()));
    }
}

void LinkPorts::CommSend(int which, const QByteArray& bytes) {
    if (state_.DebugMode)
        trace_.append(sentTraceLine(clock_.now(), which, bytes));
    if (which == Direct || which == Modem)
        port(which).putBytes(bytes);
}

quint8 LinkPorts::CommReceive(int which) {
    const quint8 byte = port(which).getChar();
    if (state_.DebugMode)
        trace_.append(receivedTraceLine(byte));
    if (which == Modem)
        if (const auto result = modemCodes_.feed(static_cast<char>(byte)))
            emit modemResult(*result);
    return byte;
}

int LinkPorts::applyComPortText(const QString& text, int previous) {
    QString digits = text.trimmed();
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.isEmpty())
        return text.trimmed().isEmpty() ? previous : PortMap::MinComNumber;
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || number > PortMap::MaxComNumber)
        return previous;
    return std::max(number, PortMap::MinComNumber);
}

void LinkPorts::ebDirectComPortNumChange(const QString& text) {
    DirectPortNumber = applyComPortText(text, DirectPortNumber);
    emit comPortNumberShown(Direct, DirectPortNumber);
    if (Comport1.isOpen())
        Comport1.close();
    Comport1.setComNumber(DirectPortNumber);
    comstatusupdate();
}

void LinkPorts::ebModemComPortNumChange(const QString& text) {
    ModemPortNumber = applyComPortText(text, ModemPortNumber);
    emit comPortNumberShown(Modem, ModemPortNumber);
    if (Comport2.isOpen())
        Comport2.close();
    Comport2.setComNumber(ModemPortNumber);
    comstatusupdate();
}

void LinkPorts::baudboxChange(int index) {
    baudIndex = index;
    if (Comport1.isOpen())
        Comport1.close();
    Comport1.setBaud(baudRate());
    if (!portset2())
        status_.setText(StatusPanels::Link,
                        text(LinkText::CantOpenModemPort, state_.LanguageIndex));
    comstatusupdate();
    emit baudChanged();
}
