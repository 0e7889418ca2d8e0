#include "settings/alarmunit.h"

#include <algorithm>

using namespace AlarmUnit;

namespace {

// The multipliers are decimal constants (2.6666 and 0.333333, not 8/3 and 1/3), kept in
// millionths so that every product truncates exactly as the decimals say.
constexpr int MultiplierScale = 1000000;
constexpr int RoundingOffset = 499000; // + 0.499 before truncating
constexpr std::array<int, 5> DisplayMultipliers{1000000, 2000000, 2666600, 3000000, 4000000};
constexpr std::array<int, 5> EntryMultipliers{1000000, 500000, 375000, 333333, 250000};
constexpr std::array<int, 5> SystemVolts{12, 24, 32, 36, 48};
constexpr std::array<int, 4> BaudRates{300, 1200, 2400, 9600};
constexpr int HighestVoltageCode = 4;
constexpr int VoltageCodeBits = 0x07, BaudCodeBits = 0x30, BaudCodeShift = 4;

constexpr std::array<std::uint8_t, AlarmUnitImage::Size> DefaultBytes{
    0, 0, 0, 0, 0, 0, 0, 0, 112, 116, 115, 125, 117, 154, 0, 227, 32, 32, 32, 32, 32};

// When a threshold row holds no number, it counts as 12.0 V; an empty delay row as 48.
constexpr int ThresholdFallback = 120;
constexpr int DelayFallback = 48;

int scaled(int value, int multiplier) {
    const long long product = static_cast<long long>(value) * multiplier + RoundingOffset;
    return static_cast<int>(product / MultiplierScale);
}

int integerOf(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

int voltageCode(int configuration) {
    return std::min(configuration & VoltageCodeBits, HighestVoltageCode);
}

int baudCode(int configuration) {
    return (configuration & BaudCodeBits) >> BaudCodeShift;
}

// Tenths of a volt as the grid shows them: at least two characters before the point.
QString thresholdText(int tenths) {
    return QStringLiteral("%1.%2").arg(tenths / 10, 2).arg(tenths % 10);
}

// The tenths a threshold row shows. The row is read as the number it shows rather than by
// character positions, so that values below 10.0 V and from 100.0 V up, which the decode shows
// in other widths than typed entries, are written back as shown.
int thresholdTenths(const QString& text) {
    const QString shown = text.trimmed();
    const qsizetype point = shown.indexOf(QLatin1Char('.'));
    const QString whole = shown.left(point);
    const QString tenth = shown.mid(point + 1);
    const auto isDigits = [](const QString& part) {
        return std::all_of(part.begin(), part.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (point < 1 || whole.size() > 3 || tenth.size() != 1 || !isDigits(whole) || !isDigits(tenth))
        return ThresholdFallback;
    return whole.toInt() * 10 + tenth.toInt();
}

int voltageCodeOfRow(const QString& text) {
    const auto found = std::find(SystemVolts.begin(), SystemVolts.end(), integerOf(text, 0));
    return found == SystemVolts.end() ? HighestVoltageCode
                                      : static_cast<int>(found - SystemVolts.begin());
}

int baudCodeOfRow(const QString& text) {
    const auto found = std::find(BaudRates.begin(), BaudRates.end(), integerOf(text, 0));
    return found == BaudRates.end() ? static_cast<int>(BaudRates.size()) - 1
                                    : static_cast<int>(found - BaudRates.begin());
}

// A negative entry compares as a very large number.
unsigned unsignedEntry(const QString& typed) {
    return static_cast<unsigned>(integerOf(typed, 0));
}

QString normaliseVoltage(const QString& typed) {
    const unsigned volts = unsignedEntry(typed);
    if (volts < 19)
        return QStringLiteral("12");
    if (volts <= 30)
        return QStringLiteral("24");
    if (volts <= 34)
        return QStringLiteral("32");
    if (volts <= 39)
        return QStringLiteral("36");
    return QStringLiteral("48");
}

QString normaliseBaud(const QString& typed) {
    const unsigned baud = unsignedEntry(typed);
    if (baud < 1000)
        return QStringLiteral("300");
    if (baud <= 1999)
        return QStringLiteral("1200");
    if (baud <= 3999)
        return QStringLiteral("2400");
    return QStringLiteral("9600");
}

// Two digits, a point and one digit; anything that is no digit counts as 0.
QString normaliseThreshold(const QString& typed) {
    QString text = typed;
    if (text.isEmpty())
        text = QStringLiteral("00");
    else if (text.size() == 1)
        text.prepend(QLatin1Char('0'));
    QString s = QStringLiteral("000") + text + QLatin1Char('0');
    for (QChar& c : s)
        if (!(c >= u'0' && c <= u'9') && c != u'.')
            c = u'0';
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    // A second point right after the first is no tenths digit either.
    const QChar tenths = point >= 0 && s.at(point + 1) != u'.' ? s.at(point + 1) : u'0';
    QString result = point >= 0 ? s.mid(point - 2, 2) + QLatin1Char('.') + tenths
                                : s.mid(3, 2) + QStringLiteral(".0");
    if (result.startsWith(QLatin1Char('0')))
        result[0] = QLatin1Char(' ');
    return result;
}

// Hours or a mode number, one byte: a negative entry is taken as 0.
QString normaliseDelay(const QString& typed) {
    return QString::number(std::clamp(integerOf(typed, 0), 0, 255));
}

} // namespace

AlarmUnitImage defaultAlarmUnitImage() {
    AlarmUnitImage image;
    for (int index = 0; index < AlarmUnitImage::Size; ++index)
        image.store(index, DefaultBytes.at(static_cast<std::size_t>(index)));
    return image;
}

std::uint8_t alarmUnitChecksum(const AlarmUnitImage& image) {
    int sum = 0;
    for (int index = 0; index < ChecksumByte; ++index)
        sum += image.at(index);
    return static_cast<std::uint8_t>(sum & 0xFF);
}

int majorityConfiguration(const AlarmUnitImage& image) {
    int configuration = 0;
    for (int bit = 0; bit < 8; ++bit) {
        int copiesWithBit = 0;
        for (int copy = 0; copy < ConfigurationCopies; ++copy)
            copiesWithBit += (image.at(FirstConfigurationCopy + copy) >> bit) & 1;
        if (copiesWithBit > 2)
            configuration |= 1 << bit;
    }
    return configuration;
}

AlarmUnitDisplay Vxatodis(const AlarmUnitImage& image) {
    AlarmUnitDisplay display;
    display.checksumOk = alarmUnitChecksum(image) == image.at(ChecksumByte);
    const int configuration = majorityConfiguration(image);
    const auto code = static_cast<std::size_t>(voltageCode(configuration));
    AlarmUnitValues& values = display.values;
    values.setRow(VoltageRow, QString::number(SystemVolts.at(code)));
    values.setRow(BaudRow,
                  QString::number(BaudRates.at(static_cast<std::size_t>(baudCode(configuration)))));
    for (int row = FirstThresholdRow; row <= LastThresholdRow; ++row) {
        const int raw = image.at(FirstThreshold + row - FirstThresholdRow);
        values.setRow(row, thresholdText(scaled(raw, DisplayMultipliers.at(code))));
    }
    values.setRow(DelayRow, QString::number(image.at(DelayByte)));
    return display;
}

void distovxa(const AlarmUnitValues& values, AlarmUnitImage& image) {
    const int code = voltageCodeOfRow(values.row(VoltageRow));
    const int baud = baudCodeOfRow(values.row(BaudRow));
    for (int row = FirstThresholdRow; row <= LastThresholdRow; ++row) {
        const int raw = scaled(thresholdTenths(values.row(row)),
                               EntryMultipliers.at(static_cast<std::size_t>(code)));
        image.store(FirstThreshold + row - FirstThresholdRow,
                    static_cast<std::uint8_t>(std::min(raw, 255)));
    }
    image.store(DelayByte, static_cast<std::uint8_t>(
                               std::clamp(integerOf(values.row(DelayRow), DelayFallback), 0, 255)));
    for (int copy = 0; copy < ConfigurationCopies; ++copy)
        image.store(FirstConfigurationCopy + copy,
                    static_cast<std::uint8_t>((baud << BaudCodeShift) + code));
    image.store(ChecksumByte, alarmUnitChecksum(image));
}

QString normaliseAlarmUnitEntry(int row, const QString& typed) {
    switch (row) {
    case VoltageRow:
        return normaliseVoltage(typed);
    case BaudRow:
        return normaliseBaud(typed);
    case DelayRow:
        return normaliseDelay(typed);
    default:
        return normaliseThreshold(typed);
    }
}
