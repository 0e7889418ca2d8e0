#pragma once

#include "common/texts.h"

// Texts of the dial panel and the modem part of the port panel.
namespace DialText {
inline constexpr TextRow Hangup{"Hangup", "Terminie", "切断电话", "Auflegen"};
inline constexpr TextRow bookbtn{"PhoneBook", "Livre", "各站位电话簿", "Telefonbuch"};
inline constexpr TextRow phoneideditHint{"Phone Name", "Appel", "站位名称", "Name"};
inline constexpr TextRow dialeditHint{"Phone Number to Dial", "Nombre", "站位电话号码",
                                      "Telefonnummer"};
inline constexpr TextRow mcanbuttonHint{"EXIT?", "SORTIE?", "退出", "Beenden?"};
inline constexpr TextRow DialpanelHint{"Dial", "Dial", "拨号", "Wählen"};
inline constexpr TextRow DialbuttonHint{"Dial", "Dial", "拨号", "Wählen"};
inline constexpr TextRow NameHeader{"Name", "Nom", "站名", "Name"};
inline constexpr TextRow NumberHeader{"Phone Number", "Nombre de Telefon", "电话号码",
                                      "Telefonnummer"};
inline constexpr TextRow Pulsecheck{"Pulse", "Pulse", "脉冲拨号", "Puls"};
inline constexpr TextRow SetupeditHint{"Non Tapi Dial String", "Non Tapi Dial String",
                                       "无TAPI业务拨号指令", "Wählstring ohne TAPI"};
inline constexpr TextRow Tapiselbutton{"Select", "Selection", "选择", "Auswählen"};
inline constexpr TextRow TapicheckHint{"Enable TAPI mode", "Enable TAPI mode", "启动TAPI业务模式",
                                       "TAPI Modus aktivieren"};
} // namespace DialText
