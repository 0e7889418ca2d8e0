#include "currentstateoutput.h"

#include "data/currentstate.h"
#include "data/currentstatetexts.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString withoutPrefix(const QString& text) {
    return text.mid(4);
} // "Int " / "Ext "

QString withoutUnit(QString text) {
    if (text.endsWith(QLatin1Char('V')))
        text.chop(1);
    return text;
}

QJsonObject textTriple(const QStringList& values, int first) {
    return {{QStringLiteral("total"), values.at(first)},
            {QStringLiteral("internal"), withoutPrefix(values.at(first + 1))},
            {QStringLiteral("external"), withoutPrefix(values.at(first + 2))}};
}

QJsonObject numberTriple(int internal, int external) {
    return {{QStringLiteral("total"), internal + external},
            {QStringLiteral("internal"), internal},
            {QStringLiteral("external"), external}};
}

QJsonObject statusObject(const CurrentStateTexts& t) {
    const auto& v = t.statusValues;
    return {{QStringLiteral("pwm"), v[8]},
            {QStringLiteral("solar_voltage"), v[9]},
            {QStringLiteral("day_night_counter"), v[11]},
            {QStringLiteral("days_since_boost"), v[5]},
            {QStringLiteral("days_since_equalise"), v[6]},
            {QStringLiteral("days_since_generator"), v[7]},
            {QStringLiteral("float_time"), v[1]},
            {QStringLiteral("clock"), v[0]}};
}

QByteArray json(const ReadResult& result, const CurrentStateTexts& texts, bool withStatus) {
    const MemoryImage& image = result.link.image;
    const QStringList& values = texts.CurrentValueTexts;
    QJsonObject object{
        {QStringLiteral("model"), texts.Typelab},
        {QStringLiteral("nominal_voltage"), withoutUnit(texts.nomvlab)},
        {QStringLiteral("state"), texts.Statelab},
        {QStringLiteral("battery_voltage"), texts.batteryVoltageText},
        {QStringLiteral("day_min"), texts.minimumVoltageText},
        {QStringLiteral("day_max"), texts.maximumVoltageText},
        {QStringLiteral("soc"), image.at(181)},
        {QStringLiteral("temperature"), image.at(52)},
        {QStringLiteral("charge_current"), textTriple(values, 0)},
        {QStringLiteral("load_current"), textTriple(values, 3)},
        {QStringLiteral("charge_ah"), numberTriple(image.word(188), image.word(193))},
        {QStringLiteral("load_ah"), numberTriple(image.word(198), image.word(203))},
        {QStringLiteral("complete"), result.complete},
        {QStringLiteral("image"), imageJson(result)},
    };
    if (withStatus)
        object.insert(QStringLiteral("status"), statusObject(texts));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray text(const CurrentStateTexts& texts, bool complete, bool withStatus) {
    QString out;
    auto line = [&out](const char* label, const QString& value) {
        out += QStringLiteral("%1  %2\n").arg(QString::fromUtf8(label), -26).arg(value);
    };
    line("VX Type & version", texts.Typelab);
    line("Nominal System Voltage", texts.nomvlab);
    line("Regulation State", texts.Statelab);
    line("Battery State of Charge", texts.soclab);
    line("Actual Battery Voltage", texts.batvlab);
    line("Today's voltage max and min", texts.maxminlab);
    line("Battery Temperature", texts.templab);
    line("Charge Current", texts.Chargelab + QStringLiteral("  (") + texts.Chargelab2 + u')');
    line("Load Current", texts.Loadlab + QStringLiteral("  (") + texts.Loadlab2 + u')');
    line("Today's Charge Amp Hours",
         texts.Camphrlab + QStringLiteral("  (") + texts.camphrlab2 + u')');
    line("Today's Load Amp hours",
         texts.Lamphrlab + QStringLiteral("  (") + texts.lamphrlab2 + u')');
    if (withStatus) {
        out += QStringLiteral("\n%1\n").arg(::text(CurrentText::GridHeading, 0));
        for (size_t row = 0; row < texts.statusValues.size(); ++row)
            out += QStringLiteral("%1  %2\n")
                       .arg(::text(CurrentText::RowTitles[row], 0), -36)
                       .arg(texts.statusValues[row]);
    }
    if (!complete)
        out += QStringLiteral("\n(incomplete: the read did not finish)\n");
    return out.toUtf8();
}

} // namespace

QByteArray printCurrentState(const ReadResult& result, OutputFormat format, bool withStatus) {
    ControllerIdentity identity;
    const CurrentStateTexts texts = decodeCurrentState(result.link.image, identity, 0);
    return format == OutputFormat::Json ? json(result, texts, withStatus)
                                        : text(texts, result.complete, withStatus);
}
