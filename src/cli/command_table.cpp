#include "command_table.h"

#include <QStringList>

namespace {
using K = ECommandKind;

const CNumberRange kUser{"USER", 0, 0xFFFF};
const CNumberRange kPrivilege{"--privilege", 1, 3};

// clang-format off
const std::vector<CCommandInfo> kCommands = {
    {"ports", "", 0, 0, K::Ports,
     "List the serial devices found, with their description and the COM number each is bound to.",
     {}, "morvane-cli ports"},
    {"count", "", 0, 0, K::Console, "Read the number of users (取用户总数).",
     {{"--capacity", nullptr, "Read the user capacity instead.", "morvane-cli --port COM1 count --capacity"}},
     "morvane-cli --port COM1 count"},
    {"version", "", 0, 0, K::Console, "Read the module's version (取脱机模块版本).", {},
     "morvane-cli --port /dev/ttyUSB0 version"},
    {"users", "", 0, 0, K::Console, "Read the user list (取用户信息).", {},
     "morvane-cli --port COM1 --json users"},
    {"privilege", "USER", 1, 1, K::Console, "Read the privilege of user USER (取用户权限).", {},
     "morvane-cli --port COM1 privilege 25", {kUser}},
    {"enrol", "USER", 1, 1, K::Console,
     "Enrol user USER from the finger on the sensor, in two or three captures (用户录入).",
     {{"--privilege", "P", "Privilege 1 to 3 (default 1).", "morvane-cli --port COM1 enrol 25 --privilege 3"},
      {"--twice", nullptr, "Two captures instead of three (采集两次).", "morvane-cli --port COM1 enrol 25 --twice"},
      {"--upload", "FILE.fea", "Ask for the new feature value and save it in FILE.fea (特征值上传).",
       "morvane-cli --port COM1 enrol 25 --upload u25.fea"}},
     "morvane-cli --port COM1 enrol 25", {kUser, kPrivilege}},
    {"delete", "USER", 1, 1, K::Console, "Delete user USER (删除指定用户).", {},
     "morvane-cli --port COM1 delete 25", {kUser}},
    {"delete-all", "", 0, 0, K::Console, "Delete all users (删除所有用户).",
     {{"--privilege-class", "P", "Only users of this privilege class, 1 to 3 (default 0: every user).",
       "morvane-cli --port COM1 delete-all --privilege-class 1"}},
     "morvane-cli --port COM1 delete-all", {{"--privilege-class", 0, 3}}},
    {"compare", "USER", 1, 1, K::Console, "Compare the finger on the sensor with user USER (1:1比对).", {},
     "morvane-cli --port COM1 compare 25", {kUser}},
    {"search", "", 0, 0, K::Console, "Search the users for the finger on the sensor (1:N比对).", {},
     "morvane-cli --port COM1 search"},
    {"capture-feature", "FILE.fea", 1, 1, K::Console,
     "Capture a finger and save its feature value in FILE.fea (采集指纹提取特征值上传).", {},
     "morvane-cli --port COM1 capture-feature finger.fea"},
    {"upload", "USER FILE.fea", 2, 2, K::Console,
     "Save the feature value of user USER in FILE.fea (取用户特征值上传).", {},
     "morvane-cli --port COM1 upload 25 u25.fea", {kUser}},
    {"store", "USER FILE.fea", 2, 2, K::Console,
     "Store the feature value in FILE.fea as user USER (存储用户特征值).",
     {{"--privilege", "P", "Privilege 1 to 3 (default 1).", "morvane-cli --port COM1 store 25 u25.fea --privilege 2"}},
     "morvane-cli --port COM1 store 25 u25.fea", {kUser, kPrivilege}},
    {"store-folder", "DIR", 1, 1, K::StoreFolder,
     "Store every feature file N.fea of DIR as user N, privilege 1 (批量存储指纹特征值).",
     {{"--skip-existing", nullptr, "A user the module already holds counts as stored and the batch "
       "goes on (to finish a run that was stopped); the result says how many were skipped.",
       "morvane-cli --port COM1 store-folder templates/ --skip-existing"}},
     "morvane-cli --port COM1 --port COM2 store-folder templates/"},
    {"backup", "DIR", 1, 1, K::Backup,
     "Read the user list and save every user's feature value as DIR/N.fea, ready for store-folder "
     "(备份用户到文件夹). Files already there are kept unless --yes is given.",
     {}, "morvane-cli --port COM1 --yes backup saved/"},
    {"image", "FILE.png", 1, 1, K::Console, "Capture a fingerprint image and save it as FILE.png, FILE.bmp or FILE.jpg (采集图像).",
     {{"--high", nullptr, "The full-resolution image (高分辨率原图).", "morvane-cli --port COM1 image --high finger.png"}},
     "morvane-cli --port COM1 image finger.png"},
    {"level", "[N]", 0, 1, K::Console,
     "Set the compare level to N, 1 to 9 (设置比对等级); the answer carries the level before. Without N "
     "the module is asked for level 0, which it refuses, but its answer still carries the level in force.",
     {}, "morvane-cli --port COM1 level 5", {{"N", 1, 9}}},
    {"brightness", "", 0, 0, K::Console, "Read the sensor brightness (连续取亮度).",
     {{"--adjust", "V", "Let the module calibrate it instead (亮度自适应), to V, 0 to 255 (0: the module's own choice).",
       "morvane-cli --port COM1 brightness --adjust 0"}},
     "morvane-cli --port COM1 brightness", {{"--adjust", 0, 255}}},
    {"records", "", 0, 0, K::Console, "Read the records not read before (取新记录).",
     {{"--new", "N", "At most N records, 0 to 65535 (default 0: all of them).", "morvane-cli --port COM1 records --new 10"}},
     "morvane-cli --port COM1 records", {{"--new", 0, 0xFFFF}}},
    {"set-rate", "RATE", 1, 1, K::SetRate,
     "Tell the module to talk at RATE (9600 19200 38400 57600 115200); once it confirms, the PC follows.",
     {}, "morvane-cli --port COM1 set-rate 115200"},
    {"rate", "", 0, 0, K::FindRate,
     "Find the rate the module talks at: the user count is asked at 115200, 57600, 38400, 19200 "
     "and 9600 in turn until it answers (at most about a second). Only reports; see --rate auto.",
     {}, "morvane-cli --port auto rate"},
    {"flash", "FILE28000.dat FILE38000.dat", 2, 2, K::Flash,
     "Download the program in the two .dat files into the module (开始下载). The module's program is "
     "overwritten, so --yes must confirm it.",
     {{"--bin", "OUT.bin", "Also write the program image file OUT.bin (生成Bin文件).",
       "morvane-cli --port COM1 --yes flash a.dat b.dat --bin fw.bin"},
      {"--expect-version", "TEXT", "After the download the module's version (取脱机模块版本) is "
       "read and shown; a version other than TEXT, or none, fails the command (exit 1).",
       "morvane-cli --port COM1 --yes flash a.dat b.dat --expect-version 'FP V2.1'"}},
     "morvane-cli --port COM1 --port COM2 --rate 115200 --yes flash p28000.dat p38000.dat"},
    {"make-bin", "FILE28000.dat FILE38000.dat OUT.bin", 3, 3, K::MakeBin,
     "Write the program image file OUT.bin from the two .dat files (生成Bin文件); no port needed.", {},
     "morvane-cli make-bin p28000.dat p38000.dat fw.bin"},
    {"sleep", "", 0, 0, K::Console, "Put the module to sleep (使进入休眠模式); it answers nothing more.", {},
     "morvane-cli --port COM1 sleep"},
};

const std::vector<COptionInfo> kGlobalOptions = {
    {"--port", "DEVICE|COMn|auto|all", "The module's port: a device path or COM1 to COM8 (see 'ports'); "
     "auto: the one USB or ACM serial adapter present; all: every one. Repeat it to run the command "
     "on several modules at once.", "--port /dev/ttyUSB0 --port COM2"},
    {"--rate", "RATE|auto", "The PC's rate: 9600, 19200 (default), 38400, 57600 or 115200; auto: the "
     "rate the module answers at (as the 'rate' command finds it).", "--rate 115200"},
    {"--timeout", "SECONDS", "How long to wait for the module's answer before giving up (default 5); an "
     "answer may last this long more than its time on the line.",
     "--timeout 20"},
    {"--json", nullptr, "One JSON object per result line: port, command, code, text, data.", "--json"},
    {"--progress", "json", "The progress of flash, store-folder and backup as one JSON object a step "
     "on standard output (port, command, done, total, elapsed_ms) instead of bars on standard error.",
     "--progress json"},
    {"-v", nullptr, "Show the bytes of every transmission and reply on standard error, in hexadecimal.", "-v"},
    {"--yes", nullptr, "Answer OK to the download questions. Without it a terminal asks (y/N); "
     "without a terminal the command ends unconfirmed.", "--yes"},
    {"--version", nullptr, "Print the program's version (and the git revision it was built from) and exit.",
     "morvane-cli --version"},
    {"--help", nullptr, "This text; after a command, that command's help.", "morvane-cli enrol --help"},
};
// clang-format on

QString OptionLines(const std::vector<COptionInfo>& options) {
    QString text;
    for (const COptionInfo& option : options) {
        QString head = QLatin1String(option.name);
        if (option.valueName)
            head += QLatin1Char(' ') + QLatin1String(option.valueName);
        text += QStringLiteral("  %1\n      %2\n      e.g. %3\n")
                    .arg(head, QString::fromUtf8(option.help), QString::fromUtf8(option.example));
    }
    return text;
}

// "Numbers, in decimal or 0x hexadecimal: USER 0 to 65535, --privilege 1 to 3."
QString NumberLine(const std::vector<CNumberRange>& numbers) {
    QStringList ranges;
    for (const CNumberRange& number : numbers)
        ranges << QStringLiteral("%1 %2 to %3")
                      .arg(QLatin1String(number.name))
                      .arg(number.low)
                      .arg(number.high);
    return QStringLiteral("\nNumbers, in decimal or 0x hexadecimal: %1.\n")
        .arg(ranges.join(QStringLiteral(", ")));
}

QString Usage(const CCommandInfo& command) {
    QString usage = QStringLiteral("morvane-cli ");
    if (NeedsPort(command))
        usage += QStringLiteral("--port DEVICE [--port DEVICE ...] [options] ");
    usage += QLatin1String(command.name);
    if (*command.arguments)
        usage += QLatin1Char(' ') + QLatin1String(command.arguments);
    for (const COptionInfo& option : command.options)
        usage += QStringLiteral(" [%1%2]").arg(
            QLatin1String(option.name),
            option.valueName ? QLatin1Char(' ') + QLatin1String(option.valueName) : QString());
    return usage;
}
} // namespace

