#include "link/writeverification.h"

#include "link/linktexts.h"
#include "link/readsequences.h"

QString writeCheckText(const WriteCheck& check, int languageIndex) {
    switch (check.result) {
    case WriteCheck::Result::Verified:
        return text(LinkText::Verified, languageIndex);
    case WriteCheck::Result::Differs:
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
                                     StatusPanels& status, const LinkState& link, QObject* parent)
    : QObject(parent), reads_(reads), image_(image), status_(status), link_(link) {}

void WriteVerification::writeEnded(PacedWrite kind, const WrittenBytes& written) {
    if (kind != PacedWrite::OneChange && kind != PacedWrite::WholeList)
        return;
    if (!enabled || written.empty()) {
        emit writeChecked(WriteCheck{});
        return;
    }
    expected_ = written;
    std::vector<int> addresses;
    for (const auto& [address, value] : written)
        addresses.push_back(address);
    reading_ = reads_.readAddresses(Requester::Window, addresses) == ReadStart::Started;
    if (!reading_) {
        WriteCheck check;
        check.result = WriteCheck::Result::ReadFailed;
        check.readOutcome = ReadOutcome::PortLost;
        emit writeChecked(check);
    }
}

void WriteVerification::readEnded(int readType, ReadOutcome outcome) {
    if (!reading_ || readType != ReadKind::Listed)
        return;
    reading_ = false;
    if (outcome != ReadOutcome::Completed) {
        WriteCheck check;
        check.result = WriteCheck::Result::ReadFailed;
        check.readOutcome = outcome;
        emit writeChecked(check);
        return;
    }
    // The reply tick that ended the read shows its count last; the verdict comes after it.
    QMetaObject::invokeMethod(
        this, [this] { report(compare()); }, Qt::QueuedConnection);
}

WriteCheck WriteVerification::compare() const {
    WriteCheck check;
    check.result = WriteCheck::Result::Verified;
    for (const auto& [address, value] : expected_) {
        if (image_.at(address) != value) {
            check.result = WriteCheck::Result::Differs;
            check.address = address;
            check.written = value;
            check.found = image_.at(address);
            break;
        }
    }
    return check;
}

void WriteVerification::report(const WriteCheck& check) {
    status_.setText(StatusPanels::Link, writeCheckText(check, link_.LanguageIndex));
    emit writeChecked(check);
}
