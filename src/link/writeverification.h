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
    int address = -1; // image address: RAM below 256, EEPROM + 256 above
    int written = 0;
    int found = 0;
    ReadOutcome readOutcome = ReadOutcome::Completed;
};

// "Verified" or where the controller holds something else, in the user's language; empty when
// there is nothing to say.
QString writeCheckText(const WriteCheck& check, int languageIndex);

// Writes are not acknowledged on the line, so once a settings write has sent its last frame the
// addresses it wrote are read again through the ordinary read engine. The image then holds what
// the controller really keeps, and the verdict names the first address that differs.
class WriteVerification : public QObject {
    Q_OBJECT
public:
    WriteVerification(ReadSequencer& reads, const MemoryImage& image, StatusPanels& status,
                      const LinkState& link, QObject* parent = nullptr);

    bool enabled = true;

    void writeEnded(PacedWrite kind, const WrittenBytes& written);
    void readEnded(int readType, ReadOutcome outcome);

signals:
    void writeChecked(const WriteCheck& check);

private:
    WriteCheck compare() const;
    void report(const WriteCheck& check);

    ReadSequencer& reads_;
    const MemoryImage& image_;
    StatusPanels& status_;
    const LinkState& link_;
    WrittenBytes expected_;
    bool reading_ = false;
};
