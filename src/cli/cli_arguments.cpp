#include "cli_arguments.h"

#include "cli_texts.h"

#include "lang/language_choice.h"
#include "serial/rate_table.h"

namespace {
const COptionInfo* FindOption(const std::vector<COptionInfo>& options, const QString& name) {
    for (const COptionInfo& option : options)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// A global option with its value into the request; false with the error.
bool ApplyGlobal(CCliRequest& request, const QString& name, const QString& value, QString* error) {
    if (name == QLatin1String("--port")) {
        request.ports << value;
    } else if (name == QLatin1String("--rate")) {
        request.rateAuto = value == QLatin1String("auto");
        request.rateIndex = request.rateAuto ? request.rateIndex : RateIndexOf(value);
        if (request.rateIndex == 0)
            *error =
                CCliTexts::tr("--rate 只能是 9600、19200、38400、57600、115200 或 auto，不能是“%1”")
                    .arg(value);
    } else if (name == QLatin1String("--progress")) {
        request.progressJson = value == QLatin1String("json");
        if (!request.progressJson)
            *error = CCliTexts::tr("--progress 只能是 json，不能是“%1”").arg(value);
    } else if (name == QLatin1String("--timeout")) {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || seconds < 1 || seconds > 3600)
            *error = CCliTexts::tr("--timeout 只能是 1 至 3600 秒，不能是“%1”").arg(value);
        request.timeoutMs = static_cast<int>(seconds * 1000);
    } else if (name == QLatin1String("--lang")) {
        if (LanguageSettingNamed(value) == ELanguageSetting::FollowSystem)
            *error = CCliTexts::tr("--lang 只能是 zh 或 en，不能是“%1”").arg(value);
    } else if (name == QLatin1String("--json")) {
        request.json = true;
    } else if (name == QLatin1String("-v")) {
        request.verbose = true;
    } else if (name == QLatin1String("--yes")) {
        request.yes = true;
    } else if (name == QLatin1String("--version")) {
        request.version = true;
    } else {
        request.help = true;
    }
    return error->isEmpty();
}

// The text given for a number: an option's value, or the argument at the place of that name in
// the command's arguments ("USER FILE.fea", "[N]"); no value when it was not given.
std::optional<QString> NumberText(const CCliRequest& request, const QString& name) {
    if (name.startsWith(QLatin1Char('-')))
        return request.options.contains(name) ? std::optional(request.options.value(name))
                                              : std::nullopt;
    const QStringList places = QString::fromLatin1(request.command->arguments)
                                   .remove(QLatin1Char('['))
                                   .remove(QLatin1Char(']'))
                                   .split(QLatin1Char(' '));
    const qsizetype at = places.indexOf(name);
    if (at < 0 || at >= request.arguments.size())
        return std::nullopt;
    return request.arguments[at];
}

bool CheckNumbers(CCliRequest& request, QString* error) {
    for (const CNumberRange& range : request.command->numbers) {
        const QString name = QLatin1String(range.name);
        const std::optional<QString> text = NumberText(request, name);
        if (!text)
            continue;
        const std::optional<unsigned> value = ParseNumber(*text, range.low, range.high);
        if (!value) {
            *error = CCliTexts::tr("%1 必须是 %2 至 %3 的数，不能是“%4”")
                         .arg(name)
                         .arg(range.low)
                         .arg(range.high)
                         .arg(*text);
            return false;
        }
        request.numbers.insert(name, *value);
    }
    return true;
}

bool CheckShape(const CCliRequest& request, QString* error) {
    if (request.help || request.version || !request.command)
        return true;
    const CCommandInfo& command = *request.command;
    const int n = static_cast<int>(request.arguments.size());
    if (n < command.minArguments || n > command.maxArguments) {
        const QString name = QLatin1String(command.name);
        *error = *command.arguments
                     ? CCliTexts::tr("%1 的参数是 %2").arg(name, QLatin1String(command.arguments))
                     : CCliTexts::tr("%1 不带参数").arg(name);
        return false;
    }
    if (NeedsPort(command) && request.ports.isEmpty()) {
        *error = CCliTexts::tr("%1 需要 --port DEVICE").arg(QLatin1String(command.name));
        return false;
    }
    return true;
}
} // namespace

std::optional<unsigned> ParseNumber(const QString& text, unsigned low, unsigned high) {
    bool ok = false;
    const QString trimmed = text.trimmed();
    const unsigned value = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                               ? trimmed.mid(2).toUInt(&ok, 16)
                               : trimmed.toUInt(&ok, 10);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<CCliRequest> ParseCommandLine(const QStringList& arguments, QString* error) {
    CCliRequest request;
    for (int i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        bool hasValue = false;
        if (name.startsWith(QLatin1String("--")) && name.contains(QLatin1Char('='))) {
            value = name.section(QLatin1Char('='), 1);
            name = name.section(QLatin1Char('='), 0, 0);
            hasValue = true;
        }
        if (name == QLatin1String("-h"))
            name = QStringLiteral("--help");
        const COptionInfo* global = FindOption(GlobalOptions(), name);
        const COptionInfo* own =
            request.command ? FindOption(request.command->options, name) : nullptr;
        const COptionInfo* option = global ? global : own;
        if (!option && name.startsWith(QLatin1Char('-'))) {
            *error = CCliTexts::tr("没有 %1 这个选项").arg(name);
            return std::nullopt;
        }
        if (!option) {
            if (request.command) {
                request.arguments << name;
            } else if (!(request.command = FindCommand(name))) {
                *error = CCliTexts::tr("没有“%1”这个命令（见 morvane-cli --help）").arg(name);
                return std::nullopt;
            }
            continue;
        }
        if (option->valueName && !hasValue) {
            if (i + 1 >= arguments.size()) {
                *error =
                    CCliTexts::tr("%1 后面要跟 %2").arg(name, QLatin1String(option->valueName));
                return std::nullopt;
            }
            value = arguments[++i];
        }
        if (global && !ApplyGlobal(request, name, value, error))
            return std::nullopt;
        if (!global)
            request.options.insert(name, value);
    }
    if (!CheckShape(request, error))
        return std::nullopt;
    if (request.command && !request.help && !request.version && !CheckNumbers(request, error))
        return std::nullopt;
    return request;
}
