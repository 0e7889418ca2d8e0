#include "historyoutput.h"

#include "data/history.h"
#include "data/historytexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QStringList columnHeads(const char* day, const std::array<const char*, 6>& columns) {
    QStringList heads{QString::fromUtf8(day)};
    for (const char* column : columns)
        heads << QString::fromUtf8(column);
    return heads;
}

QJsonObject dayObject(const MemoryImage& image, int day) {
    const DayRecord record = historyDay(image, day);
    const HistoryDayTexts texts = historyDayTexts(image, day);
    return {{QStringLiteral("day"), day},
            {QStringLiteral("in"), record.chargeAh},
            {QStringLiteral("out"), record.loadAh},
            {QStringLiteral("vmax"), texts.vmax},
            {QStringLiteral("vmin"), texts.vmin},
            {QStringLiteral("ftim"), texts.ftim},
            {QStringLiteral("soc"), record.stateOfCharge}};
}

QByteArray json(const ReadResult& result) {
    QJsonArray days;
    for (int day = 1; day <= HistoryBlock::Days; ++day)
        days.append(dayObject(result.link.image, day));
    const QJsonObject object{{QStringLiteral("complete"), result.complete},
                             {QStringLiteral("days"), days},
                             {QStringLiteral("image"), imageJson(result)}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

// One line per day, the fields joined by the separator, after the given head lines.
QString dayLines(const MemoryImage& image, QChar separator, const QStringList& heads) {
    QString out;
    for (const QString& head : heads)
        out += head + u'\n';
    for (int day = 1; day <= HistoryBlock::Days; ++day)
        out += historyDayTexts(image, day).fields().join(separator) + u'\n';
    return out;
}

QByteArray csv(const ReadResult& result) {
    const QString head =
        columnHeads("day", {"in", "out", "vmax", "vmin", "ftim", "soc"}).join(u',');
    return dayLines(result.link.image, u',', {head}).toUtf8();
}

// The report's history table: heads, units, then a tab-separated row per day.
QByteArray text(const ReadResult& result) {
    const QString heads = columnHeads(HistoryText::Day[0], HistoryText::Columns).join(u'\t');
    const QString units = columnHeads("", HistoryText::Units).join(u'\t');
    QString out = dayLines(result.link.image, u'\t', {heads, units});
    if (!result.complete)
        out += incompleteNote();
    return out.toUtf8();
}

} // namespace

QByteArray printHistory(const ReadResult& result, OutputFormat format) {
    switch (format) {
    case OutputFormat::Json:
        return json(result);
    case OutputFormat::Csv:
        return csv(result);
    case OutputFormat::Text:
        break;
    }
    return text(result);
}
