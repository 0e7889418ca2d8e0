#pragma once

#include "common/texts.h"

#include <QString>

// The alarm-unit programmer's texts: window captions, grid labels and units of both unit
// variants, and the states of its check label with their colours.
namespace AlarmUnitText {
inline constexpr TextRow Caption{"VXA Programmer", "", "VXA编程", "VXA Programmer"};
inline constexpr TextRow Heading{"VXA Alarm unit Programming Utility", "", "VXA报警器程序设计",
                                 "VXA Alarm unit Programming Utility"};
inline constexpr TextRow ReadButton{"Read VXA Settings", "", "读取VXA设置", "Read VXA Settings"};
inline constexpr TextRow WriteButton{"Write VXA Settings", "", "写入VXA设置", "Write VXA Settings"};
inline constexpr TextRow CloseButton{"Close", " ", " 关闭", "Close"};
inline constexpr TextRow ValueHeader{"Value", " ", "数值 ", "Value"};
} // namespace AlarmUnitText

// What the check label says, each state in its own colour.
enum class AlarmUnitCheck {
    Checksum,  // at creation and after a write: the button face colour
    CheckOk,   // the checksum holds: lime green
    CheckBad,  // it does not: red
    Sending,   // yellow
    Reading,   // aqua
    ReadError, // red
};

enum class CheckColour { ButtonFace, Lime, Red, Yellow, Aqua };

QString alarmUnitCheckText(AlarmUnitCheck check, int languageIndex);
CheckColour alarmUnitCheckColour(AlarmUnitCheck check);

// The label of grid row 0..9 (row 0 is the header of the label column); the labels of rows 3..9
// depend on the unit's variant.
QString alarmUnitLabel(int row, int variant, int languageIndex);
// The unit of grid row 1..9; row 0 and the mode row of a variant-0 unit have none.
QString alarmUnitUnit(int row, int variant, int languageIndex);
