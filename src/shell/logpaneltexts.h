#pragma once

#include "common/texts.h"

// Texts of the periodic log panel and of writing log entries.
namespace LogText {
inline constexpr TextRow PanelHint{"Periodic Data Logging", "", "定期记录数据",
                                   "Periodischer Datenabruf"};
inline constexpr TextRow logeditHint{"File Name for Logged Data", "", "被记录数据的文档名称",
                                     "Dateiname für periodische Daten"};
inline constexpr TextRow dialupcheck{"Use Modem Dialup", "", "用MODEM拨通站位",
                                     "Verwende Modemverbindung"};
inline constexpr TextRow Samplecheck{"Log Data Every", "", "记录数据 每", "Datenabruf alle"};
inline constexpr TextRow rateeditHint{"Hours between Data Samples", "", "数据抽样的间隔小时",
                                      "Stunden zwischen Datenabruf"};
inline constexpr TextRow Ratelab{"Hours", "Jours", "小时", "Stunden"};
inline constexpr TextRow LogreadHint{"View Logged Data", "", "阅读记录的信息",
                                     "Anzeige aufgezeichnete Daten"};
inline constexpr TextRow LognumeditHint{"Phone number for Datalogging", "",
                                        "用于记录数据的电话号码",
                                        "Telefonnummer für periodischen Abruf"};
// Where the entry went, or why it could not be written (%1 the file, %2 the reason).
inline constexpr TextRow Logged{"Logged to %1", "Enregistre dans %1", "已记录到 %1",
                                "Aufgezeichnet in %1"};
inline constexpr TextRow NotLogged{"Could not log to %1: %2", "Echec d'enregistrement %1: %2",
                                   "无法记录到 %1: %2", "Aufzeichnung in %1 fehlgeschlagen: %2"};
inline constexpr TextRow DiskFull{"Disk full: no log entry", "Disque plein", "磁盘已满: 未记录",
                                  "Datenträger voll: kein Eintrag"};
} // namespace LogText
