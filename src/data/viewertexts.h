#pragma once

#include "common/texts.h"

// Texts of the file viewer and of printing.
namespace ViewerText {
inline constexpr TextRow Caption{"View Data in file", "Data en file", "查看存档的数据",
                                 "Zeige Daten in Datei"};
inline constexpr TextRow FilePrefix{
    "Data in file: ", "Data en file:", "存档的数据: ", "Daten in Datei"};
inline constexpr TextRow filelabHint{"Name of Data File Showing", "", "数据文档的名称",
                                     "Name der angezeigten Datei"};
inline constexpr TextRow BitBtn1Hint{"Print File", "", "打印文档", "Datei drucken"};
inline constexpr TextRow BitBtn2Hint{"Close Window", "Sortie", "关闭窗口", "Fenster schliessen"};
inline constexpr TextRow MissingFile{"ERROR -file does not exist", "Error", "错误 - 文档不存在",
                                     "Fehler - Datei existiert nicht"};
inline constexpr TextRow ViewerPrintTitle{"VX Data PrintOut", "VX Printout", "VX 数据印出",
                                          "VX Datenausdruck"};
inline constexpr TextRow ReportPrintTitle{"Print Data", "", "打印数据", "Daten drucken"};
} // namespace ViewerText
