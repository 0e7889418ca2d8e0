#pragma once

#include "common/languagefonts.h"
#include "data/identity.h"
#include "link/controllerlink.h"
#include "settings/alarmunit.h"
#include "settings/alarmunittexts.h"

#include <QWidget>

class QLabel;
class QPushButton;
class VxaGrid;

// The alarm-unit programmer: the unit's nine values in a grid, read from the unit, edited in
// place and written back, with a label that tells the checksum and what the link is doing. It
// starts with the default values; a failed read shows none, and writing waits for a read that
// completes.
class Tvxaform : public QWidget {
    Q_OBJECT
public:
    Tvxaform(ControllerLink& link, const ControllerIdentity& identity, const LanguageFonts& fonts,
             QWidget* parent = nullptr);

    VxaGrid* SGrid = nullptr;
    QLabel* heading = nullptr;
    QLabel* Checklab = nullptr;
    QPushButton* Readvxabut = nullptr;
    QPushButton* Writevxabut = nullptr;
    QPushButton* Closebut = nullptr;

    void ReadvxabutClick();
    void WritevxabutClick();
    // What the label says now.
    AlarmUnitCheck check() const { return check_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void Loadcap();
    void Loaddata();
    void Vxatodis();
    void SGridSetEditText(int row, const QString& text);
    void readDone(int readType, ReadOutcome outcome);
    void writeEnded(PacedWrite kind);
    void writeChecked(const WriteCheck& check);
    void showValues(bool known);
    void setCheck(AlarmUnitCheck check);

    ControllerLink& link_;
    const ControllerIdentity& identity_;
    const LanguageFonts& fonts_;
    AlarmUnitValues values_;
    // The values shown came from the defaults, a complete read or typing; after a failed read
    // nothing is shown and nothing can be written until a read completes.
    bool valuesKnown_ = true;
    // This window's write runs, or waits for its read-back.
    bool writing_ = false;
    AlarmUnitCheck check_ = AlarmUnitCheck::Checksum;
};
