#include "command_table.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
using K = ECommandKind;

const CNumberRange kUser{"USER", 0, 0xFFFF};
const CNumberRange kPrivilege{"--privilege", 1, 3};

// clang-format off
const std::vector<CCommandInfo> kCommands = {
    {"ports", "", 0, 0, K::Ports,
     QT_TRANSLATE_NOOP("CCliHelp", "列出找到的串口设备，以及各自的说明和对应的 COM 编号。"),
     {}, "morvane-cli ports"},
    {"count", "", 0, 0, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "读取用户总数（取用户总数）。"),
     {{"--capacity", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "改为读取用户容量。"), "morvane-cli --port COM1 count --capacity"}},
     "morvane-cli --port COM1 count"},
    {"version", "", 0, 0, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "读取模块版本（取脱机模块版本）。"), {},
     "morvane-cli --port /dev/ttyUSB0 version"},
    {"users", "", 0, 0, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "读取用户列表（取用户信息）。"), {},
     "morvane-cli --port COM1 --json users"},
    {"privilege", "USER", 1, 1, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "读取用户 USER 的权限（取用户权限）。"), {},
     "morvane-cli --port COM1 privilege 25", {kUser}},
    {"enrol", "USER", 1, 1, K::Console,
     QT_TRANSLATE_NOOP("CCliHelp", "用传感器上的手指录入用户 USER，采集两次或三次（用户录入）。"),
     {{"--privilege", "P", QT_TRANSLATE_NOOP("CCliHelp", "权限 1 至 3（默认 1）。"), "morvane-cli --port COM1 enrol 25 --privilege 3"},
      {"--twice", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "只采集两次，而不是三次（采集两次）。"), "morvane-cli --port COM1 enrol 25 --twice"},
      {"--upload", "FILE.fea", QT_TRANSLATE_NOOP("CCliHelp", "同时要求上传新的特征值，保存到 FILE.fea（特征值上传）。"),
       "morvane-cli --port COM1 enrol 25 --upload u25.fea"}},
     "morvane-cli --port COM1 enrol 25", {kUser, kPrivilege}},
    {"delete", "USER", 1, 1, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "删除用户 USER（删除指定用户）。"), {},
     "morvane-cli --port COM1 delete 25", {kUser}},
    {"delete-all", "", 0, 0, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "删除全部用户（删除所有用户）。"),
     {{"--privilege-class", "P", QT_TRANSLATE_NOOP("CCliHelp", "只删除这一权限类别的用户，1 至 3（默认 0：所有用户）。"),
       "morvane-cli --port COM1 delete-all --privilege-class 1"}},
     "morvane-cli --port COM1 delete-all", {{"--privilege-class", 0, 3}}},
    {"compare", "USER", 1, 1, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "将传感器上的手指与用户 USER 比对（1:1比对）。"), {},
     "morvane-cli --port COM1 compare 25", {kUser}},
    {"search", "", 0, 0, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "在所有用户中查找传感器上的手指（1:N比对）。"), {},
     "morvane-cli --port COM1 search"},
    {"capture-feature", "FILE.fea", 1, 1, K::Console,
     QT_TRANSLATE_NOOP("CCliHelp", "采集手指，将其特征值保存到 FILE.fea（采集指纹提取特征值上传）。"), {},
     "morvane-cli --port COM1 capture-feature finger.fea"},
    {"upload", "USER FILE.fea", 2, 2, K::Console,
     QT_TRANSLATE_NOOP("CCliHelp", "将用户 USER 的特征值保存到 FILE.fea（取用户特征值上传）。"), {},
     "morvane-cli --port COM1 upload 25 u25.fea", {kUser}},
    {"store", "USER FILE.fea", 2, 2, K::Console,
     QT_TRANSLATE_NOOP("CCliHelp", "将 FILE.fea 中的特征值存储为用户 USER（存储用户特征值）。"),
     {{"--privilege", "P", QT_TRANSLATE_NOOP("CCliHelp", "权限 1 至 3（默认 1）。"), "morvane-cli --port COM1 store 25 u25.fea --privilege 2"}},
     "morvane-cli --port COM1 store 25 u25.fea", {kUser, kPrivilege}},
    {"store-folder", "DIR", 1, 1, K::StoreFolder,
     QT_TRANSLATE_NOOP("CCliHelp", "将 DIR 中的每个特征文件 N.fea 存储为用户 N，权限 1（批量存储指纹特征值）。"),
     {{"--skip-existing", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "模块中已有的用户算作已存储，批量存储继续"
       "进行（用于做完一次中途停止的存储）；结果中说明跳过了多少个。"),
       "morvane-cli --port COM1 store-folder templates/ --skip-existing"}},
     "morvane-cli --port COM1 --port COM2 store-folder templates/"},
    {"backup", "DIR", 1, 1, K::Backup,
     QT_TRANSLATE_NOOP("CCliHelp", "读取用户列表，将每个用户的特征值保存为 DIR/N.fea，可直接用于 store-folder"
     "（备份用户到文件夹）。已有的文件保留不动，除非给出 --yes。"),
     {}, "morvane-cli --port COM1 --yes backup saved/"},
    {"image", "FILE.png", 1, 1, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "采集指纹图像，保存为 FILE.png、FILE.bmp 或 FILE.jpg（采集图像）。"),
     {{"--high", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "采集全分辨率的图像（高分辨率原图）。"), "morvane-cli --port COM1 image --high finger.png"}},
     "morvane-cli --port COM1 image finger.png"},
    {"level", "[N]", 0, 1, K::Console,
     QT_TRANSLATE_NOOP("CCliHelp", "将比对等级设为 N，1 至 9（设置比对等级）；应答中带有设置前的等级。不给 N 时"
     "向模块请求等级 0，模块会拒绝，但应答中仍带有当前的等级。"),
     {}, "morvane-cli --port COM1 level 5", {{"N", 1, 9}}},
    {"brightness", "", 0, 0, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "读取传感器亮度（连续取亮度）。"),
     {{"--adjust", "V", QT_TRANSLATE_NOOP("CCliHelp", "改为让模块自行校准亮度（亮度自适应），目标为 V，0 至 255（0：由模块自行选择）。"),
       "morvane-cli --port COM1 brightness --adjust 0"}},
     "morvane-cli --port COM1 brightness", {{"--adjust", 0, 255}}},
    {"records", "", 0, 0, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "读取尚未读过的记录（取新记录）。"),
     {{"--new", "N", QT_TRANSLATE_NOOP("CCliHelp", "最多 N 条记录，0 至 65535（默认 0：全部）。"), "morvane-cli --port COM1 records --new 10"}},
     "morvane-cli --port COM1 records", {{"--new", 0, 0xFFFF}}},
    {"set-rate", "RATE", 1, 1, K::SetRate,
     QT_TRANSLATE_NOOP("CCliHelp", "让模块改用 RATE 通讯（9600 19200 38400 57600 115200）；模块确认后，PC 随之改用该波特率。"),
     {}, "morvane-cli --port COM1 set-rate 115200"},
    {"rate", "", 0, 0, K::FindRate,
     QT_TRANSLATE_NOOP("CCliHelp", "查找模块所用的波特率：依次以 115200、57600、38400、19200 和 9600 询问"
     "用户总数，直到模块应答（最多约一秒）。只报告结果；另见 --rate auto。"),
     {}, "morvane-cli --port auto rate"},
    {"flash", "FILE28000.dat FILE38000.dat", 2, 2, K::Flash,
     QT_TRANSLATE_NOOP("CCliHelp", "将两个 .dat 文件中的程序下载到模块（开始下载）。模块中原有的程序会被"
     "覆盖，所以必须用 --yes 确认。"),
     {{"--bin", "OUT.bin", QT_TRANSLATE_NOOP("CCliHelp", "同时写出程序映像文件 OUT.bin（生成Bin文件）。"),
       "morvane-cli --port COM1 --yes flash a.dat b.dat --bin fw.bin"},
      {"--expect-version", "TEXT", QT_TRANSLATE_NOOP("CCliHelp", "下载完成后读取并显示模块版本（取脱机模块版本）；"
       "版本不是 TEXT 或读不到版本时，命令失败（退出码 1）。"),
       "morvane-cli --port COM1 --yes flash a.dat b.dat --expect-version 'FP V2.1'"}},
     "morvane-cli --port COM1 --port COM2 --rate 115200 --yes flash p28000.dat p38000.dat"},
    {"make-bin", "FILE28000.dat FILE38000.dat OUT.bin", 3, 3, K::MakeBin,
     QT_TRANSLATE_NOOP("CCliHelp", "由两个 .dat 文件写出程序映像文件 OUT.bin（生成Bin文件）；不需要串口。"), {},
     "morvane-cli make-bin p28000.dat p38000.dat fw.bin"},
    {"sleep", "", 0, 0, K::Console, QT_TRANSLATE_NOOP("CCliHelp", "使模块进入休眠（使进入休眠模式）；此后模块不再应答。"), {},
     "morvane-cli --port COM1 sleep"},
};

