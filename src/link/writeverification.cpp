#include "link/writeverification.h"

#include "link/linktexts.h"
#include "link/readsequences.h"

QString writeCheckText(const WriteCheck& check, int languageIndex) {
    switch (check.result) {
    case WriteCheck::Result::Verified:
        return text(LinkText::Verified, languageIndex);
    case WriteCheck::Result::Differs:
        if (check.write == PacedWrite::AlarmUnit)
            return text(LinkText::DiffersInEeprom, languageIndex).arg(check.address);
        if (check.address >= MemoryImage::EepromBase)
            return text(LinkText::DiffersInEeprom, languageIndex)
                .arg(check.address - MemoryImage::EepromBase);
        return text(LinkText::DiffersInRam, languageIndex).arg(check.address);
    case WriteCheck::Result::ReadFailed:
    case WriteCheck::Result::NotChecked:
        break;
    }
    return {};
}

WriteVerification::WriteVerification(ReadSequencer& reads, const MemoryImage& image,
                                     const AlarmUnitImage& alarmImage, StatusPanels& status,
                                     const LinkState& link, QObject* parent)
    : QObject(parent), reads_(reads), image_(image), alarmImage_(alarmImage), status_(status),
      link_(link) {}

void WriteVerification::writeEnded(PacedWrite kind, const WrittenBytes& written) {
    if (kind == PacedWrite::None)
        return;
    WrittenBytes expected = written;
    if (kind == PacedWrite::AlarmUnit) {
        expected.clear();
        for (int address = PacedWrites::LastAlarmUnitAddress;
             address <= PacedWrites::AlarmUnitSteps; ++address)
            expected[address] = alarmImage_.at(address);
    }
    if (!enabled || expected.empty()) {
        WriteCheck check;
        check.write = kind;
        emit writeChecked(check);
        return;
    }
    readBack(kind, expected);
}

// The alarm unit is read back whole, so that its checksum can be judged as well.
void WriteVerification::readBack(PacedWrite kind, const WrittenBytes& expected) {
    expected_ = expected;
    checking_ = kind;
    ReadStart start = ReadStart::Started;
    if (kind == PacedWrite::AlarmUnit) {
        start = reads_.Getdata(Requester::AlarmUnit, ReadKind::AlarmUnit);
    } else {
        std::vector<int> addresses;
        for (const auto& [address, value] : expected)
            addresses.push_back(address);
        start = reads_.readAddresses(Requester::Window, addresses);
    }
    if (start != ReadStart::Started) {
        checking_ = PacedWrite::None;
        WriteCheck check;
        check.write = kind;
        check.result = WriteCheck::Result::ReadFailed;
        check.readOutcome = ReadOutcome::PortLost;
        emit writeChecked(check);
    }
}

void WriteVerification::readEnded(int readType, ReadOutcome outcome) {
    const PacedWrite kind = checking_;
    const int readBackType = kind == PacedWrite::AlarmUnit ? ReadKind::AlarmUnit : ReadKind::Listed;
    if (kind == PacedWrite::None || readType != readBackType)
        return;
    checking_ = PacedWrite::None;
    if (outcome != ReadOutcome::Completed) {
        WriteCheck check;
        check.write = kind;
        check.result = WriteCheck::Result::ReadFailed;
        check.readOutcome = outcome;
        emit writeChecked(check);
        return;
    }
    // The reply tick that ended the read shows its count last; the verdict comes after it.
    QMetaObject::invokeMethod(
        this, [this, kind] { report(compare(kind)); }, Qt::QueuedConnection);
}

WriteCheck WriteVerification::compare(PacedWrite kind) const {
    WriteCheck check;
    check.write = kind;
    check.result = WriteCheck::Result::Verified;
    for (const auto& [address, value] : expected_) {
        const std::uint8_t held =
            kind == PacedWrite::AlarmUnit ? alarmImage_.at(address) : image_.at(address);
        if (held != value) {
            check.result = WriteCheck::Result::Differs;
            check.address = address;
            check.written = value;
            check.found = held;
            break;
        }
    }
    return check;
}

void WriteVerification::report(const WriteCheck& check) {
    status_.setText(StatusPanels::Link, writeCheckText(check, link_.LanguageIndex));
    emit writeChecked(check);
}
