#pragma once

#include "common/texts.h"
#include "data/historytexts.h"

#include <array>

// Texts of the graph window, in the four languages.
namespace GraphText {
inline constexpr const TextRow& Caption = HistoryText::Title;
inline constexpr const TextRow& DayLabel = HistoryText::Day;
inline constexpr TextRow Hint{"Click to re-read history data", "Graph Ecrite",
                              "要重读历史数据 按这里",
                              "Mausklick um gespeicherte Daten wieder einzulesen"};
inline constexpr TextRow Wait{"Wait For Transfer", "Attendre pour le Communication", "等待正在传送",
                              "Warte auf Übertragung"};
inline constexpr TextRow DrawCaption{"Draw Graph", "Graph Ecrite", "作图列表", "Graphik erstellen"};
inline constexpr TextRow DrawHint{"Draw Selected Graph", "Graph Ecrite", "对被选项目作图",
                                  "Graphik erstellen"};
// Hints of the blue, yellow, red and green series lists.
inline constexpr std::array<TextRow, 4> ListHints{{
    {"Select Blue Data", "Graph Ecrite", "选择蓝色数据", "Blaue Balken definieren"},
    {"Select Yellow Data", "Graph Ecrite", "选择黄色数据", "Gelbe Balken definieren"},
    {"Select Red Data", "Graph Ecrite", "选择红色数据", "Rote Balken definieren"},
    {"Select Green Data", "Graph Ecrite", "选择绿色数据", "Grüne Balken definieren"},
}};
// The rows of every series list, by series code.
inline constexpr std::array<TextRow, 7> SeriesNames{{
    {"Not used", "Ne Utiliser Pas", "没有占用", "Keine"},
    {"Charge Ah", "Chargement Ah", "充电安时数", "Ladung Ah"},
    {"Discharge Ah", "Dechargement Ah", "放电安时数", "Entladung Ah"},
    {"Voltage Max.", "Tension Max.", "最高电压", "Spannung max."},
    {"Voltage Min.", "Tension Min.", "最低电压", "Spannung min."},
    {"Float Time", "Float Time", "浮充时间", "Zeit Erhaltungsladung"},
    {"SOC %", "SOC %", "充电性能比 %", "Ladezustand %"},
}};
// Status panel text when the history read starts.
inline constexpr TextRow Start{"Start", "", "开始", "Start"};
inline constexpr TextRow SaveImage{"Save Graph as Image...", "Enregistrer le Graph en Image...",
                                   "将图形保存为图像...", "Graphik als Bild speichern..."};
inline constexpr TextRow SaveFailed{"Cannot save the image", "Impossible d'enregistrer l'image",
                                    "无法保存图像", "Bild kann nicht gespeichert werden"};
} // namespace GraphText
