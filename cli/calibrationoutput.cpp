#include "calibrationoutput.h"

#include "settings/calibration.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int English = 0;

QString channelName(int channel) {
    return ::text(CalibrationChannelNames.at(static_cast<std::size_t>(channel)), English);
}

QByteArray json(const ReadResult& result) {
    QJsonArray channels;
    for (int channel = 0; channel < CalibrationChannelCount; ++channel)
        channels.append(
            QJsonObject{{QStringLiteral("row"), channel},
                        {QStringLiteral("name"), channelName(channel)},
                        {QStringLiteral("gain"), calibrationGain(result.link.image, channel)},
                        {QStringLiteral("offset"), calibrationOffset(result.link.image, channel)}});
    const QJsonObject object{{QStringLiteral("complete"), result.complete},
                             {QStringLiteral("channels"), channels},
                             {QStringLiteral("image"), imageJson(result)}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray text(const ReadResult& result) {
    QString out = QStringLiteral("%1 %2 %3\n")
                      .arg(QString(), -24)
                      .arg(QStringLiteral("G"), 4)
                      .arg(QStringLiteral("O"), 4);
    for (int channel = 0; channel < CalibrationChannelCount; ++channel)
        out += QStringLiteral("%1 %2 %3\n")
                   .arg(channelName(channel), -24)
                   .arg(calibrationText(calibrationGain(result.link.image, channel)), 4)
                   .arg(calibrationText(calibrationOffset(result.link.image, channel)), 4);
    if (!result.complete)
        out += QStringLiteral("\n(incomplete: the read did not finish)\n");
    return out.toUtf8();
}

} // namespace

QByteArray printCalibration(const ReadResult& result, OutputFormat format) {
    return format == OutputFormat::Json ? json(result) : text(result);
}
