#pragma once

#include "common/statuspanels.h"
#include "data/memoryimage.h"
#include "link/linkstate.h"
#include "link/pacedwrites.h"
#include "link/readresults.h"

#include <QObject>

class ReadSequencer;

// How the read-back of a settings write came out.
struct WriteCheck {
    enum class Result {
        Verified,   // every byte written reads back as written
        Differs,    // the first address that does not
        ReadFailed, // the read-back itself did not complete
        NotChecked, // verification is off, or the write left nothing to compare
    };
    Result result = Result::NotChecked;
    PacedWrite write = PacedWrite::None; // the write that was checked
    // Image address: RAM below 256, EEPROM + 256 above; for the alarm unit its EEPROM address.
    int address = -1;
    int written = 0;
    int found = 0;
    ReadOutcome readOutcome = ReadOutcome::Completed;
};

// "Verified" or where the controller holds something else, in the user's language; empty when
// there is nothing to say.
QString writeCheckText(const WriteCheck& check, int languageIndex);

// Writes are not acknowledged on the line, so once a write has sent its last frame the addresses
// it wrote are read again through the ordinary read engine: a settings write's addresses, or the
// alarm unit's whole memory. The image then holds what the device really keeps, and the verdict
// names the first address that differs.
class WriteVerification : public QObject {
    Q_OBJECT
public:
    WriteVerification(ReadSequencer& reads, const MemoryImage& image,
                      const AlarmUnitImage& alarmImage, StatusPanels& status, const LinkState& link,
                      QObject* parent = nullptr);

    bool enabled = true;

    void writeEnded(PacedWrite kind, const WrittenBytes& written);
    void readEnded(int readType, ReadOutcome outcome);

signals:
    void writeChecked(const WriteCheck& check);

private:
    void readBack(PacedWrite kind, const WrittenBytes& expected);
    WriteCheck compare(PacedWrite kind) const;
    void report(const WriteCheck& check);

    ReadSequencer& reads_;
    const MemoryImage& image_;
    const AlarmUnitImage& alarmImage_;
    StatusPanels& status_;
    const LinkState& link_;
    WrittenBytes expected_;
    PacedWrite checking_ = PacedWrite::None; // the write whose read-back runs
};
