#pragma once

#include <QString>
#include <map>

// COM numbers 1..254 stay what the user sees and stores. On Windows COM n is the port "COMn";
// elsewhere each number maps to a device path, by default /dev/ttyS(n-1), unless the user has
// chosen another device for it.
class PortMap {
public:
    static constexpr int MinComNumber = 1;
    static constexpr int MaxComNumber = 254;

    QString deviceFor(int comNumber) const;
    void setDevice(int comNumber, const QString& device);
    void clearDevice(int comNumber);
    // Only the numbers the user mapped, for the configuration store.
    const std::map<int, QString>& customDevices() const { return custom_; }
    // A device for this run only, such as a simulated controller: it comes before the user's
    // choice and is never stored. The user choosing a device for the number ends it.
    void setRunDevice(int comNumber, const QString& device) { run_[comNumber] = device; }

    static QString defaultDevice(int comNumber);
    // "COM7" or "com7" gives 7; anything else gives 0.
    static int comNumberFromName(const QString& name);

private:
    std::map<int, QString> custom_;
    std::map<int, QString> run_;
};
