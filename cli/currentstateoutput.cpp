#include "currentstateoutput.h"

#include "data/currentstatelabels.h"
#include "data/currentstatetexts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <array>

namespace {

constexpr int English = 0;

// The keys of the status table's rows 1..17, in the table's order.
constexpr std::array<const char*, 17> StatusKeys{"clock",
                                                 "float_time",
                                                 "load_output",
                                                 "generator_output",
                                                 "low_voltage_alarm",
                                                 "days_since_boost",
                                                 "days_since_equalise",
                                                 "days_since_generator",
                                                 "pwm",
                                                 "solar_voltage",
                                                 "light_level",
                                                 "day_night_counter",
                                                 "event_controller",
                                                 "event_start",
                                                 "event_stop",
                                                 "event_emod",
                                                 "event_tmod"};

QJsonObject triple(const QJsonValue& total, const QJsonValue& internal,
                   const QJsonValue& external) {
    return {{QStringLiteral("total"), total},
            {QStringLiteral("internal"), internal},
            {QStringLiteral("external"), external}};
}

QJsonObject textTriple(const SplitTexts& t) {
    return triple(t.total, t.internal, t.external);
}

QJsonObject ampsTriple(const SplitAmps& a) {
    return triple(a.total().amps(), a.internal.amps(), a.external.amps());
}

QJsonObject ampHoursTriple(const SplitAmpHours& ah) {
    return triple(ah.total(), ah.internal, ah.external);
}

QJsonObject statusTexts(const CurrentStateTexts& texts) {
    QJsonObject object;
    for (size_t row = 0; row < StatusKeys.size(); ++row)
        object.insert(QLatin1String(StatusKeys[row]), texts.statusValues[row]);
    return object;
}

// The readings as numbers in volts, amps, amp-hours, percent, degrees Celsius and hours.
QJsonObject numbers(const CurrentState& s, bool withStatus) {
    QJsonObject object{
        {QStringLiteral("battery_voltage_v"), s.battery.volts()},
        {QStringLiteral("day_min_v"), s.todaysMinimum.volts()},
        {QStringLiteral("day_max_v"), s.todaysMaximum.volts()},
        {QStringLiteral("charge_current_a"), ampsTriple(s.chargeCurrent)},
        {QStringLiteral("load_current_a"), ampsTriple(s.loadCurrent)},
        {QStringLiteral("charge_ah"), ampHoursTriple(s.chargeAmpHours)},
        {QStringLiteral("load_ah"), ampHoursTriple(s.loadAmpHours)},
        {QStringLiteral("soc_percent"), s.stateOfChargePercent},
        {QStringLiteral("temperature_c"), s.temperatureCelsius},
    };
    if (withStatus) {
        object.insert(QStringLiteral("clock_h"), s.clock.hours());
        object.insert(QStringLiteral("float_time_h"), s.floatStart.hours());
        object.insert(QStringLiteral("pwm_percent"), s.pwmPercent);
        object.insert(QStringLiteral("solar_voltage_v"), s.solar.volts());
        object.insert(QStringLiteral("days_since_boost"), s.daysSinceBoost);
        object.insert(QStringLiteral("days_since_equalise"), s.daysSinceEqualise);
        object.insert(QStringLiteral("days_since_generator"), s.daysSinceGeneratorRun);
        object.insert(QStringLiteral("day_night_counter"), s.dayNightCounter);
    }
    return object;
}

// Every reading of the current state (and of the status table), texts as the window shows
// them and numbers under "values".
QJsonObject readings(const CurrentState& s, bool withStatus) {
    const CurrentStateTexts texts = currentStateTexts(s, English);
    QJsonObject object{
        {QStringLiteral("model"), s.model},
        {QStringLiteral("nominal_voltage"), QString::number(nominalVolts(s.systemVoltageIndex))},
        {QStringLiteral("state"), texts.Statelab},
        {QStringLiteral("battery_voltage"), voltageText(s.battery)},
        {QStringLiteral("day_min"), voltageText(s.todaysMinimum)},
        {QStringLiteral("day_max"), voltageText(s.todaysMaximum)},
        {QStringLiteral("soc"), s.stateOfChargePercent},
        {QStringLiteral("temperature"), s.temperatureCelsius},
        {QStringLiteral("charge_current"), textTriple(splitTexts(s.chargeCurrent))},
        {QStringLiteral("load_current"), textTriple(splitTexts(s.loadCurrent))},
        {QStringLiteral("charge_ah"), ampHoursTriple(s.chargeAmpHours)},
        {QStringLiteral("load_ah"), ampHoursTriple(s.loadAmpHours)},
        {QStringLiteral("values"), numbers(s, withStatus)},
    };
    if (withStatus)
        object.insert(QStringLiteral("status"), statusTexts(texts));
    return object;
}

// An unfinished read has no readings: the same keys, each null.
QJsonObject withoutReadings(const QJsonObject& keys) {
    QJsonObject object;
    for (auto it = keys.begin(); it != keys.end(); ++it)
        object.insert(it.key(), QJsonValue::Null);
    return object;
}

QByteArray json(const ReadResult& result, const CurrentState& state, bool withStatus) {
    const QJsonObject all = readings(state, withStatus);
    QJsonObject object = result.complete ? all : withoutReadings(all);
    object.insert(QStringLiteral("complete"), result.complete);
    object.insert(QStringLiteral("image"), imageJson(result));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray text(const CurrentStateTexts& texts, bool withStatus) {
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
        out += QStringLiteral("\n%1\n").arg(::text(CurrentText::GridHeading, English));
        for (size_t row = 0; row < texts.statusValues.size(); ++row)
            out += QStringLiteral("%1  %2\n")
                       .arg(::text(CurrentText::RowTitles[row], English), -36)
                       .arg(texts.statusValues[row]);
    }
    return out.toUtf8();
}

} // namespace

QByteArray printCurrentState(const ReadResult& result, OutputFormat format, bool withStatus) {
    ControllerIdentity identity;
    const CurrentState state = decodeCurrentState(result.link.image, identity);
    if (format == OutputFormat::Json)
        return json(result, state, withStatus);
    // Bytes that never arrived would read as a plausible controller: show none of them.
    if (!result.complete)
        return QByteArrayLiteral("No readings: the read did not finish.\n");
    return text(currentStateTexts(state, English), withStatus);
}
