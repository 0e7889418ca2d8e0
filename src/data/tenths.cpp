#include "data/tenths.h"

QString formatTenthsUncapped(int tenths) {
    const int whole = tenths / 10;
    const int fraction = tenths - 10 * whole;
    return QString::number(whole) + QLatin1Char('.') + QString::number(fraction);
}

QString formatTenths(int tenths) {
    if (tenths / 10 > 999)
        return QStringLiteral("99.9");
    return formatTenthsUncapped(tenths);
}

QString formatCurrent(int tenths) {
    if (tenths > 999)
        return QString::number(tenths / 10);
    return formatTenths(tenths);
}

QString formatVoltage(int value, bool wholeVoltSystem) {
    return wholeVoltSystem ? QString::number(value) : formatTenths(value);
}
