#pragma once

#include "link/controllerlink.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// What a finished read hands to its printer.
struct ReadResult {
    const ControllerLink& link;
    bool complete;
};

enum class OutputFormat { Text, Json, Csv };

// One "tarvik-cli read <name>" command: the sequences it runs and how it prints them.
struct ReadCommand {
    QString name;
    std::vector<int> readTypes;
    std::vector<OutputFormat> formats; // the first is the default
    std::function<QByteArray(const ReadResult&, OutputFormat)> print;
};

const std::vector<ReadCommand>& readCommands();
const ReadCommand* findReadCommand(const QString& name);

// The line a text output ends with when its read did not finish.
QString incompleteNote();

// {"0": 12, "93": 1, ...}: the image bytes the controller sent during the run, for JSON
// outputs; addresses that never got an answer are left out.
class QJsonObject;
QJsonObject imageJson(const ReadResult& result);
