#include "data/logentrycomposer.h"

#include "data/currentstate.h"
#include "data/currentstatelabels.h"
#include "data/reportlines.h"
#include "data/reporttexts.h"

namespace {

using namespace ReportText;

void addFields(T_objCSV& csv, const QStringList& fields) {
    for (const QString& field : fields)
        csv.AddField(field);
}

void composeEntryHeading(RichComposer& edit, T_objCSV& csv, const LogEntrySource& source,
                         const CurrentStateTexts& texts) {
    const int language = source.language;
    edit.setColour(RichColours::Red);
    edit.setSize(10);
    edit.line(QString(RuleLength, u'-'));
    edit.setColour(RichColours::Blue);
    edit.setSize(titleSize(language));
    csv.Clear();
    edit.append(text(Title, language));
    edit.setColour(RichColours::Black);
    edit.setSize(10);
    edit.append(QStringLiteral("  ") + source.dateText + QStringLiteral("  ") + source.timeText);
    edit.setSize(languageSize(language));
    edit.append(QStringLiteral("  ") + texts.Typelab);
    edit.append(QStringLiteral("  ") + texts.nomvlab);
    const QString state = source.readFailed ? text(ReadFailed, language) : texts.Statelab;
    edit.append(QStringLiteral("  ") + text(State, language) + u':' + state);
    addFields(csv, {source.dateText, source.timeText, texts.Typelab, texts.nomvlab, state});
}

} // namespace

void ComposeLogEntry(RichComposer& edit, T_objCSV& csv, const LogEntrySource& source) {
    edit.line(QStringLiteral(" "));
    const int t = edit.lastTabStopIndex();
    ControllerIdentity identity = source.identity;
    const CurrentStateTexts texts =
        currentStateTexts(decodeCurrentState(source.image, identity), source.language);
    composeEntryHeading(edit, csv, source, texts);

    setReportTabStops(edit, {100, 150, 210, 295}, t);
    edit.append(QStringLiteral("\r\n"));
    edit.setSize(10);

    const QStringList& values = texts.CurrentValueTexts;
    edit.line(batteryLine(texts, source.language));
    addFields(csv, {texts.batvlab, texts.maxminlab, texts.templab});
    edit.line(chargeLine(texts));
    addFields(csv, values.mid(0, 3));
    csv.AddField(texts.soclab);
    for (int i = 1; i <= 3; ++i) {
        edit.line(texts.CurrentSummaryLines.value(i));
        addFields(csv, values.mid(3 * i, 3));
    }
    for (const QString& line : statusLines(texts))
        edit.line(line);
    for (const int row : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 12})
        csv.AddField(texts.statusValues.at(static_cast<size_t>(row - 1)));
    csv.BuildLine();
}