const std::vector<COptionInfo> kGlobalOptions = {
    {"--port", "DEVICE|COMn|auto|all", QT_TRANSLATE_NOOP("CCliHelp", "模块所在的串口：设备路径，或 COM1 至 COM8"
     "（见 ports）；auto：唯一的 USB 或 ACM 串口适配器；all：每一个。重复给出可同时在多个模块上运行命令。"),
     "--port /dev/ttyUSB0 --port COM2"},
    {"--rate", "RATE|auto", QT_TRANSLATE_NOOP("CCliHelp", "PC 的波特率：9600、19200（默认）、38400、57600 或 "
     "115200；auto：模块应答的波特率（按 rate 命令的方法查找）。"), "--rate 115200"},
    {"--timeout", "SECONDS", QT_TRANSLATE_NOOP("CCliHelp", "等待模块应答多少秒后放弃（默认 5）；应答在线路上"
     "传送的时间之外，还可再等这么久。"),
     "--timeout 20"},
    {"--json", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "每个结果为一行 JSON 对象：port、command、code、text、data。"), "--json"},
    {"--progress", "json", QT_TRANSLATE_NOOP("CCliHelp", "flash、store-folder 和 backup 的进度每一步为一个 JSON "
     "对象，写到标准输出（port、command、done、total、elapsed_ms），不在标准错误上显示进度条。"),
     "--progress json"},
    {"-v", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "在标准错误上以十六进制显示每次发送和应答的字节。"), "-v"},
    {"--yes", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "对下载的提问回答确定。不给出时，在终端上询问（y/N）；"
     "没有终端时，命令以未确认结束。"), "--yes"},
    {"--lang", "zh|en", QT_TRANSLATE_NOOP("CCliHelp", "输出所用的语言：zh 中文，en 英文；默认跟随系统的语言"
     "（LANGUAGE、LC_ALL、LC_MESSAGES、LANG），C 或 POSIX 时为中文。"), "--lang en"},
    {"--version", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "显示程序的版本（及构建所用的 git 修订）后退出。"),
     "morvane-cli --version"},
    {"--help", nullptr, QT_TRANSLATE_NOOP("CCliHelp", "显示本说明；放在命令之后，显示该命令的说明。"), "morvane-cli enrol --help"},
};
// clang-format on

