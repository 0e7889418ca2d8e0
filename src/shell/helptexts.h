#pragma once

#include "common/texts.h"

// Texts of the help window.
namespace HelpText {
inline constexpr TextRow Caption{"HELP", "ASSISTANCE", "帮助", "Hilfe"};
inline constexpr TextRow ErrorFile{"ERROR  File", "", "错误 文档", "Fehler Datei"};
inline constexpr TextRow NotFound{"Not Found", "", "没有找到", "nicht gefunden"};
} // namespace HelpText
