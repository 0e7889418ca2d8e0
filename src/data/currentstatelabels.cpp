#include "data/currentstatelabels.h"

#include "data/currentstatetexts.h"
#include "data/tenths.h"

namespace {

QString onOffText(bool set, const TextRow& setText, const TextRow& clearText, int language) {
    return text(set ? setText : clearText, language);
}

QString summaryLine(const QString& title, const SplitTexts& t, const QString& unit) {
    const QChar tab(u'\t');
    return title + tab + t.total + unit + tab + t.internal + tab + t.external;
}

// The split label and the report's texts of one reading; returns the split label.
QString addSplit(CurrentStateTexts& out, const SplitTexts& numbers, const QString& title,
                 const QString& unit, const QString& gap) {
    const SplitTexts t{numbers.total, QStringLiteral("Int ") + numbers.internal,
                       QStringLiteral("Ext ") + numbers.external};
    out.CurrentSummaryLines.append(summaryLine(title, t, unit));
    out.CurrentValueTexts << t.total << t.internal << t.external;
    return t.internal + gap + t.external;
}

void addCurrent(CurrentStateTexts& out, const SplitAmps& amps, const QString& title,
                QString& totalLabel, QString& splitLabel) {
    const SplitTexts numbers = splitTexts(amps);
    splitLabel = addSplit(out, numbers, title, QStringLiteral("A"), QStringLiteral("  "));
    totalLabel = title + numbers.total + QStringLiteral(" A");
}

void addAmpHours(CurrentStateTexts& out, const SplitAmpHours& ampHours, const QString& title,
                 const QString& gap, QString& totalLabel, QString& splitLabel) {
    const SplitTexts numbers = splitTexts(ampHours);
    splitLabel = addSplit(out, numbers, title, QStringLiteral("Ah"), gap);
    totalLabel = title + numbers.total + QStringLiteral(" Ah");
}

void fillStatusValues(CurrentStateTexts& out, const CurrentState& s, int language) {
    using namespace CurrentText;
    auto& v = out.statusValues;
    const QString hours = QLatin1Char(' ') + text(HoursUnit, language);
    v[0] = formatTenths(s.clock.tenths) + hours;
    v[1] = formatTenths(s.floatStart.tenths) + hours;
    v[2] = onOffText(s.loadDisconnected, LoadDisconnected, LoadConnected, language);
    v[3] = onOffText(s.generatorRunning, GeneratorRunning, GeneratorStopped, language);
    v[4] = onOffText(s.lowVoltageAlarm, AlarmActive, AlarmInactive, language);
    v[5] = QString::number(s.daysSinceBoost);
    v[6] = QString::number(s.daysSinceEqualise);
    v[7] = QString::number(s.daysSinceGeneratorRun);
    v[8] = QString::number(s.pwmPercent) + QStringLiteral(" %");
    v[9] = voltageText(s.solar) + QStringLiteral(" V");
    v[10] = onOffText(s.night, Night, Day, language);
    v[11] = QString::number(s.dayNightCounter);
    v[12] = onOffText(s.eventControllerOn, On, Off, language);
    v[13] = onOffText(s.events.start, On, Off, language);
    v[14] = onOffText(s.events.stop, On, Off, language);
    v[15] = onOffText(s.events.emod, On, Off, language);
    v[16] = onOffText(s.events.tmod, On, Off, language);
}

} // namespace

SplitTexts splitTexts(const SplitAmps& amps) {
    return {formatCurrent(amps.total().tenths), formatTenths(amps.internal.tenths),
            formatCurrent(amps.external.tenths)};
}

SplitTexts splitTexts(const SplitAmpHours& ampHours) {
    return {QString::number(ampHours.total()), QString::number(ampHours.internal),
            QString::number(ampHours.external)};
}

QString voltageText(const Volts& volts) {
    return formatVoltage(volts.count, volts.whole);
}

CurrentStateTexts currentStateTexts(const CurrentState& state, int language) {
    using namespace CurrentText;
    CurrentStateTexts out;
    out.Typelab = state.model;
    out.nomvlab = nominalVoltageText(state.systemVoltageIndex);
    out.batvlab = voltageText(state.battery) + QLatin1Char('V');
    out.maxminlab =
        voltageText(state.todaysMinimum) + QStringLiteral("<V<") + voltageText(state.todaysMaximum);
    addCurrent(out, state.chargeCurrent, text(ChargeCurrentTitle, language), out.Chargelab,
               out.Chargelab2);
    addCurrent(out, state.loadCurrent, text(LoadCurrentTitle, language), out.Loadlab, out.Loadlab2);
    addAmpHours(out, state.chargeAmpHours, text(ChargeAhTitle, language), QStringLiteral("  "),
                out.Camphrlab, out.camphrlab2);
    addAmpHours(out, state.loadAmpHours, text(LoadAhTitle, language), QStringLiteral("   "),
                out.Lamphrlab, out.lamphrlab2);
    out.Statelab = text(States[static_cast<size_t>(state.regulation)], language);
    out.soclab =
        QStringLiteral("SOC  ") + QString::number(state.stateOfChargePercent) + QLatin1Char('%');
    out.templab = QString::number(state.temperatureCelsius) + QStringLiteral(" oC");
    fillStatusValues(out, state, language);
    return out;
}
