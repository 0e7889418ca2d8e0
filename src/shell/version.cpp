#include "shell/version.h"

#include <QStringList>

T_Version::T_Version(const QString& version) {
    const QStringList parts = version.split(QLatin1Char('.'));
    int* fields[] = {&major, &minor, &release, &build};
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        *fields[i] = parts.at(i).toInt();
}

QString T_Version::text() const {
    return QStringLiteral("%1.%2.%3.%4").arg(major).arg(minor).arg(release).arg(build);
}
