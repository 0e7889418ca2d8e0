#pragma once

#include "common/texts.h"

// Texts of the save panel and of saving a report.
namespace SaveText {
inline constexpr TextRow fileeditHint{"File name for saved data", "", "被保存数据的文档名称",
                                      "Dateiname für gespeicherte Daten"};
inline constexpr TextRow ReadbuttonHint{"Read data from File", "", "从文档阅读数据",
                                        "Daten aus Datei lesen"};
inline constexpr TextRow SavebuttonHint{"Save data to File", "", "保存数据进入文档",
                                        "Daten in Datei "};
inline constexpr TextRow Currsavecheck{"Current State", "", "当前状态", "Aktueller Status"};
inline constexpr TextRow Datasavecheck{"History", "", "历史数据", "Datenspeicher"};
inline constexpr TextRow Setsavecheck{"Settings", "", "设置数据", "Einstellungen"};
inline constexpr TextRow Calsavecheck{"Calibration", "", "统调", "Kalibirierung"};
inline constexpr TextRow CurrsavecheckHint{"Enable Current State Data", "", "允许保存当前状态数据",
                                           "Freigabe Daten aktueller Stauts"};
inline constexpr TextRow DatasavecheckHint{"Enable History Data", "", "允许保存历史数据",
                                           "Freigabe Speicherdaten"};
inline constexpr TextRow SetsavecheckHint{"Enable Setting Data", "", "允许保存设置数据",
                                          "Freigabe Einstellungen"};
inline constexpr TextRow CalsavecheckHint{"Enable Calibration Data", "", "允许保存统调数据",
                                          "Freigabe Kalibrierung"};
// Where the report went, or why it could not be written (%1 the file, %2 the reason).
inline constexpr TextRow Saved{"Saved to %1", "Enregistre dans %1", "已保存到 %1",
                               "Gespeichert in %1"};
inline constexpr TextRow NotSaved{"Could not save %1: %2", "Echec d'enregistrement %1: %2",
                                  "无法保存 %1: %2", "Speichern von %1 fehlgeschlagen: %2"};
} // namespace SaveText
