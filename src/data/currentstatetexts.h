#pragma once

#include "common/texts.h"

#include <array>

// Texts of the current-state view, in the four languages.
namespace CurrentText {
inline constexpr std::array<TextRow, 4> States{{
    {"BOOST", "BOOST", "提升充电", "HAUPTLADUNG"},
    {"EQUALISE", "EQUALISE", "平衡充电", "AUSGLEICHSLADUNG"},
    {"ABSORBTION", "ABSORBTION", "吸收充电", "NACHLADUNG"},
    {"FLOAT", "FLOAT", "浮充充电", "ERHALTUNGSLADUNG"},
}};
inline constexpr TextRow HoursUnit{"Hours", "Heure", "小时,", "Stunden"};
inline constexpr TextRow LoadDisconnected{"Disconnected", "", "已断开", "Getrennt"};
inline constexpr TextRow LoadConnected{"Connected", "", "已接通", "Verbunden"};
inline constexpr TextRow GeneratorRunning{"Running", "", "运转", "Läuft"};
inline constexpr TextRow GeneratorStopped{"Stopped", "", "已停止", "Steht"};
inline constexpr TextRow AlarmActive{"Active", "", "活动", "Aktiv"};
inline constexpr TextRow AlarmInactive{"Inactive", "", "非活动", "Inaktiv"};
inline constexpr TextRow Night{"Night", "Nuit", "夜", "Nacht"};
inline constexpr TextRow Day{"Day", "Jour", "昼", "Tag"};
inline constexpr TextRow Off{"Off", "Off", "关", "Aus"};
inline constexpr TextRow On{"On", "On", "开", "Ein"};
inline constexpr TextRow ChargeCurrentTitle{"Current In ", "Courant Recharger ", "输入充电电流 ",
                                            "Ladestrom"};
inline constexpr TextRow LoadCurrentTitle{"Current Out ", "Courant Utilite ", "输出负载电流 ",
                                          "Laststrom"};
inline constexpr TextRow ChargeAhTitle{"Charge ", "Chargement ", "每日充电安时 ", "Ladung"};
inline constexpr TextRow LoadAhTitle{"Discharge ", "Dechargement ", "每日放电安时 ", "Entladung"};
inline constexpr TextRow Caption{"Current State", "Etat Courant", "当前状态", "Aktueller Status"};
inline constexpr TextRow GridHeading{"CURRENT STATE DATA", "Etat Courant Data", "当前工作状态数据",
                                     "AKTUELLE STATUSDATEN"};
inline constexpr TextRow WaitText{"Wait For Transfer", "Attendre pour le Communication",
                                  "等待 正在传送", "Warte auf Übertragung"};

// Titles of status table rows 1..17.
inline constexpr std::array<TextRow, 17> RowTitles{{
    {"Time on VX clock", "Heure de VX", "VX计时器上的时间", "VX Uhrzeit"},
    {"Time VX went to Float ", "Heure de float", "VX进入浮充的时间",
     "Startzeitpunkt Erhaltungsladung"},
    {"Load disconnect state is", "", "负载断开状态为", "Status Lastausgang"},
    {"Gen control output is", "", "多用途控制输出接口为", "Status Generatorsteuerung"},
    {"Low voltage alarm is", "", "低电压报警为", "Unterspannungsalarm"},
    {"Days since last boost cycle", "", "上次提升充电到今的天数", "Tage seit letzter Hauptladung"},
    {"Days since last equalisation cycle", " ", "上次平衡充电到今的天数",
     "Tage seit letzter Ausgleichsladung"},
    {"Days since last generator exercise", "", "上次发电机演习到今的天数",
     "Tage seit letztem Generatorlauf"},
    {"PWM duty cycle", "", "脉宽调制执行比", "PWM Pulsweite"},
    {"Solar Input voltage", "", "光阵输入电压", "Solarspannung"},
    {"Light level is", "", "光线度为", "Tag/Nacht Status"},
    {"Day/Night counter is", "", "昼/夜 计量器为", "Tag/Nacht Zähler"},
    {"Event controller is", "", "事项控制器为", "Ereignissteuerung"},
    {"Event conditions: Start is", "Event", "事项处境: 开始为", "Ereignisbedingung: Start"},
    {"                          Stop is", "", "         停止为", "                   Stop"},
    {"                          Emod is", "", "         第2事项处境为", "                   Emod"},
    {"                          Tmod is", "", "         第3事项处境为", "                   Tmod"},
}};
} // namespace CurrentText

// Hints of the view. Only their English texts are known; every language shows those.
namespace CurrentHint {
inline constexpr TextRow Typelab{"VX Type & version", "VX Type & version", "VX Type & version",
                                 "VX Type & version"};
inline constexpr TextRow nomvlab{"Nominal System Voltage", "Nominal System Voltage",
                                 "Nominal System Voltage", "Nominal System Voltage"};
inline constexpr TextRow Statelab{"Regulation State", "Regulation State", "Regulation State",
                                  "Regulation State"};
inline constexpr TextRow soclab{"Battery State of Charge", "Battery State of Charge",
                                "Battery State of Charge", "Battery State of Charge"};
inline constexpr TextRow Charge{"Charge Current", "Charge Current", "Charge Current",
                                "Charge Current"};
inline constexpr TextRow Load{"Load Current", "Load Current", "Load Current", "Load Current"};
inline constexpr TextRow batvlab{"Actual Battery Voltage", "Actual Battery Voltage",
                                 "Actual Battery Voltage", "Actual Battery Voltage"};
inline constexpr TextRow maxminlab{"Today's voltage max and min", "Today's voltage max and min",
                                   "Today's voltage max and min", "Today's voltage max and min"};
inline constexpr TextRow ChargeAh{"Today's Charge Amp Hours", "Today's Charge Amp Hours",
                                  "Today's Charge Amp Hours", "Today's Charge Amp Hours"};
inline constexpr TextRow LoadAh{"Today's Load Amp hours", "Today's Load Amp hours",
                                "Today's Load Amp hours", "Today's Load Amp hours"};
inline constexpr TextRow templab{"Battery Temperature", "Battery Temperature",
                                 "Battery Temperature", "Battery Temperature"};
inline constexpr TextRow inlab{"Charge into Battery", "Charge into Battery", "Charge into Battery",
                               "Charge into Battery"};
inline constexpr TextRow outlab{"Current drawn from Battery", "Current drawn from Battery",
                                "Current drawn from Battery", "Current drawn from Battery"};
inline constexpr TextRow Picture{"Click to re-read data", "Click to re-read data",
                                 "Click to re-read data", "Click to re-read data"};
inline constexpr TextRow Curstring{"Click to read this data", "Click to read this data",
                                   "Click to read this data", "Click to read this data"};
inline constexpr TextRow Window{"Display currrent state of VX", "Display currrent state of VX",
                                "Display currrent state of VX", "Display currrent state of VX"};
} // namespace CurrentHint
