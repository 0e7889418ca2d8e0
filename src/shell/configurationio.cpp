#include "shell/configurationio.h"

#include "platform/portmap.h"

#include <array>
#include <limits>
#include <variant>

namespace {

using C = ShellConfiguration;

struct IntField {
    int C::*member;
    int minimum;
    int maximum;
};
using TextField = QString C::*;

struct SettingsValue {
    const char* name;
    std::variant<IntField, TextField> field;
};

constexpr int AnyInt = std::numeric_limits<int>::max();

const SettingsValue LogRate{"Periodic Log Rate", IntField{&C::periodicLogRate, 1, 48}};
const SettingsValue Baud{"Baud Rate", IntField{&C::baudIndex, 0, 3}};
const SettingsValue DirectPort{
    "Direct Port Number",
    IntField{&C::directPortNumber, PortMap::MinComNumber, PortMap::MaxComNumber}};
const SettingsValue ModemPort{
    "Modem Port Number",
    IntField{&C::modemPortNumber, PortMap::MinComNumber, PortMap::MaxComNumber}};
const SettingsValue Language{"Language Number", IntField{&C::languageIndex, 0, 3}};
const SettingsValue VoltageMultiplier{"Voltage Multiplier",
                                      IntField{&C::VoltageMultiplier, -AnyInt, AnyInt}};
const SettingsValue CurrentMultiplier{"Current Multiplier",
                                      IntField{&C::CurrentMultiplier, -AnyInt, AnyInt}};
// The dial panel brings a line outside the phone book back to its first row when it opens.
const SettingsValue PhoneLine{"Current PhoneList Line",
                              IntField{&C::PhoneListLine, -AnyInt, AnyInt}};
const SettingsValue Site{"Site Number", IntField{&C::siteNumber, 0, 240}};
const SettingsValue DialString{"Dial String", &C::dialString};
const SettingsValue SaveFile{"Save File", &C::SaveFileName};
const SettingsValue LogNumber{"Log Number", &C::logNumber};
const SettingsValue LogFile{"Log File", &C::logFile};
const SettingsValue PathDelay{"Path Time delay", IntField{&C::pathTimeDelay, 2, 20}};
const SettingsValue ModemSet{"Modem Set String", &C::ModemSetString};
const SettingsValue TapiDevice{"Selected TAPI Device", &C::selectedTapiDevice};

const std::array SettingsReadOrder{
    &LogRate,           &Baud,      &DirectPort, &ModemPort,  &Language, &VoltageMultiplier,
    &CurrentMultiplier, &PhoneLine, &Site,       &DialString, &SaveFile, &LogNumber,
    &LogFile,           &PathDelay, &ModemSet,   &TapiDevice};
const std::array SettingsWriteOrder{
    &LogRate,           &Baud,      &DirectPort, &ModemPort,  &Language, &VoltageMultiplier,
    &CurrentMultiplier, &PhoneLine, &Site,       &DialString, &SaveFile, &LogFile,
    &LogNumber,         &PathDelay, &ModemSet,   &TapiDevice};

struct SaveFlag {
    const char* name;
    bool SaveOptions::*member;
};

const SaveFlag CurrentData{"Current Data", &SaveOptions::currentData};
const SaveFlag DayData{"Day Data", &SaveOptions::dayData};
const SaveFlag SettingsData{"Settings Data", &SaveOptions::settingsData};
const SaveFlag CalibrationData{"Calibration Data", &SaveOptions::calibrationData};
const SaveFlag Sample{"Sample enabled", &SaveOptions::sampleEnabled};
const SaveFlag LogDialUp{"Log Dial Up enabled", &SaveOptions::logDialUpEnabled};
const SaveFlag AlarmBeep{"Alarm Beep", &SaveOptions::alarmBeep};
const SaveFlag AlarmDial{"Alarm Dial", &SaveOptions::alarmDial};
const SaveFlag SiteMode{"Site mode", &SaveOptions::siteMode};
const SaveFlag Tapi{"Tapi selection", &SaveOptions::tapiSelection};

// "Tapi selection" is read last, after the phone book and the fonts.
const std::array SaveFlagReadOrder{&CurrentData,     &DayData,   &SettingsData,
                                   &CalibrationData, &Sample,    &LogDialUp,
                                   &AlarmBeep,       &AlarmDial, &SiteMode};
// The alarm flags are never written, so they keep what an earlier program left.
const std::array SaveFlagWriteOrder{&CurrentData, &DayData,   &SettingsData, &CalibrationData,
                                    &Sample,      &LogDialUp, &Tapi,         &SiteMode};

QString phoneNameKey(int row) {
    return QStringLiteral("id name %1").arg(row);
}
QString phoneNumberKey(int row) {
    return QStringLiteral("phone number %1").arg(row);
}
// Both names end in one blank.
QString fontNameKey(int language) {
    return QStringLiteral("Lang %1 Name ").arg(language);
}
QString fontSizeKey(int language) {
    return QStringLiteral("Lang %1 Size ").arg(language);
}

constexpr int SmallestFontSize = 6;
constexpr int LargestFontSize = 72;

int readInt(const ConfigStore& store, const QString& section, const QString& name, int fallback,
            int minimum, int maximum) {
    const auto value = storedInteger(store.readString(section, name));
    return value && *value >= minimum && *value <= maximum ? *value : fallback;
}

void readSettingsValue(const ConfigStore& store, const SettingsValue& value, C& out) {
    const QString name = QString::fromLatin1(value.name);
    if (const auto* field = std::get_if<IntField>(&value.field)) {
        out.*field->member = readInt(store, ConfigSection::Settings, name, out.*field->member,
                                     field->minimum, field->maximum);
    } else {
        const auto member = std::get<TextField>(value.field);
        out.*member = store.readString(ConfigSection::Settings, name).value_or(out.*member);
    }
}

void writeSettingsValue(ConfigStore& store, const SettingsValue& value, const C& in) {
    const QString name = QString::fromLatin1(value.name);
    if (const auto* field = std::get_if<IntField>(&value.field))
        store.writeString(ConfigSection::Settings, name, QString::number(in.*field->member));
    else
        store.writeString(ConfigSection::Settings, name, in.*std::get<TextField>(value.field));
}

void readSaveFlag(const ConfigStore& store, const SaveFlag& flag, SaveOptions& out) {
    const auto value =
        storedInteger(store.readString(ConfigSection::SaveOptions, QString::fromLatin1(flag.name)));
    if (value)
        out.*flag.member = *value != 0;
}

void readPhoneList(const ConfigStore& store, C& out) {
    for (int row = 1; row <= C::PhoneBookRows; ++row) {
        auto& entry = out.phoneList[static_cast<size_t>(row - 1)];
        entry.name =
            store.readString(ConfigSection::PhoneList, phoneNameKey(row)).value_or(QString());
        entry.number =
            store.readString(ConfigSection::PhoneList, phoneNumberKey(row)).value_or(QString());
    }
}

void readFonts(const ConfigStore& store, LanguageFonts& fonts) {
    for (int language = 0; language < 4; ++language) {
        const auto index = static_cast<size_t>(language);
        const QString name =
            store.readString(ConfigSection::Font, fontNameKey(language)).value_or(QString());
        if (!name.trimmed().isEmpty())
            fonts.LangFontName[index] = name;
        fonts.LangFontSize[index] =
            readInt(store, ConfigSection::Font, fontSizeKey(language), fonts.LangFontSize[index],
                    SmallestFontSize, LargestFontSize);
    }
}

void readPortDevices(const ConfigStore& store, C& out) {
    for (const QString& name : store.valueNames(ConfigSection::Ports)) {
        const int number = PortMap::comNumberFromName(name);
        const QString device = store.readString(ConfigSection::Ports, name).value_or(QString());
        if (number != 0 && !device.trimmed().isEmpty())
            out.portDevices[number] = device.trimmed();
    }
}

void writePortDevices(ConfigStore& store, const C& in) {
    for (const QString& name : store.valueNames(ConfigSection::Ports))
        if (in.portDevices.count(PortMap::comNumberFromName(name)) == 0)
            store.remove(ConfigSection::Ports, name);
    for (const auto& [number, device] : in.portDevices)
        store.writeString(ConfigSection::Ports, QStringLiteral("COM%1").arg(number), device);
}

} // namespace