bool NeedsPort(const CCommandInfo& command) {
    return command.kind != K::Ports && command.kind != K::MakeBin;
}

const CCommandInfo* FindCommand(const QString& name) {
    for (const CCommandInfo& command : kCommands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

const std::vector<CCommandInfo>& Commands() {
    return kCommands;
}

const std::vector<COptionInfo>& GlobalOptions() {
    return kGlobalOptions;
}

QString ProgramHelp() {
    QString text = QStringLiteral(
        "Usage: morvane-cli [--port DEVICE ...] [options] COMMAND [arguments]\n"
        "\n"
        "Drives a stand-alone fingerprint module from a shell, with the same exchanges and texts\n"
        "as the Morvane window. With several --port options the command runs on every module at\n"
        "once and prints one result line per port as each finishes.\n"
        "\n"
        "Exit codes: 0 success, 1 the module answered with a failure (or with a reply to another\n"
        "command, or one not whole, or a version other than --expect-version), 2 usage error "
        "(also\n"
        "a bad file, a number out of its range, an unconfirmed question or several adapters for\n"
        "--port auto), 3 the port cannot be opened (or no adapter for --port auto), 4 no answer\n"
        "within --timeout (at no rate for --rate auto) or the module kept sending, 5 the port\n"
        "went away in the middle of the command (the result says what was left), 6 standard\n"
        "output or standard error could not be written, 130 interrupted (Ctrl+C), 143 terminated\n"
        "(SIGTERM); with several ports the highest of them.\n"
        "\n"
        "Commands:\n");
    for (const CCommandInfo& command : kCommands)
        text += (QStringLiteral("  %1 %2").arg(QLatin1String(command.name),
                                               QLatin1String(command.arguments)))
                    .trimmed()
                    .prepend(QStringLiteral("  ")) +
                QStringLiteral("\n      %1\n").arg(QString::fromUtf8(command.summary));
    text += QStringLiteral("\nOptions:\n") + OptionLines(kGlobalOptions);
    text += QStringLiteral("\n'morvane-cli COMMAND --help' shows a command's options.\n");
    return text;
}

QString CommandHelp(const CCommandInfo& command) {
    QString text = QStringLiteral("Usage: %1\n\n%2\n\nExample:\n  %3\n")
                       .arg(Usage(command), QString::fromUtf8(command.summary),
                            QString::fromUtf8(command.example));
    if (!command.numbers.empty())
        text += NumberLine(command.numbers);
    if (!command.options.empty())
        text += QStringLiteral("\nOptions:\n") + OptionLines(command.options);
    if (NeedsPort(command))
        text += QStringLiteral("\nGlobal options:\n") + OptionLines(kGlobalOptions);
    return text;
}
