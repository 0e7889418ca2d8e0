#include "data/reportlines.h"

#include "data/reporttexts.h"

namespace {

QString statusRow(const CurrentStateTexts& texts, int row) {
    return texts.statusValues.at(static_cast<size_t>(row - 1));
}

} // namespace

QString batteryLine(const CurrentStateTexts& texts, int language) {
    return text(ReportText::BatteryVoltage, language) + u'\t' + texts.batvlab + u'\t' +
           text(ReportText::DayRange, language) + u' ' + texts.maxminlab + u'\t' +
           text(ReportText::Temperature, language) + u' ' + texts.templab;
}

QString chargeLine(const CurrentStateTexts& texts) {
    return texts.CurrentSummaryLines.value(0) + u'\t' + texts.soclab;
}

QStringList statusLines(const CurrentStateTexts& texts) {
    const auto row = [&texts](int n) { return statusRow(texts, n); };
    return {QStringLiteral("TIME ") + row(1) + QStringLiteral("  FTIM ") + row(2) +
                QStringLiteral("  LOAD ") + row(3) + QStringLiteral("  GEN ") + row(4),
            QStringLiteral("ALRM ") + row(5) + QStringLiteral("  BDAY ") + row(6) +
                QStringLiteral("  EDAY ") + row(7) + QStringLiteral("  GDAY ") + row(8) +
                QStringLiteral("  PWM ") + row(9) + QStringLiteral("  SOLV ") + row(10),
            QStringLiteral("EVNT ") + row(13) + QStringLiteral("  STRT ") + row(14) +
                QStringLiteral("  STOP ") + row(15) + QStringLiteral("  EMOD ") + row(16) +
                QStringLiteral("  TMOD ") + row(17) + QStringLiteral("    DNC ") + row(12) +
                QStringLiteral("  ") + row(11)};
}

void setReportTabStops(RichComposer& edit, const std::array<int, 4>& points, int t) {
    for (int i = 0; i < 4; ++i)
        edit.setTabStop(i, points.at(static_cast<size_t>(i)));
    for (int i = 4; i <= t; ++i)
        edit.setTabStop(i, 340 + i);
}
