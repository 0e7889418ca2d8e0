#pragma once

#include <QIcon>
#include <QPixmap>

// The tool bar's image list, drawn here: index 0 exit, 1 help, 2 current state, 3 history,
// 4 settings, 6 modem set-up, 7 dial, 8 save, 9 periodic save, 10 print, 11 dial while connected,
// 12 tools and 13..16 the flags of English, French, Chinese and German.
namespace ToolImage {
constexpr int Exit = 0, Help = 1, Current = 2, History = 3, Settings = 4, ModemSetup = 6, Dial = 7,
              Save = 8, Periodic = 9, Print = 10, Connected = 11, Tools = 12, FirstFlag = 13;
}

QPixmap toolBarImage(int index);
// The image as a tool button's icon; disabled, it is pale, so that dark images such as the
// handset do not look usable.
QIcon toolBarIcon(int index);
// The flag of a language 0..3, as wide as the tool bar's images.
QPixmap languageFlag(int languageIndex);
// Glyphs of the exit panel's buttons, the font button and the settings-file panel's load button.
QPixmap confirmGlyph();
QPixmap cancelGlyph();
QPixmap fontGlyph();
QPixmap openFolderGlyph();
