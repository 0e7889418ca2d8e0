#include "readcommands.h"

#include "alarmunitcommands.h"
#include "calibrationoutput.h"
#include "currentstateoutput.h"
#include "historyoutput.h"
#include "settingsoutput.h"

#include <QJsonObject>

const std::vector<ReadCommand>& readCommands() {
    static const std::vector<ReadCommand> commands{
        {QStringLiteral("current"),
         {ReadKind::Current},
         {OutputFormat::Text, OutputFormat::Json},
         [](const ReadResult& r, OutputFormat f) { return printCurrentState(r, f, false); }},
        {QStringLiteral("status"),
         {ReadKind::Current, ReadKind::Status},
         {OutputFormat::Text, OutputFormat::Json},
         [](const ReadResult& r, OutputFormat f) { return printCurrentState(r, f, true); }},
        // The current state first: only the model byte tells the 120 V and 136 V controllers,
        // whose history is in whole volts, from those that keep it in tenths.
        {QStringLiteral("history"),
         {ReadKind::Current, ReadKind::History},
         {OutputFormat::Text, OutputFormat::Json, OutputFormat::Csv},
         &printHistory},
        {QStringLiteral("settings"),
         settingsReadTypes(),
         {OutputFormat::Text, OutputFormat::Json},
         &printSettings},
        {QStringLiteral("calibration"),
         {ReadKind::Calibration},
         {OutputFormat::Text, OutputFormat::Json},
         &printCalibration},
        {QStringLiteral("alarm"),
         alarmUnitReadTypes(),
         {OutputFormat::Text, OutputFormat::Json},
         &printAlarmUnit},
    };
    return commands;
}

const ReadCommand* findReadCommand(const QString& name) {
    for (const auto& command : readCommands())
        if (command.name == name)
            return &command;
    return nullptr;
}

QString incompleteNote() {
    return QStringLiteral("\n(incomplete: the read did not finish)\n");
}

QJsonObject imageJson(const ReadResult& result) {
    QJsonObject object;
    const MemoryImage& image = result.link.image;
    for (int address = 0; address < MemoryImage::Size; ++address)
        if (image.wasRead(address))
            object.insert(QString::number(address), image.at(address));
    return object;
}
