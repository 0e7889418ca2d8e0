#pragma once

#include "common/texts.h"

// Link status texts of status panel 5.
namespace LinkText {
inline constexpr TextRow PortOpen{"Port Open", "Port Ouvert", "串行口打开", "Port geöffnet"};
inline constexpr TextRow PortSetOk{"Port Set OK", "Port OK", "串行口设立正常",
                                   "Porteinstellung OK"};
inline constexpr TextRow PortSetException{"Cant open port-Port Set Exception", "", "不能打开串行口",
                                          "Kann Port nich öffnen"};
// A baud change reopens the modem port whichever port is the link: say which one failed.
inline constexpr TextRow CantOpenModemPort{"Cant open modem port", "Port Modem Ferme",
                                           "不能打开调制解调器串行口",
                                           "Kann Modem-Port nicht öffnen"};
inline constexpr TextRow RequestSent{"Request Sent", "Request Sent", "发送请求",
                                     "Anforderung gesendet"};
inline constexpr TextRow Timeout{"Timeout", "", "超出计时", "Zeitablauf"};
inline constexpr TextRow CommFail{"Comm Fail", "", "通信故障", "Kommunikationsfehler"};
inline constexpr TextRow CantOpenPort{"Cant Open Port", "Port Ferme", "不能打开串行口",
                                      "Kann Port nicht öffnen"};
// A device that keeps answering without a data byte ends the read with this.
inline constexpr TextRow NoDataReply{"No Data Reply", "Pas de Donnees", "无数据应答",
                                     "Antwort ohne Daten"};
// Why a read did not start, where the link has nothing else to say.
inline constexpr TextRow LinkBusy{"Link Busy", "Liaison Occupee", "链路忙", "Verbindung belegt"};
inline constexpr TextRow StartingUp{"Starting Up", "Demarrage", "正在启动", "Programmstart"};
inline constexpr TextRow DialInProgress{"Dialling", "Numerotation", "正在拨号", "Wählvorgang"};
inline constexpr TextRow NoSuchRead{"No Such Read", "Lecture Inconnue", "没有此读取",
                                    "Unbekannter Lesevorgang"};
// Paced writes.
inline constexpr TextRow SendingData{"Sending Data", "", "发送数据", "Sende Daten"};
inline constexpr TextRow PortNotOpen{"Port Not Open", "Port Ferme", "串行口没打开",
                                     "Port nicht geöffnet"};
inline constexpr TextRow NoConnection{"No connection", "", "缺乏连接", "Keine Verbindung"};
// The read-back of a write.
inline constexpr TextRow Verified{"Verified", "Verifie", "已验证", "Überprüft"};
inline constexpr TextRow DiffersInRam{"Differs at RAM %1", "Differe en RAM %1", "RAM %1 不符",
                                      "Abweichung bei RAM %1"};
inline constexpr TextRow DiffersInEeprom{"Differs at EEPROM %1", "Differe en EEPROM %1",
                                         "EEPROM %1 不符", "Abweichung bei EEPROM %1"};
inline constexpr const char* BadHandle = "Bad Handle";
} // namespace LinkText
