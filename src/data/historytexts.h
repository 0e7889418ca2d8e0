#pragma once

#include "common/texts.h"

#include <array>

// Texts of the 30-day history, shared by the graph and the report.
namespace HistoryText {
inline constexpr TextRow Title{"HISTORY DATA", "MEMOIRE DATA", "历史数据", "Datenspeicher"};
inline constexpr TextRow Day{"Day", "Jour", "天", "Tag"};
// Column heads after the day, and their units, the same in every language.
inline constexpr std::array<const char*, 6> Columns{"IN", "OUT", "VMAX", "VMIN", "FTIM", "SOC"};
inline constexpr std::array<const char*, 6> Units{"Ah", "Ah", "V", "V", "Hr", "%"};
} // namespace HistoryText
