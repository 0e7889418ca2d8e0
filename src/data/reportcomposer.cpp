#include "data/reportcomposer.h"

#include "data/controlleraddresses.h"
#include "data/currentstate.h"
#include "data/currentstatelabels.h"
#include "data/history.h"
#include "data/historytexts.h"
#include "data/reportlines.h"
#include "data/reporttexts.h"
#include "settings/calibration.h"
#include "settings/settingscatalogue.h"
#include "settings/settingsformat.h"
#include "settings/settingsidentity.h"

#include <QRegularExpression>
#include <array>

namespace {

using namespace ReportText;

struct Composition {
    RichComposer& edit;
    const ReportSource& source;
    const CurrentStateTexts& texts;
    int t;
    int language() const { return source.language; }
    QString tr(const TextRow& row) const { return text(row, source.language); }
};

void composeHeading(Composition& c, const ReportHeading& heading) {
    RichComposer& edit = c.edit;
    edit.setColour(RichColours::Red);
    edit.setSize(10);
    edit.append(QString(RuleLength, u'-') + QStringLiteral("\r\n"));
    edit.setColour(RichColours::Blue);
    edit.setSize(titleSize(c.language()));
    edit.append(c.tr(Title));
    edit.setColour(RichColours::Black);
    edit.setSize(10);
    edit.append(QStringLiteral("  ") + heading.dateText + QStringLiteral("  ") + heading.timeText +
                QStringLiteral("    "));
    edit.append(heading.connectionText);
    edit.setSize(languageSize(c.language()));
    edit.append(QStringLiteral("\r\n"));
    edit.append(QStringLiteral("File Name: %1\r\n").arg(heading.fileName));
    edit.line(c.texts.Typelab + u'\t' + c.texts.nomvlab + u'\t' + c.tr(State) +
              QStringLiteral(": ") + c.texts.Statelab);
}

void composeCurrentBlock(Composition& c) {
    c.edit.append(QStringLiteral("\r\n"));
    c.edit.line(batteryLine(c.texts, c.language()));
    c.edit.line(chargeLine(c.texts));
    for (int i = 1; i <= 3; ++i)
        c.edit.line(c.texts.CurrentSummaryLines.value(i));
}

void composeStatusBlock(Composition& c) {
    for (const QString& line : statusLines(c.texts))
        c.edit.line(line);
}

void composeHistoryBlock(Composition& c) {
    RichComposer& edit = c.edit;
    edit.setSize(titleSize(c.language()));
    edit.setColour(RichColours::Blue);
    edit.append(QStringLiteral("\r\n") + c.tr(HistoryText::Title) + QStringLiteral("\r\n"));
    for (int i = 0; i <= c.t; ++i)
        edit.setTabStop(i, 45 + 40 * i);
    edit.setSize(10);
    QString heads = c.tr(HistoryText::Day);
    for (const char* column : HistoryText::Columns)
        heads += u'\t' + QString::fromLatin1(column);
    edit.append(heads + QStringLiteral("\r\n"));
    edit.append(QStringLiteral("\tAh\tAh\tV\tV\tHr\t%\r\n"));
    edit.setColour(RichColours::Black);
    for (int day = 1; day <= HistoryBlock::Days; ++day)
        edit.line(historyDayTexts(c.source.image, day).fields().join(u'\t'));
}

// The settings texts as the settings view draws them, with the charge-current multiplier taken
// from byte 0 by the coarser rule the report has always used.
ControllerIdentity reportSettingsIdentity(const ReportSource& source) {
    ControllerIdentity identity = source.identity;
    deriveSettingsIdentity(source.image, identity);
    const int model = source.image.at(ControllerAddress::ModelAndVersion);
    identity.chargeCurrentMultiplier = model >= 192 ? 4 : (model >= 128 ? 2 : 1);
    return identity;
}

void composeSettingsBlock(Composition& c) {
    RichComposer& edit = c.edit;
    edit.line(QString());
    edit.setSize(titleSize(c.language()));
    edit.setColour(RichColours::Blue);
    edit.append(c.tr(ControlSettings));
    setReportTabStops(edit, {190, 240, 270, 320}, c.t);
    const ControllerIdentity identity = reportSettingsIdentity(c.source);
    for (int page = 1; page <= SettingsPageCount; ++page) {
        if (!c.source.valid.SettingsPageValid.at(static_cast<size_t>(page - 1)))
            continue;
        edit.setColour(RichColours::Blue);
        edit.setSize(12);
        edit.append(QStringLiteral("\r\n") +
                    QString::fromLatin1(SettingsPageTitles.at(static_cast<size_t>(page - 1))));
        edit.setColour(RichColours::Black);
        edit.setSize(languageSize(c.language()));
        for (int s = settingsPage(page).first; s <= settingsPage(page).last; ++s) {
            const SettingRowTexts row = settingRowTexts(s, c.source.image, identity, c.language());
            edit.append(QStringLiteral("\r\n") + row.name);
            edit.append(u'\t' + row.value + u'\t' + row.unit);
        }
    }
}

void composeCalibrationBlock(Composition& c) {
    RichComposer& edit = c.edit;
    edit.setSize(titleSize(c.language()));
    edit.setColour(RichColours::Blue);
    edit.line(QString());
    edit.append(QStringLiteral("\r\n") + c.tr(CalibrationSettings) + u'\t' + c.tr(Gain) + u'\t' +
                c.tr(Offset));
    setReportTabStops(edit, {150, 200, 290, 320}, c.t);
    edit.setSize(10);
    edit.setColour(RichColours::Black);
    for (int channel = 0; channel < CalibrationChannelCount; ++channel) {
        edit.setSize(languageSize(c.language()));
        edit.append(QStringLiteral("\r\n") +
                    c.tr(CalibrationChannelNames.at(static_cast<size_t>(channel))));
        edit.setSize(10);
        const MemoryImage& image = c.source.image;
        edit.append(u'\t' + calibrationText(calibrationGain(image, channel)) + u'\t' +
                    calibrationText(calibrationOffset(image, channel)));
    }
}

} // namespace

QString reportDateText(const QDateTime& moment, const QLocale& locale) {
    return locale.toString(moment.date(), QLocale::ShortFormat);
}

QString reportTimeText(const QDateTime& moment, const QLocale& locale) {
    // The desktop's long time has no time zone; Qt's adds one ("t"), which the report leaves out.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*$")));
    return locale.toString(moment.time(), format);
}

QString connectionText(bool direct, const QString& dialString, int language) {
    if (direct)
        return text(DirectConnection, language);
    return text(Dialed, language) + u' ' + dialString;
}

void ComposeReport(RichComposer& edit, const ReportSource& source, const ReportSections& sections,
                   const ReportHeading& heading) {
    edit.line(QString());
    const int t = edit.lastTabStopIndex();
    setReportTabStops(edit, {100, 150, 210, 295}, t);
    ControllerIdentity identity = source.identity;
    const CurrentStateTexts texts =
        currentStateTexts(decodeCurrentState(source.image, identity), source.language);
    Composition c{edit, source, texts, t};
    composeHeading(c, heading);
    if (sections.current && source.valid.CurrentDataValid)
        composeCurrentBlock(c);
    if (sections.current && source.valid.StatusDataValid)
        composeStatusBlock(c);
    if (sections.history)
        composeHistoryBlock(c);
    if (sections.settings)
        composeSettingsBlock(c);
    if (sections.calibration)
        composeCalibrationBlock(c);
}
