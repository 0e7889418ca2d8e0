#pragma once

#include <QString>

// The program's version as four numbers: major, minor, release, build.
class T_Version {
public:
    // From the version the program was built with ("2.10.7" or "2.10.7.338"); missing parts are 0.
    explicit T_Version(const QString& version);
    QString text() const;

    int major = 0, minor = 0, release = 0, build = 0;
};
