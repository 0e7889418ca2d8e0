#pragma once

#include "common/texts.h"

#include <array>

// Texts of the main window, its tool bar and its panels.
namespace MainText {
inline constexpr TextRow ProductCaption{"TARVIK", "TARVIK", "VX 网络通信", "TARVIK"};

inline constexpr TextRow exitlab{"EXIT?", "SORTIE?", "退出", "Beenden?"};
inline constexpr TextRow Directlab{"Direct", "Direct", "直接通信", "Direkt"};
inline constexpr TextRow Baudlab{"Baud Rate", "Baud Rate", "波特速率", "Baud Rate"};
inline constexpr TextRow Portlab{"Port", "Port", "串行口", "Port"};
inline constexpr TextRow Mportlab{"Modem Port", "Modem Port", "MODEM 接口", "Modem Port"};
inline constexpr TextRow Modemlab{"Modem", "Modem", "MODEM通信", "Modem"};
inline constexpr TextRow Timedelaylab{"Path Time delay", "Delai de Liaison", "线路延时",
                                      "Leitungsverzögerung"};
inline constexpr TextRow fastReplies{"Fast replies", "Réponses rapides", "快速应答",
                                     "Schnelle Antworten"};
inline constexpr TextRow fastRepliesHint{"Handle each reply as soon as it has arrived",
                                         "Traiter chaque réponse dès son arrivée", "应答一到即处理",
                                         "Jede Antwort sofort nach ihrem Eingang verarbeiten"};
inline constexpr TextRow ebModemComPortNumHint{"Select Modem Port", " ", "选择MODEM串行口",
                                               "Modem Port auswählen"};
inline constexpr TextRow StatusbHint{"Status Information", "Information", "区域状态显示",
                                     "Status Information"};
inline constexpr TextRow LanggroupHint{"Select Language", "Selection de Language", "语言选择",
                                       "Sprache auswählen"};
inline constexpr TextRow baudboxHint{"Select Direct Baud Rate", "Baud Rate", "选择直接波特率",
                                     "Direkte Übertragungsrate einstellen"};
inline constexpr TextRow ebDirectComPortNumHint{"Select Direct Port", "Port", "选择直接串行口",
                                                "Direkten Port einstellen"};
inline constexpr TextRow fontselbutHint{"Select Font", "Selection de Font", "选择字体",
                                        "Schriftart wählen"};

// Hints of ToolButton1..ToolButton12; index 0 is ToolButton1.
inline constexpr std::array<TextRow, 12> ToolButtonHints{{
    {"Exit", "Sortie", "退出", "Beenden"},
    {"Select Language", "Selection de Language", "语言选择", "Sprache auswählen"},
    {"Help", "Assistance", "帮助", "Hilfe"},
    {"Current State", "State immediate", "当前状态", "Aktueller Status"},
    {"Historical data", "Historie", "历史数据", "Datenspeicher"},
    {"VX Settings", "VX Settings", "VX 设置数据", "VX Einstellungen"},
    {"Tools", "Outil", "工具", "Werkzeuge"},
    {"Modem Setup", "Modem Setup", "MODEM 设置", "Modem Setup"},
    {"Dial button", "Dial", "拨号按钮", "Wählen"},
    {"Save Data", "Save", "保存数据", "Daten speichern"},
    {"Print Data", "Print", "打印数据", "Daten drucken"},
    {"Periodic Save", "Periodic", "定期保存", "Periodisches speichern"},
}};

// The save panel in its save layout, and the settings-file panel it opens.
inline constexpr TextRow SavepanelHint{"Save Data to File", "", "保存数据进入文档",
                                       "Daten in Datei speichern"};
inline constexpr TextRow vxsetbuttonHint{"Save or Retrieve VX Settings", "", "保存或读回VX设置数据",
                                         "Speichern oder WIederherstellen der Einstellungen"};
inline constexpr TextRow vxsetpanelHint = vxsetbuttonHint;
inline constexpr TextRow setsavebbutHint{"Save VX Settings to a file", "", "保存VX数据进入文档",
                                         "Speichern der VX Einstellungen in Datei"};
inline constexpr TextRow setgetbbutHint{"Retrieve VX Settings from a file", "",
                                        "从文档中读回VX设置数据",
                                        "Wiederherstellen der VX Einstellungenaus Datei"};
inline constexpr TextRow setcancelbutHint{"Close window", "Ferme la fenetre", "关闭窗口",
                                          "Fenster schliessen"};

// The settings-file dialogs; the filter name is followed by " (*.stp)".
inline constexpr TextRow SettingsFilterName{"Settings", "", "设置数据", "Einstellungen"};
inline constexpr TextRow VxsetSaveDialogTitle{"Select name of file to save Settings to", "",
                                              "选择文档名用于保存设置",
                                              "Dateiname für Einstellungen speichern auswählen"};
inline constexpr TextRow VxsetOpenDialogTitle{
    "Select name of file to retrieve Settings from", "", "选择文档名用于读回设置",
    "Dateiname für Einstellungen wiederherstellen auswählen"};

// The site button outside site mode, and the site texts in site mode.
inline constexpr TextRow LogCaption{"LOG", "", "记录", "LOG"};
inline constexpr TextRow ForceLogHint{"Force a periodic log to occur", "", "强制执行定期数据记录",
                                      "Periodische Datenabfrage auslösen"};
inline constexpr TextRow SelectSiteHint{"Select Site Number", "", "选择站位号",
                                        "Einstellung Anlagennummer"};
inline constexpr TextRow Sitelab{"SITE NUMBER", "Site Nombre", "站位号", "ANLAGENNUMMER"};
} // namespace MainText
