#include "settings/alarmunittexts.h"

#include "settings/alarmunit.h"

#include <array>

namespace {

constexpr TextRow Setting{"VXA Setting", "VXA Setting", "VXA设置", "VXA Einstellungen"};
constexpr TextRow SystemVoltage{"VXA System Voltage", "VXA System Voltage", "VXA系统电压",
                                "VXA Systemspannung"};
constexpr TextRow BaudRate{"Baud Rate", "Baud Rate", "波特速率", "Baud Rate"};

// Rows 3..9 of a unit with the variant flag set.
constexpr std::array<TextRow, 7> VariantOneLabels{{
    {"Urgent Low Voltage Alarm On below", "Baud Rate", "紧急低电压报警开时电压低于",
     "Urgent Low Voltage Alarm On below"},
    {"Urgent Low Voltage Alarm Off above", "Setting Lockout", "紧急低电压报警关时电压高于",
     "Urgent Low Voltage Alarm Off above"},
    {"Urgent High Voltage Alarm On above", "LSET", "紧急高电压报警开时电压高于",
     "Urgent High Voltage Alarm On above"},
    {"Urgent High Voltage Alarm Off below", "Tension de utilite desunir",
     "紧急高电压报警关时电压低于", "Urgent High Voltage Alarm Off below"},
    {"Non Urgent Alarm On below", "Tension de utilite recommencer", "非紧急报警开时电压低于",
     "Non Urgent Alarm On below"},
    {"Non Urgent Alarm On above", "Delai de desunir", "非紧急报警开时电压高于",
     "Non Urgent Alarm On above"},
    {"Charge fail alarm delay time", "Delai de desunir", "充电故障延迟时间 ",
     "Charge fail alarm delay time"},
}};

// Rows 3..9 of a unit with the flag clear.
constexpr std::array<TextRow, 7> VariantZeroLabels{{
    {"Load Disconnect On below", "Baud Rate", "断开负载报警开时电压低于",
     "Lastabwurf Spannung On below"},
    {"Load Disconnect Off above", "Setting Lockout", "断开负载报警关时电压高于",
     "Load Disconnect Off above"},
    {"Auxilary Off below", "LSET", "辅助报警关时电压低于", "Auxilary Off below"},
    {"Auxilary On above", "Tension de utilite desunir", "辅助报警开时电压高于",
     "Auxilary On above"},
    {"Low Alarm On below", "Tension de utilite recommencer", "低电压报警开时电压低于",
     "Low Alarm On below"},
    {"High Alarm On above", "Delai de desunir", "高电压报警开时电压高于", "High Alarm On above"},
    {"Mode", "Mode", "模式", "Mode"},
}};

constexpr TextRow Volts{"V", "V", "V", "V"};
constexpr TextRow Baud{"baud", "baud", "波特", "baud"};
constexpr TextRow Hours{"hours", "heure", "小时", "Stunden"};

struct CheckState {
    TextRow text;
    CheckColour colour;
};

constexpr std::array<CheckState, 6> CheckStates{{
    {{"Checksum", " ", "求校验和 ", "Checksum"}, CheckColour::ButtonFace},
    {{"Check OK", " ", "校检正确 ", "Check OK"}, CheckColour::Lime},
    {{"Check Bad", " ", "校检错误 ", "Check Bad"}, CheckColour::Red},
    {{"Send", " ", "发送 ", "Send"}, CheckColour::Yellow},
    {{"Read", " ", "读取 ", "Read"}, CheckColour::Aqua},
    {{"Read Error", "", "阅读错误", "Lesefehler"}, CheckColour::Red},
}};

const CheckState& checkState(AlarmUnitCheck check) {
    return CheckStates.at(static_cast<std::size_t>(check));
}

} // namespace

QString alarmUnitCheckText(AlarmUnitCheck check, int languageIndex) {
    return text(checkState(check).text, languageIndex);
}

CheckColour alarmUnitCheckColour(AlarmUnitCheck check) {
    return checkState(check).colour;
}

QString alarmUnitLabel(int row, int variant, int languageIndex) {
    if (row == 0)
        return text(Setting, languageIndex);
    if (row == AlarmUnit::VoltageRow)
        return text(SystemVoltage, languageIndex);
    if (row == AlarmUnit::BaudRow)
        return text(BaudRate, languageIndex);
    const auto index = static_cast<std::size_t>(row - AlarmUnit::FirstThresholdRow);
    return text(variant != 0 ? VariantOneLabels.at(index) : VariantZeroLabels.at(index),
                languageIndex);
}

QString alarmUnitUnit(int row, int variant, int languageIndex) {
    if (row == AlarmUnit::BaudRow)
        return text(Baud, languageIndex);
    if (row == AlarmUnit::DelayRow)
        return variant != 0 ? text(Hours, languageIndex) : QString();
    if (row >= AlarmUnit::VoltageRow && row <= AlarmUnit::LastThresholdRow)
        return text(Volts, languageIndex);
    return {};
}