// The words around the tables' texts.
class CCliHelp {
    Q_DECLARE_TR_FUNCTIONS(CCliHelp)
};

// A text of the tables above in the program's language.
QString HelpText(const char* source) {
    return QCoreApplication::translate("CCliHelp", source);
}

QString OptionLines(const std::vector<COptionInfo>& options) {
    QString text;
    for (const COptionInfo& option : options) {
        QString head = QLatin1String(option.name);
        if (option.valueName)
            head += QLatin1Char(' ') + QLatin1String(option.valueName);
        text += QStringLiteral("  %1\n      %2\n      %3\n")
                    .arg(head, HelpText(option.help),
                         CCliHelp::tr("例如：%1").arg(QString::fromUtf8(option.example)));
    }
    return text;
}

// "数值可用十进制或 0x 开头的十六进制：USER 为 0 至 65535、--privilege 为 1 至 3。"
QString NumberLine(const std::vector<CNumberRange>& numbers) {
    QStringList ranges;
    for (const CNumberRange& number : numbers)
        ranges << CCliHelp::tr("%1 为 %2 至 %3")
                      .arg(QLatin1String(number.name))
                      .arg(number.low)
                      .arg(number.high);
    //: between the ranges of a command's numbers
    const QString between = CCliHelp::tr("、");
    return QLatin1Char('\n') +
           CCliHelp::tr("数值可用十进制或 0x 开头的十六进制：%1。").arg(ranges.join(between)) +
           QLatin1Char('\n');
}

