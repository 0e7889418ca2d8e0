#pragma once

#include "common/texts.h"

// Status texts of dialling and hanging up.
namespace ModemText {
inline constexpr TextRow Dialing{"Dialing", "", "进行拨号", "Wähle"};
inline constexpr TextRow CantOpenCommPort{"Cant open COMM port", "", "不能打开串行口",
                                          "Kann COMM Port nicht öffnen"};
inline constexpr TextRow ModemSetup{"Modem Setup", "", "Modem 设置", "Modem Setup"};
inline constexpr TextRow CantOpenPort{"Cant open port", "", "不能打开串行口",
                                      "Kann Port nicht öffnen"};
inline constexpr TextRow Carrier{"Carrier", "", "载体", "Verbindung"};
inline constexpr TextRow Connected{"Connected", "", "接通", "Verbunden"};
inline constexpr TextRow TapiOpen{"TAPI Open", "", "TAPI 打开", "TAPI geöffnet"};
inline constexpr TextRow TapiClosed{"TAPI Closed", "", "TAPI 关闭", "TAPI geschlossen"};
inline constexpr TextRow WaitForClose{"Wait for Close", "", "等待断开", "Warte auf Schliessen"};
inline constexpr TextRow PortNotOpen{"Port Not Open", "", "串行口无法打开", "Port nicht geöffnet"};
inline constexpr TextRow Break{"Break", "", "切断指令", "Unterbrochen"};
inline constexpr TextRow HangUp{"Hang Up", "", "切断电话", "Aufgelegt"};
inline constexpr TextRow Closed{"Closed", "", "关闭", "Geschlossen"};
// A call that did not come about, with the modem's result code ("BUSY").
inline constexpr TextRow CallFailed{"Call failed: %1", "Appel échoué : %1", "呼叫失败：%1",
                                    "Anruf fehlgeschlagen: %1"};
// The connection dropped while it was in use.
inline constexpr TextRow CarrierLost{"Carrier lost", "Porteuse perdue", "载波中断",
                                     "Verbindung verloren"};

// Captions of the set-up label of the port panel.
inline constexpr TextRow SetupString{"Modem Setup String", "Modem Setup String", "MODEM设置指令",
                                     "Modem Setup String"};
inline constexpr TextRow TapiDevice{"Current TAPI Device", "Current TAPI Device", "当前TAPI装置",
                                    "Aktuelles TAPI Gerät"};
} // namespace ModemText
