#include "sim/simoptions.h"

#include "sim/controllerprofile.h"
#include "sim/linespeed.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <map>
#include <optional>

namespace sim {
namespace {

constexpr int HighestSite = 240;

struct Options {
    QCommandLineOption model{
        "model", "Controller model: vx20, vx40, vx60, vx80, or vxa (alarm unit).", "model"};
    QCommandLineOption system{"system", "System voltage: 12, 24, 32, 36, 48 or hv.", "volts"};
    QCommandLineOption site{"site", "Answer site frames for this site (0..240) only.", "N"};
    QCommandLineOption baud{"baud", "Line speed; a client at another speed is not heard.", "B"};
    QCommandLineOption link{"link", "Make a symbolic link to the device here.", "path"};
    QCommandLineOption tcp{"tcp", "Listen on 127.0.0.1 at this port instead.", "port"};
    QCommandLineOption settings{"settings", "Settings to start with: factory or alternate.",
                                "profile"};
    QCommandLineOption drop{"drop", "Probability of a lost reply.", "P"};
    QCommandLineOption dropWrites{"drop-writes", "Probability of a write frame lost unheard.", "P"};
    QCommandLineOption noise{"noise", "Probability of a garbled reply byte.", "P"};
    QCommandLineOption lateData{"late-data", "Probability of a late data byte.", "P"};
    QCommandLineOption seed{"seed", "Seed of the history, drift and faults.", "S"};
    QCommandLineOption noDrift{"no-drift", "Keep the live values still."};
    QCommandLineOption silent{"silent", "Never answer."};
    QCommandLineOption modem{"modem", "Put a Hayes modem in front of the controller."};
    QCommandLineOption modemAnswer{
        "modem-answer", "How a dial is answered: connect, busy, no-carrier or no-answer.", "how"};
    QCommandLineOption ringDelay{"ring-delay", "Milliseconds from a dial to its answer.", "ms"};
    QCommandLineOption dropCarrier{"drop-carrier-after",
                                   "The far end hangs up this many seconds after connecting.", "S"};
    QCommandLineOption vxaVariant{"vxa-variant",
                                  "Alarm unit variant: 0 (load and auxiliary) or 1 "
                                  "(urgent alarms).",
                                  "V"};
    QCommandLineOption vxaBadChecksum{"vxa-bad-checksum", "The alarm unit's checksum is wrong."};
    QCommandLineOption vxi{"vxi", "A VXI site interface in front: takes the set-site exchange "
                                  "and then answers at the new site (needs --site)."};
};

std::optional<int> integerIn(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? std::optional(value) : std::nullopt;
}

std::optional<SettingsProfile> settingsProfileNamed(const QString& text) {
    if (text.compare(QLatin1String("factory"), Qt::CaseInsensitive) == 0)
        return SettingsProfile::Factory;
    if (text.compare(QLatin1String("alternate"), Qt::CaseInsensitive) == 0)
        return SettingsProfile::Alternate;
    return std::nullopt;
}

std::optional<double> probability(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value >= 0.0 && value <= 1.0 ? std::optional(value) : std::nullopt;
}

// Each reader leaves the option's default when it is not given, and names the bad value.
class Reader {
public:
    explicit Reader(const QCommandLineParser& parser) : parser_(parser) {}

    template <typename T, typename Parse>
    void read(const QCommandLineOption& option, T& target, Parse parse) {
        if (!parser_.isSet(option) || !error.isEmpty())
            return;
        const QString text = parser_.value(option);
        if (const auto value = parse(text))
            target = *value;
        else
            error = QStringLiteral("bad value for --%1: %2").arg(option.names().first(), text);
    }