QString Usage(const CCommandInfo& command) {
    QString usage = QStringLiteral("morvane-cli ");
    if (NeedsPort(command))
        usage += QStringLiteral("--port DEVICE [--port DEVICE ...] ") + CCliHelp::tr("[选项]") +
                 QLatin1Char(' ');
    usage += QLatin1String(command.name);
    if (*command.arguments)
        usage += QLatin1Char(' ') + QLatin1String(command.arguments);
    for (const COptionInfo& option : command.options)
        usage += QStringLiteral(" [%1%2]").arg(
            QLatin1String(option.name),
            option.valueName ? QLatin1Char(' ') + QLatin1String(option.valueName) : QString());
    return usage;
}

// A paragraph of its own, after an empty line: a heading ("选项：") or a closing line.
QString Paragraph(const QString& name) {
    return QLatin1Char('\n') + name + QLatin1Char('\n');
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
    QString text = CCliHelp::tr(
        "用法：morvane-cli [--port DEVICE ...] [选项] COMMAND [参数]\n"
        "\n"
        "在命令行上操作脱机指纹模块，通讯过程和文字与 Morvane 窗口相同。给出多个 --port 时，\n"
        "命令在每个模块上同时运行，每个串口完成时输出一行结果。\n"
        "\n"
        "退出码：0 成功；1 模块应答失败（或应答的是其他命令、应答不完整、版本与\n"
        "--expect-version 不符）；2 用法错误（以及文件有误、数值超出范围、提问未确认、\n"
        "--port auto 找到多个适配器）；3 串口无法打开（或 --port auto 找不到适配器）；\n"
        "4 在 --timeout 之内没有应答（--rate auto 时在任何波特率下都没有应答）或模块不停地\n"
        "发送；5 命令进行中串口断开（结果中说明留下了什么）；6 无法写入标准输出或标准错误；\n"
        "130 被中断（Ctrl+C）；143 被终止（SIGTERM）。多个串口时取其中最大的一个。\n");
    text += Paragraph(CCliHelp::tr("命令："));
    for (const CCommandInfo& command : kCommands)
        text += (QStringLiteral("  %1 %2").arg(QLatin1String(command.name),
                                               QLatin1String(command.arguments)))
                    .trimmed()
                    .prepend(QStringLiteral("  ")) +
                QStringLiteral("\n      %1\n").arg(HelpText(command.summary));
    text += Paragraph(CCliHelp::tr("选项：")) + OptionLines(kGlobalOptions);
    text += Paragraph(CCliHelp::tr("“morvane-cli COMMAND --help”显示一个命令的选项。"));
    return text;
}

QString CommandHelp(const CCommandInfo& command) {
    QString text = CCliHelp::tr("用法：%1").arg(Usage(command)) + QLatin1Char('\n') +
                   Paragraph(HelpText(command.summary)) + Paragraph(CCliHelp::tr("示例：")) +
                   QStringLiteral("  ") + QString::fromUtf8(command.example) + QLatin1Char('\n');
    if (!command.numbers.empty())
        text += NumberLine(command.numbers);
    if (!command.options.empty())
        text += Paragraph(CCliHelp::tr("选项：")) + OptionLines(command.options);
    if (NeedsPort(command))
        text += Paragraph(CCliHelp::tr("全局选项：")) + OptionLines(kGlobalOptions);
    return text;
}
