#include "data/currentstate.h"

#include "data/currentstatetexts.h"
#include "data/tenths.h"

namespace {

// External shunt multiplier: none without the shunt, 10 when it reads whole amps, else 1.
int externalMultiplier(int config, int presentBit, int wholeAmpsBit) {
    if ((config & (1 << presentBit)) == 0)
        return 0;
    return (config & (1 << wholeAmpsBit)) != 0 ? 10 : 1;
}

QString bitText(int byte, int bit, const TextRow& set, const TextRow& clear, int language) {
    return text((byte & (1 << bit)) != 0 ? set : clear, language);
}

struct Triple {
    QString total, internal, external;
};

QString summaryLine(const QString& title, const Triple& t, const QString& unit) {
    const QChar tab(u'\t');
    return title + tab + t.total + unit + tab + t.internal + tab + t.external;
}

void addCurrent(CurrentStateTexts& out, int internal, int external, const QString& title,
                QString& totalLabel, QString& splitLabel) {
    const Triple t{formatCurrent(internal + external),
                   QStringLiteral("Int ") + formatTenths(internal),
                   QStringLiteral("Ext ") + formatCurrent(external)};
    splitLabel = t.internal + QStringLiteral("  ") + t.external;
    totalLabel = title + t.total + QStringLiteral(" A");
    out.CurrentSummaryLines.append(summaryLine(title, t, QStringLiteral("A")));
    out.CurrentValueTexts << t.total << t.internal << t.external;
}

void addAmpHours(CurrentStateTexts& out, int internal, int external, const QString& title,
                 const QString& gap, QString& totalLabel, QString& splitLabel) {
    const Triple t{QString::number(internal + external),
                   QStringLiteral("Int ") + QString::number(internal),
                   QStringLiteral("Ext ") + QString::number(external)};
    totalLabel = title + t.total + QStringLiteral(" Ah");
    splitLabel = t.internal + gap + t.external;
    out.CurrentSummaryLines.append(summaryLine(title, t, QStringLiteral("Ah")));
    out.CurrentValueTexts << t.total << t.internal << t.external;
}

void fillStatusValues(CurrentStateTexts& out, const MemoryImage& image,
                      const ControllerIdentity& identity, int language) {
    using namespace CurrentText;
    auto& v = out.statusValues;
    const QString hours = QLatin1Char(' ') + text(HoursUnit, language);
    const int outputs = image.at(115);
    const int light = image.at(37);
    const int events = image.at(98);
    v[0] = formatTenths(image.at(48)) + hours;
    v[1] = formatTenths(image.at(184)) + hours;
    v[2] = bitText(outputs, 0, LoadDisconnected, LoadConnected, language);
    v[3] = bitText(outputs, 1, GeneratorRunning, GeneratorStopped, language);
    v[4] = bitText(outputs, 4, AlarmActive, AlarmInactive, language);
    v[5] = QString::number(image.at(63));
    v[6] = QString::number(image.at(95));
    v[7] = QString::number(image.at(96));
    v[8] = QString::number(image.at(21) * 100 / 256) + QStringLiteral(" %");
    v[9] = (identity.wholeVoltSystem() ? QString::number(image.at(53))
                                       : formatTenths(image.at(53) * 5)) +
           QStringLiteral(" V");
    v[10] = bitText(light, 7, Night, Day, language);
    v[11] = QString::number(light);
    v[12] = bitText(outputs, 2, On, Off, language);
    // Event conditions: a set bit means the condition is off.
    v[13] = bitText(events, 0, Off, On, language);
    v[14] = bitText(events, 3, Off, On, language);
    v[15] = bitText(events, 2, Off, On, language);
    v[16] = bitText(events, 1, Off, On, language);
}

} // namespace

CurrentReadings currentReadings(const MemoryImage& image, const ControllerIdentity& identity) {
    const int shunts = image.at(207);
    return CurrentReadings{
        image.at(213) * identity.chargeCurrentMultiplier,
        image.at(205) * externalMultiplier(shunts, 2, 0),
        image.at(217) * identity.loadCurrentMultiplier,
        image.at(206) * externalMultiplier(shunts, 3, 1),
        image.word(188),
        image.word(193),
        image.word(198),
        image.word(203),
    };
}

CurrentStateTexts decodeCurrentState(const MemoryImage& image, ControllerIdentity& identity,
                                     int language) {
    using namespace CurrentText;
    identity.decode(image);
    const bool whole = identity.wholeVoltSystem();
    CurrentStateTexts out;
    out.Typelab = identity.ModelText;
    out.nomvlab = identity.nominalVoltageText();
    out.batteryVoltageText = formatVoltage(batteryVoltage(image), whole);
    out.batvlab = out.batteryVoltageText + QLatin1Char('V');

    int minimum = image.at(183) * identity.VoltageScaleNumerator;
    int maximum = image.at(182) * identity.VoltageScaleNumerator;
    if (identity.VoltageScaleNumerator == 8) {
        minimum /= 3;
        maximum /= 3;
    }
    out.minimumVoltageText = formatVoltage(minimum, whole);
    out.maximumVoltageText = formatVoltage(maximum, whole);
    out.maxminlab = out.minimumVoltageText + QStringLiteral("<V<") + out.maximumVoltageText;

    const CurrentReadings r = currentReadings(image, identity);
    addCurrent(out, r.chargeInternal, r.chargeExternal, text(ChargeCurrentTitle, language),
               out.Chargelab, out.Chargelab2);
    addCurrent(out, r.loadInternal, r.loadExternal, text(LoadCurrentTitle, language), out.Loadlab,
               out.Loadlab2);
    addAmpHours(out, r.chargeAhInternal, r.chargeAhExternal, text(ChargeAhTitle, language),
                QStringLiteral("  "), out.Camphrlab, out.camphrlab2);
    addAmpHours(out, r.loadAhInternal, r.loadAhExternal, text(LoadAhTitle, language),
                QStringLiteral("   "), out.Lamphrlab, out.lamphrlab2);

    out.Statelab = text(States[static_cast<size_t>(image.at(101) & 3)], language);
    out.soclab = QStringLiteral("SOC  ") + QString::number(image.at(181)) + QLatin1Char('%');
    out.templab = QString::number(image.at(52)) + QStringLiteral(" oC");
    fillStatusValues(out, image, identity, language);
    return out;
}
