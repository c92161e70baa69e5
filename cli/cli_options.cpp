#include "cli/cli_options.h"

#include <map>

#include <QCommandLineParser>

#include "engine/dqo_record.h"
#include "engine/number_text.h"

namespace {

template <typename Code> struct Choice {
    const char* name;
    Code code;
};

constexpr Choice<ParameterCode> kParameters[] = {{"mean", kOneMean},
                                                 {"proportion", kOneProportion},
                                                 {"two-mean", kTwoMean},
                                                 {"two-proportion", kTwoProportion}};
constexpr Choice<BaselineCode> kBaselines[] = {{"le", kBaselineAtMost}, {"ge", kBaselineAtLeast}};
constexpr Choice<DesignCode> kDesigns[] = {
    {"simple", kSimpleRandom}, {"composite", kComposite}, {"stratified", kStratified}};

template <typename Code, size_t N>
bool ParseChoice(const QString& text, const Choice<Code> (&choices)[N], Code& code)
{
    for (const Choice<Code>& choice : choices) {
        if (text == QLatin1String(choice.name)) {
            code = choice.code;
            return true;
        }
    }
    return false;
}

QCommandLineOption ValueOption(const char* name, const char* description, const char* valueName)
{
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                              QString::fromLatin1(valueName));
}

std::optional<std::string> OptionalValue(const QCommandLineParser& parser, const char* name)
{
    if (!parser.isSet(QString::fromLatin1(name)))
        return std::nullopt;
    return parser.value(QString::fromLatin1(name)).toStdString();
}

bool SplitLimitPoints(const QStringList& texts, const char* name,
                      std::vector<CliLimitPoint>& points, std::string& error)
{
    if (texts.size() > 2) {
        error = std::string("--") + name + " may be given at most twice";
        return false;
    }
    for (const QString& text : texts) {
        const int colon = text.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            error = std::string("--") + name + " expects POINT:LIMIT, got " + text.toStdString();
            return false;
        }
        points.push_back({text.left(colon).toStdString(), text.mid(colon + 1).toStdString()});
    }
    return true;
}

std::vector<CliStratum> SplitStrata(const QStringList& texts)
{
    std::vector<CliStratum> strata;
    for (const QString& text : texts) {
        // An empty weight is the weight the screen offers.
        const int colon = text.indexOf(QLatin1Char(':'));
        const QString weight = colon < 0 ? QString() : text.mid(colon + 1);
        strata.push_back(
            {text.left(colon).toStdString(),
             weight.isEmpty() ? std::nullopt : std::optional<std::string>(weight.toStdString())});
    }
    return strata;
}

bool ParseSize(const QString& text, std::optional<QSize>& size)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return false;
    bool widthOk = false;
    bool heightOk = false;
    const int width = parts[0].toInt(&widthOk);
    const int height = parts[1].toInt(&heightOk);
    // Smaller, the labels overlap; beyond this it is no longer a picture.
    constexpr int kMaximum = 10000;
    if (!widthOk || !heightOk || width < kSmallestGraphWidth || height < kSmallestGraphHeight ||
        width > kMaximum || height > kMaximum)
        return false;
    size = QSize(width, height);
    return true;
}

void AddOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Sample size, cost and decision error rates of a DQO analysis, from the command line."));
    parser.addHelpOption();
    parser.addOptions({
        ValueOption("parameter", "mean, proportion, two-mean or two-proportion.", "name"),
        ValueOption("minimum", "Estimate of the minimum value (means).", "x"),
        ValueOption("maximum", "Estimate of the maximum value (means).", "x"),
        ValueOption("action-level", "Action level (AL).", "x"),
        ValueOption("baseline", "le (Ho: parameter <= AL) or ge (Ho: parameter >= AL).", "le|ge"),
        ValueOption("bound", "The other bound of the gray region.", "x"),
        ValueOption("sd", "Standard deviation (means).", "x"),
        ValueOption("cv", "Coefficient of variation in percent of AL (means).", "percent"),
        ValueOption("lab-cost", "Laboratory cost per sample.", "cost"),
        ValueOption("field-cost", "Field cost per sample (or in total).", "cost"),
        QCommandLineOption(QStringLiteral("field-cost-total"),
                           QStringLiteral("The field cost is a total for all samples.")),
        ValueOption("limit-lower", "Decision error limit at the lower bound.", "p"),
        ValueOption("limit-upper", "Decision error limit at the upper bound.", "p"),
        ValueOption("below", "Additional limit below the gray region (up to twice).",
                    "point:limit"),
        ValueOption("above", "Additional limit above the gray region (up to twice).",
                    "point:limit"),
        ValueOption("design", "simple, composite or stratified.", "name"),
        ValueOption("sd-ratio", "Composite: measurement SD / total SD.", "r"),
        ValueOption("aliquots", "Composite: aliquots per composite sample.", "k"),
        ValueOption("compositing-cost", "Composite: cost of compositing one sample.", "cost"),
        ValueOption("stratum", "Stratified: SD or proportion and weight (2 to 5 times).",
                    "value:weight"),
        ValueOption("samples", "Evaluate this number of samples (per population).", "n"),
        ValueOption("total-cost", "Evaluate the number of samples this total cost buys.", "cost"),
        QCommandLineOption(QStringLiteral("json"), QStringLiteral("Print every result as JSON.")),
        ValueOption("report", "Append the report block to this file.", "file"),
        ValueOption("curve", "Write the performance curve as CSV.", "file"),
        ValueOption("graph", "Draw the graph into a .bmp, .png or .pdf file.", "file"),
        ValueOption("size", "Size of the graph in pixels (default 640x480).", "WxH"),
        ValueOption("batch", "Compute every plan of this CSV file, one a row, into CSV.", "file"),
        ValueOption("output", "Write the batch's results into this file.", "file"),
        QCommandLineOption(QStringLiteral("version"), QStringLiteral("Print the version.")),
    });
}

bool ReadChoices(const QCommandLineParser& parser, CliOptions& options, std::string& error)
{
    if (parser.isSet(QStringLiteral("parameter")) &&
        !ParseChoice(parser.value(QStringLiteral("parameter")), kParameters, options.parameter)) {
        error = "--parameter must be mean, proportion, two-mean or two-proportion";
        return false;
    }
    if (parser.isSet(QStringLiteral("baseline"))) {
        BaselineCode baseline = kBaselineAtMost;
        if (!ParseChoice(parser.value(QStringLiteral("baseline")), kBaselines, baseline)) {
            error = "--baseline must be le or ge";
            return false;
        }
        options.baseline = baseline;
    }
    if (parser.isSet(QStringLiteral("design")) &&
        !ParseChoice(parser.value(QStringLiteral("design")), kDesigns, options.design)) {
        error = "--design must be simple, composite or stratified";
        return false;
    }
    if (parser.isSet(QStringLiteral("size")) &&
        !ParseSize(parser.value(QStringLiteral("size")), options.graphSize)) {
        error = FormatText("--size expects WIDTHxHEIGHT from %dx%d, below which the graph's labels "
                           "overlap, to 10000x10000",
                           kSmallestGraphWidth, kSmallestGraphHeight);
        return false;
    }
    return true;
}

// The options whose values are number texts, read later as a screen reads them.
struct TextOption {
    const char* name;
    std::optional<std::string> CliOptions::*member;
};

constexpr TextOption kTextOptions[] = {
    {"minimum", &CliOptions::minimum},
    {"maximum", &CliOptions::maximum},
    {"action-level", &CliOptions::actionLevel},
    {"bound", &CliOptions::bound},
    {"sd", &CliOptions::sd},
    {"cv", &CliOptions::cv},
    {"lab-cost", &CliOptions::labCost},
    {"field-cost", &CliOptions::fieldCost},
    {"limit-lower", &CliOptions::limitLower},
    {"limit-upper", &CliOptions::limitUpper},
    {"sd-ratio", &CliOptions::sdRatio},
    {"aliquots", &CliOptions::aliquots},
    {"compositing-cost", &CliOptions::compositingCost},
    {"samples", &CliOptions::samples},
    {"total-cost", &CliOptions::totalCost},
};

// QCommandLineParser takes text, but a file name is bytes that need not be
// text. An argument that does not come back from text unchanged is passed
// as a stand-in, and the bytes are put back where a file name is read.
class CArgumentBytes {
public:
    explicit CArgumentBytes(const std::vector<std::string>& arguments)
    {
        for (const std::string& argument : arguments)
            m_texts << AsText(argument);
    }

    const QStringList& Texts() const { return m_texts; }