std::optional<int> storedInteger(const std::optional<QString>& text) {
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

ShellConfiguration readConfiguration(const ConfigStore& store) {
    ShellConfiguration out;
    for (const SettingsValue* value : SettingsReadOrder)
        readSettingsValue(store, *value, out);
    for (const SaveFlag* flag : SaveFlagReadOrder)
        readSaveFlag(store, *flag, out.save);
    readPhoneList(store, out);
    readFonts(store, out.fonts);
    readSaveFlag(store, Tapi, out.save);
    readPortDevices(store, out);
    return out;
}

void writeConfiguration(ConfigStore& store, const ShellConfiguration& in) {
    for (const SettingsValue* value : SettingsWriteOrder)
        writeSettingsValue(store, *value, in);
    for (const SaveFlag* flag : SaveFlagWriteOrder)
        store.writeString(ConfigSection::SaveOptions, QString::fromLatin1(flag->name),
                          in.save.*flag->member ? QStringLiteral("1") : QStringLiteral("0"));
    for (int row = 1; row <= C::PhoneBookRows; ++row) {
        const auto& entry = in.phoneList[static_cast<size_t>(row - 1)];
        store.writeString(ConfigSection::PhoneList, phoneNameKey(row), entry.name);
        store.writeString(ConfigSection::PhoneList, phoneNumberKey(row), entry.number);
    }
    for (int language = 0; language < 4; ++language) {
        const auto index = static_cast<size_t>(language);
        store.writeString(ConfigSection::Font, fontNameKey(language), in.fonts.LangFontName[index]);
        store.writeString(ConfigSection::Font, fontSizeKey(language),
                          QString::number(in.fonts.LangFontSize[index]));
    }
    writePortDevices(store, in);
    store.flush();
}

WindowOptions readWindowOptions(const ConfigStore& store) {
    WindowOptions out;
    const auto read = [&store](const char* name, int fallback) {
        return store.readInteger(ConfigSection::Options, QString::fromLatin1(name))
            .value_or(fallback);
    };
    out.MainFormLeft = read("MainFormLeft", out.MainFormLeft);
    out.MainFormTop = read("MainFormTop", out.MainFormTop);
    out.SingleCommandNumberKind = read("SingleCommandNumberKind", out.SingleCommandNumberKind);
    if (out.SingleCommandNumberKind != 0 && out.SingleCommandNumberKind != 1)
        out.SingleCommandNumberKind = 0;
    out.VerifyWrites = read("Verify writes", 1) != 0;
    out.FastReplies = read("Fast replies", 0) != 0;
    return out;
}

void writeWindowOptions(ConfigStore& store, const WindowOptions& options) {
    store.writeInteger(ConfigSection::Options, QStringLiteral("SingleCommandNumberKind"),
                       options.SingleCommandNumberKind);
    store.writeInteger(ConfigSection::Options, QStringLiteral("MainFormLeft"),
                       options.MainFormLeft);
    store.writeInteger(ConfigSection::Options, QStringLiteral("MainFormTop"), options.MainFormTop);
    store.writeInteger(ConfigSection::Options, QStringLiteral("Verify writes"),
                       options.VerifyWrites ? 1 : 0);
    store.writeInteger(ConfigSection::Options, QStringLiteral("Fast replies"),
                       options.FastReplies ? 1 : 0);
    store.flush();
}
