#pragma once

#include "common/texts.h"

#include <array>

// Texts of the single command tool.
namespace SingleText {
// The list's entries that are always there, in list order.
inline constexpr std::array<TextRow, 7> CommandEntries{{
    {"Read VX Ram", "Read VX Ram", "阅读VX内存", "Lese VX Ram"},
    {"Read E2prom", "Periodic", "阅读 E2prom ", "Lese VX E2prom"},
    {"Write VX Ram", "Periodic", "写入VX内存", "Schreibe VX Ram"},
    {"Write E2prom", "Periodic", "写入 E2prom ", "Schreibe VX E2prom"},
    {"Loopback", "Loopback", "环路返回", "Loopback"},
    {"Clear History", "Clear History", "清除历史数据", "Lösche Speicher"},
    {"Test History", "Test History", "模拟测试历史数据", "Teste Speicher"},
}};
// Site mode only.
inline constexpr TextRow SetSiteEntry{"Set VXI Site", "Set VXI Site", "设VXI站位",
                                      "Anlagennummer einstellen"};
inline constexpr TextRow ProgramAlarmUnitEntry{"Program VXA", "Livre", "各站位电话簿",
                                               "Program VXA"};
// The last entry switches the frames' layout.
inline constexpr TextRow SelectSiteMode{"Select Site mode", "Select Site mode", "站位型",
                                        "Select Site mode"};
inline constexpr TextRow SelectLogMode{"Select Log mode", "Select Log mode", "非站位型",
                                       "Select Log mode"};

// The reply caption.
inline constexpr TextRow ReplyCaption{"Reply:", "Reponse", "回复:", "Antwort"};
inline constexpr TextRow SiteCaption{"Site", "Site", "设置", "Anlage"};
inline constexpr TextRow ErrorCaption{"Error", "Error", "错误", "Fehler"};
// The reply while the new site number is on its way.
inline constexpr TextRow SendingSite{"Send", "", "发送", "Sende"};

inline constexpr TextRow AddressDecimal{"Address  (Dec)", "", "地址 (Dec)", "Adresse (Dez.)"};
inline constexpr TextRow AddressHexadecimal{"Address  (Hex)", "", "地址 (Hex)", "Adresse (Hex.)"};
inline constexpr TextRow DataToSend{"Data to send", "", "数据用于发送", "zu sendende Daten"};
inline constexpr TextRow SiteNumber{"SITE NUMBER", "Site Nombre", "站位号", "ANLAGENNUMMER"};

inline constexpr TextRow PanelHint{"Tools", "Outil", "工具", "Werkzeuge"};
inline constexpr TextRow singlab{"Send Single Command", "", "发送一个指令",
                                 "Sende einzelnes Kommando"};
inline constexpr TextRow Singlab1{"Command", "Instruction", "指令", "Kommando"};
inline constexpr TextRow singsend{"Send", "", "发送", "Sende"};

// Both fills overwrite the controller's record of thirty days: asked before they start.
inline constexpr TextRow ConfirmClearHistory{
    "Clear History overwrites the controller's 30-day history with zeros. Continue?",
    "Clear History remplace l'historique de 30 jours du regulateur par des zeros. Continuer ?",
    "清除历史数据将用零覆盖控制器的30天历史记录。是否继续？",
    "Lösche Speicher überschreibt die 30-Tage-Historie des Reglers mit Nullen. Fortfahren?"};
inline constexpr TextRow ConfirmTestHistory{
    "Test History overwrites the controller's 30-day history with test data. Continue?",
    "Test History remplace l'historique de 30 jours du regulateur par des donnees de test. "
    "Continuer ?",
    "模拟测试历史数据将用测试数据覆盖控制器的30天历史记录。是否继续？",
    "Teste Speicher überschreibt die 30-Tage-Historie des Reglers mit Testdaten. Fortfahren?"};
} // namespace SingleText