    std::string Bytes(const QString& text) const
    {
        const auto standIn = m_bytes.find(text);
        return standIn != m_bytes.end() ? standIn->second : text.toStdString();
    }

private:
    QString AsText(const std::string& argument)
    {
        const QString text = QString::fromStdString(argument);
        if (text.toStdString() == argument)
            return text;
        // The option name of "--graph=FILE" stays readable.
        const size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
        const std::string head = equals == std::string::npos ? "" : argument.substr(0, equals + 1);
        const QString standIn =
            QStringLiteral("\uE000argument-%1").arg(static_cast<qulonglong>(m_bytes.size()));
        m_bytes[standIn] = argument.substr(head.size());
        return QString::fromStdString(head) + standIn;
    }

    QStringList m_texts;
    std::map<QString, std::string> m_bytes;
};

struct PlanOption {
    const char* name;
    PlanColumn kind;
};

constexpr PlanOption kPlanOptions[] = {
    {"parameter", PlanColumn::kValue},
    {"minimum", PlanColumn::kValue},
    {"maximum", PlanColumn::kValue},
    {"action-level", PlanColumn::kValue},
    {"baseline", PlanColumn::kValue},
    {"bound", PlanColumn::kValue},
    {"sd", PlanColumn::kValue},
    {"cv", PlanColumn::kValue},
    {"lab-cost", PlanColumn::kValue},
    {"field-cost", PlanColumn::kValue},
    {"field-cost-total", PlanColumn::kFlag},
    {"limit-lower", PlanColumn::kValue},
    {"limit-upper", PlanColumn::kValue},
    {"below", PlanColumn::kRepeated},
    {"above", PlanColumn::kRepeated},
    {"design", PlanColumn::kValue},
    {"sd-ratio", PlanColumn::kValue},
    {"aliquots", PlanColumn::kValue},
    {"compositing-cost", PlanColumn::kValue},
    {"stratum", PlanColumn::kRepeated},
    {"samples", PlanColumn::kValue},
    {"total-cost", PlanColumn::kValue},
};

} // namespace

PlanColumn PlanColumnKind(const std::string& name)
{
    for (const PlanOption& option : kPlanOptions) {
        if (name == option.name)
            return option.kind;
    }
    return PlanColumn::kNone;
}

const char* ParameterOptionName(ParameterCode parameter)
{
    for (const Choice<ParameterCode>& choice : kParameters) {
        if (choice.code == parameter)
            return choice.name;
    }
    return "";
}

bool ParseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error, bool& helpRequested)
{
    const CArgumentBytes bytes(arguments);
    QCommandLineParser parser;
    AddOptions(parser);
    helpRequested = false;
    if (!parser.parse(bytes.Texts())) {
        error = parser.errorText().toStdString();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        helpRequested = true;
        error = parser.helpText().toStdString();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = "unexpected argument: " + parser.positionalArguments().constFirst().toStdString();
        return false;
    }
    if (!ReadChoices(parser, options, error))
        return false;

    for (const TextOption& text : kTextOptions)
        options.*text.member = OptionalValue(parser, text.name);
    options.fieldCostTotal = parser.isSet(QStringLiteral("field-cost-total"));
    options.json = parser.isSet(QStringLiteral("json"));
    options.reportFile = bytes.Bytes(parser.value(QStringLiteral("report")));
    options.curveFile = bytes.Bytes(parser.value(QStringLiteral("curve")));
    options.graphFile = bytes.Bytes(parser.value(QStringLiteral("graph")));
    options.strata = SplitStrata(parser.values(QStringLiteral("stratum")));
    if (parser.isSet(QStringLiteral("batch")))
        options.batchFile = bytes.Bytes(parser.value(QStringLiteral("batch")));
    if (parser.isSet(QStringLiteral("output")))
        options.outputFile = bytes.Bytes(parser.value(QStringLiteral("output")));
    options.version = parser.isSet(QStringLiteral("version"));
    for (const QString& name : parser.optionNames())
        options.given.push_back(name.toStdString());
    return SplitLimitPoints(parser.values(QStringLiteral("below")), "below", options.below,
                            error) &&
           SplitLimitPoints(parser.values(QStringLiteral("above")), "above", options.above, error);
}

bool DrawsGraph(const std::vector<std::string>& arguments)
{
    CliOptions options;
    std::string error;
    bool helpRequested = false;
    return ParseCliOptions(arguments, options, error, helpRequested) && !options.graphFile.empty();
}