    QString error;

private:
    const QCommandLineParser& parser_;
};

void readController(Reader& reader, const Options& options, ControllerConfig& controller) {
    reader.read(options.model, controller.model,
                [](const QString& text) { return modelNamed(text); });
    reader.read(options.system, controller.system,
                [](const QString& text) { return systemNamed(text); });
    reader.read(options.site, controller.site,
                [](const QString& text) { return integerIn(text, 0, HighestSite); });
    reader.read(options.settings, controller.settings, settingsProfileNamed);
    reader.read(options.drop, controller.faults.drop, probability);
    reader.read(options.dropWrites, controller.faults.dropWrites, probability);
    reader.read(options.noise, controller.faults.noise, probability);
    reader.read(options.lateData, controller.faults.lateData, probability);
    reader.read(options.vxaVariant, controller.vxaVariant,
                [](const QString& text) { return integerIn(text, 0, 1); });
    reader.read(options.seed, controller.seed, [](const QString& text) {
        bool ok = false;
        const quint32 value = text.toUInt(&ok);
        return ok ? std::optional(value) : std::nullopt;
    });
}

void readLine(Reader& reader, const Options& options, SimOptions& sim) {
    reader.read(options.baud, sim.baud, [](const QString& text) {
        const auto baud = integerIn(text, 1, 1000000);
        return baud && terminalSpeed(*baud) ? baud : std::nullopt;
    });
    reader.read(options.tcp, sim.tcpPort,
                [](const QString& text) { return integerIn(text, 0, 65535); });
    reader.read(options.link, sim.linkPath, [](const QString& text) {
        return text.isEmpty() ? std::nullopt : std::optional(text);
    });
}

std::optional<ModemAnswer> modemAnswerNamed(const QString& text) {
    static const std::map<QString, ModemAnswer> answers{{"connect", ModemAnswer::Connect},
                                                        {"busy", ModemAnswer::Busy},
                                                        {"no-carrier", ModemAnswer::NoCarrier},
                                                        {"no-answer", ModemAnswer::NoAnswer}};
    const auto found = answers.find(text.toLower());
    return found == answers.end() ? std::nullopt : std::optional(found->second);
}

void readModem(Reader& reader, const Options& options, ModemConfig& modem) {
    reader.read(options.modemAnswer, modem.answer, modemAnswerNamed);
    reader.read(options.ringDelay, modem.ringDelayMs,
                [](const QString& text) { return integerIn(text, 0, 600000); });
    reader.read(options.dropCarrier, modem.dropCarrierAfterMs, [](const QString& text) {
        bool ok = false;
        const double seconds = text.toDouble(&ok);
        return ok && seconds >= 0 && seconds <= 86400
                   ? std::optional(static_cast<int>(seconds * 1000))
                   : std::nullopt;
    });
}

QString conflict(const QCommandLineParser& parser, const Options& options, const SimOptions& sim) {
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
    if (sim.controller.system == SystemVoltage::HighVoltage && parser.isSet(options.model) &&
        sim.controller.model != Model::VX60)
        return QStringLiteral("--system hv is a VX60 variant");
    const bool alarmUnitOption =
        parser.isSet(options.vxaVariant) || parser.isSet(options.vxaBadChecksum);
    if (alarmUnitOption && sim.controller.model != Model::VXA)
        return QStringLiteral("--vxa-variant and --vxa-bad-checksum need --model vxa");
    if (parser.isSet(options.vxi) && sim.controller.site < 0)
        return QStringLiteral("--vxi needs --site N");
    if (sim.tcpPort >= 0 && !sim.linkPath.isEmpty())
        return QStringLiteral("--link needs a pseudo-terminal, not --tcp");
    for (const QCommandLineOption* option :
         {&options.modemAnswer, &options.ringDelay, &options.dropCarrier})
        if (parser.isSet(*option) && !sim.modem)
            return QStringLiteral("--%1 needs --modem").arg(option->names().first());
    return {};
}

} // namespace

std::variant<SimOptions, TextRequested, BadArguments>
parseSimOptions(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A simulated VX charge controller or VXA alarm unit on a pseudo-terminal.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({options.model,       options.system,         options.site,
                       options.settings,    options.baud,           options.link,
                       options.tcp,         options.drop,           options.dropWrites,
                       options.noise,       options.lateData,       options.seed,
                       options.noDrift,     options.silent,         options.modem,
                       options.modemAnswer, options.ringDelay,      options.dropCarrier,
                       options.vxaVariant,  options.vxaBadChecksum, options.vxi});
    if (!parser.parse(arguments))
        return BadArguments{parser.errorText()};
    if (parser.isSet(help))
        return TextRequested{parser.helpText()};
    if (parser.isSet(version))
        return TextRequested{
            QStringLiteral("tarvik-sim %1").arg(QCoreApplication::applicationVersion())};

    SimOptions sim;
    Reader reader(parser);
    readController(reader, options, sim.controller);
    readLine(reader, options, sim);
    readModem(reader, options, sim.modemConfig);
    sim.modem = parser.isSet(options.modem);
    if (!reader.error.isEmpty())
        return BadArguments{reader.error};
    if (const QString error = conflict(parser, options, sim); !error.isEmpty())
        return BadArguments{error};
    sim.baudGiven = parser.isSet(options.baud);
    sim.controller.drift = !parser.isSet(options.noDrift);
    sim.controller.faults.silent = parser.isSet(options.silent);
    sim.controller.vxaBadChecksum = parser.isSet(options.vxaBadChecksum);
    sim.controller.siteInterface = parser.isSet(options.vxi);
    return sim;
}

} // namespace sim
