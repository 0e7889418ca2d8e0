// Whatever the user types into a value row of the alarm-unit programmer, over whatever the unit
// holds: the row keeps a text of its own form, typing it again changes nothing, and writing the
// values leaves the unit's own bytes alone, with a checksum that holds and bytes that a second
// write would send unchanged.
//
// Input: a byte choosing the row, the unit's 21 bytes, then the typed text (UTF-8).

#include "fuzzcheck.h"

#include "settings/alarmunit.h"

#include <QRegularExpression>
#include <QStringList>
#include <cstdint>

namespace {

bool hasRowForm(int row, const QString& kept) {
    static const QStringList volts{"12", "24", "32", "36", "48"};
    static const QStringList bauds{"300", "1200", "2400", "9600"};
    static const QRegularExpression threshold(QStringLiteral("^[ 1-9][0-9]\\.[0-9]$"));
    switch (row) {
    case AlarmUnit::VoltageRow:
        return volts.contains(kept);
    case AlarmUnit::BaudRow:
        return bauds.contains(kept);
    case AlarmUnit::DelayRow: {
        bool ok = false;
        const int value = kept.toInt(&ok);
        return ok && value >= 0 && value <= 255 && QString::number(value) == kept;
    }
    default:
        return threshold.match(kept).hasMatch();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + AlarmUnitImage::Size)
        return 0;
    const int row = data[0] % AlarmUnit::Rows + 1;
    AlarmUnitImage image;
    for (int index = 0; index < AlarmUnitImage::Size; ++index)
        image.store(index, data[1 + index]);
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1 + AlarmUnitImage::Size),
                          static_cast<qsizetype>(size - 1 - AlarmUnitImage::Size));

    const QString kept = normaliseAlarmUnitEntry(row, typed);
    require(hasRowForm(row, kept), "a typed value is kept in its row's form");
    require(normaliseAlarmUnitEntry(row, kept) == kept, "typing the kept value changes nothing");

    AlarmUnitValues values = Vxatodis(image).values;
    values.setRow(row, kept);
    AlarmUnitImage written = image;
    distovxa(values, written);
    for (int index = 0; index < AlarmUnit::FirstThreshold; ++index)
        require(written.at(index) == image.at(index), "the unit's own bytes are never written");
    const AlarmUnitDisplay shown = Vxatodis(written);
    require(shown.checksumOk, "written values carry a checksum that holds");
    AlarmUnitImage again = written;
    distovxa(shown.values, again);
    require(again.bytes() == written.bytes(), "the values written show as the same bytes");
    return 0;
}
