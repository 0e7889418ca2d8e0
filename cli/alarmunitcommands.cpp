#include "alarmunitcommands.h"

#include "terminal.h"
#include "writesession.h"

#include "data/identity.h"
#include "link/readsequences.h"
#include "settings/alarmunit.h"
#include "settings/alarmunittexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int English = 0;

int unitVariant(const MemoryImage& image) {
    ControllerIdentity identity;
    identity.decode(image);
    return identity.AlarmUnitVariant;
}

QJsonObject alarmImageJson(const AlarmUnitImage& image) {
    QJsonObject object;
    for (int address = 0; address < AlarmUnitImage::Size; ++address)
        if (image.wasRead(address))
            object.insert(QString::number(address), image.at(address));
    return object;
}

// A failed read shows no values: what the unit did not send is not shown as if it had.
QByteArray json(const ReadResult& result, const AlarmUnitDisplay& shown, int variant) {
    QJsonArray rows;
    for (int row = 1; row <= AlarmUnit::Rows; ++row)
        rows.append(QJsonObject{
            {QStringLiteral("row"), row},
            {QStringLiteral("label"), alarmUnitLabel(row, variant, English)},
            {QStringLiteral("value"),
             result.complete ? QJsonValue(shown.values.row(row).trimmed()) : QJsonValue()},
            {QStringLiteral("unit"), alarmUnitUnit(row, variant, English)}});
    const QJsonObject object{{QStringLiteral("complete"), result.complete},
                             {QStringLiteral("rows"), rows},
                             {QStringLiteral("checksum_ok"),
                              result.complete ? QJsonValue(shown.checksumOk) : QJsonValue()},
                             {QStringLiteral("image"), alarmImageJson(result.link.alarmImage)}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray text(const ReadResult& result, const AlarmUnitDisplay& shown, int variant) {
    QString out;
    for (int row = 1; row <= AlarmUnit::Rows; ++row) {
        const QString value =
            result.complete ? shown.values.row(row).trimmed() : QStringLiteral("-");
        out += tableLine(QStringLiteral("%1 %2 %3")
                             .arg(alarmUnitLabel(row, variant, English).trimmed(), -36)
                             .arg(value, 6)
                             .arg(alarmUnitUnit(row, variant, English)));
    }
    if (result.complete)
        out += alarmUnitCheckText(
                   shown.checksumOk ? AlarmUnitCheck::CheckOk : AlarmUnitCheck::CheckBad, English) +
               QLatin1Char('\n');
    else
        out += incompleteNote();
    return out.toUtf8();
}

// Each ROW=VALUE typed into the grid over what the unit holds; the rows as they are reported.
std::vector<WrittenRow> enterValues(const CliArguments& args, AlarmUnitValues& values,
                                    int variant) {
    std::vector<WrittenRow> rows;
    for (const auto& [row, typed] : args.alarmEntries) {
        const QString old = values.row(row).trimmed();
        values.setRow(row, normaliseAlarmUnitEntry(row, typed));
        rows.push_back(WrittenRow{row, alarmUnitLabel(row, variant, English).trimmed(), old,
                                  values.row(row).trimmed(), alarmUnitUnit(row, variant, English)});
    }
    return rows;
}

// The bytes read back are those sent, and with the unit's own bytes 0..7 the checksum holds.
int finishWrite(const ControllerLink& link, const std::vector<WrittenRow>& rows,
                const WriteCheck& check, OutputFormat format) {
    writeOutput(printWrites(rows, check, format));
    const int code = checkExit(check);
    if (code == WriteExit::Done && check.result == WriteCheck::Result::Verified &&
        !Vxatodis(link.alarmImage).checksumOk) {
        printError(QStringLiteral("verification failed: the unit's checksum does not hold"));
        return WriteExit::Failed;
    }
    return code;
}

} // namespace

std::vector<int> alarmUnitReadTypes() {
    return {ReadKind::Current, ReadKind::AlarmUnit};
}

QByteArray printAlarmUnit(const ReadResult& result, OutputFormat format) {
    const int variant = unitVariant(result.link.image);
    const AlarmUnitDisplay shown = Vxatodis(result.link.alarmImage);
    return format == OutputFormat::Json ? json(result, shown, variant)
                                        : text(result, shown, variant);
}

int runWriteAlarmUnit(ControllerLink& link, const CliArguments& args) {
    link.setVerifyWrites(args.verify);
    std::vector<WrittenRow> rows;
    const auto enter = [&]() -> std::optional<int> {
        AlarmUnitValues values = Vxatodis(link.alarmImage).values;
        rows = enterValues(args, values, unitVariant(link.image));
        distovxa(values, link.alarmImage);
        const WriteStart start = link.startAlarmUnitWrite();
        if (start == WriteStart::Started)
            return std::nullopt;
        printError(writeStartText(start));
        return WriteExit::Failed;
    };
    return runWriteSession(link, alarmUnitReadTypes(), enter, [&](const WriteCheck& check) {
        return finishWrite(link, rows, check, args.format);
    });
}
