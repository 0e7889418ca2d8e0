#include "link/trace.h"

QString traceTimestamp(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString hexDump(const QByteArray& bytes) {
    QString dump;
    for (const char byte : bytes)
        dump +=
            QStringLiteral("0x") +
            QStringLiteral("%1").arg(static_cast<quint8>(byte), 2, 16, QLatin1Char('0')).toUpper() +
            QLatin1Char(' ');
    return dump;
}

QString sentTraceLine(const QDateTime& time, int port, const QByteArray& bytes) {
    return QStringLiteral("%1 %2 Sent %3 chars: %4")
        .arg(traceTimestamp(time), port == 0 ? QStringLiteral("Direct") : QStringLiteral("Modem"))
        .arg(bytes.size())
        .arg(hexDump(bytes));
}

QString receivedTraceLine(quint8 byte) {
    return QStringLiteral("Received 1 char: %1")
        .arg(hexDump(QByteArray(1, static_cast<char>(byte))));
}

QString readAddressTraceLine(int readNum, int address) {
    return QStringLiteral("ReadNum: %1; ReadAddress: %2").arg(readNum).arg(address);
}
