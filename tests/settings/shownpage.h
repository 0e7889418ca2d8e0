#pragma once

#include "settings/settingscatalogue.h"
#include "settings/ui/setform.h"
#include "settings/ui/stringcolumn.h"

#include <QJsonArray>
#include <QJsonObject>

// The rows of the page the window shows, in the shape tarvik-cli prints them.
inline void appendShownPage(const Tsetform& window, int page, QJsonArray& rows) {
    const auto cell = [&window](const char* column, int row) {
        return window.findChild<StringColumn*>(QString::fromLatin1(column))->cellText(row);
    };
    const SettingsPage& p = settingsPage(page);
    for (int setting = p.first; setting <= p.last; ++setting) {
        const int row = setting - p.first;
        rows.append(QJsonObject{{"page", page},
                                {"number", setting},
                                {"name", cell("sgrid1", row)},
                                {"value", cell("sgrid2", row)},
                                {"unit", cell("sgrid3", row)}});
    }
}
