#include "sim_options.h"

#include "fingerprint_image.h"
#include "sim_texts.h"

#include <functional>

namespace sim {

namespace {
using Setter = std::function<bool(CSimOptions&, const QString&)>;

struct COptionEntry {
    const char* name;
    const char* valueName; // nullptr: a switch without value
    const char* help;      // translated when shown
    Setter set;
};

bool ParseHexByte(QString text, uint8_t& value) {
    text = text.trimmed();
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    bool ok = false;
    const uint number = text.toUInt(&ok, 16);
    if (!ok || text.isEmpty() || text.size() > 2 || number > 0xFF)
        return false;
    value = uint8_t(number);
    return true;
}

bool ParseCount(const QString& text, int low, int high, int& value) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (!ok || number < low || number > high)
        return false;
    value = number;
    return true;
}

bool SetForcedResult(CSimOptions& options, const QString& text) {
    const QStringList parts = text.split(QLatin1Char('='));
    uint8_t command = 0;
    uint8_t result = 0;
    if (parts.size() != 2 || !ParseHexByte(parts[0], command) || !ParseHexByte(parts[1], result))
        return false;
    options.faults.forcedResults[command] = result;
    return true;
}

bool SetMuted(CSimOptions& options, const QString& text) {
    uint8_t command = 0;
    if (!ParseHexByte(text, command))
        return false;
    options.faults.muted.insert(command);
    return true;
}

// "CMD=VALUE": a command (hex) and the text after '='.
bool SplitCommand(const QString& text, uint8_t& command, QString& value) {
    const int equals = int(text.indexOf(QLatin1Char('=')));
    value = text.mid(equals + 1);
    return equals > 0 && ParseHexByte(text.left(equals), command);
}

bool SetRawReply(CSimOptions& options, const QString& text) {
    uint8_t command = 0;
    QString hex;
    if (!SplitCommand(text, command, hex))
        return false;
    const QByteArray bytes = QByteArray::fromHex(hex.remove(QLatin1Char(' ')).toLatin1());
    options.faults.rawReplies[command] = bytes;
    return !bytes.isEmpty();
}

bool SetCutReply(CSimOptions& options, const QString& text) {
    uint8_t command = 0;
    QString count;
    int bytes = 0;
    if (!SplitCommand(text, command, count) || !ParseCount(count, 0, 1000000, bytes))
        return false;
    options.faults.cutReplies[command] = bytes;
    return true;
}

bool SetPath(QString& target, const QString& text) {
    target = text;
    return !text.isEmpty();
}

bool SetSeed(CSimOptions& options, const QString& text) {
    bool ok = false;
    const qulonglong seed = text.trimmed().toULongLong(&ok, 0);
    if (ok)
        options.module.seed = seed;
    return ok;
}

const std::vector<COptionEntry>& OptionEntries() {
    static const std::vector<COptionEntry> entries = {
        {"link", "PATH",
         QT_TRANSLATE_NOOP("CSimTexts", "另外把 PATH 做成指向设备的符号链接（替换已有的链接）。"),
         [](CSimOptions& o, const QString& v) { return SetPath(o.linkPath, v); }},
        {"log", "PATH",
         QT_TRANSLATE_NOOP("CSimTexts",
                           "把收到和发出的每一帧写入 PATH，每帧一行：自启动起的秒数、RX 或 "
                           "TX、不是普通帧时的类别（garbage、bad、truncated、block、noise）以及十六"
                           "进制的字节。标有 NOTE 的行说明一帧是如何处理的。"),
         [](CSimOptions& o, const QString& v) { return SetPath(o.logPath, v); }},
        {"image", "WxH",
         QT_TRANSLATE_NOOP("CSimTexts",
                           "传感器尺寸：304x304 280x280 256x280 256x256 196x196 160x208 248x280 "
                           "280x240 240x312 248x296 256x292 256x296 200x264 之一，或 80x80（总是 "
                           "6400 字节，每像素一字节）。默认 256x280。"),
         [](CSimOptions& o, const QString& v) { return ParseImageSize(v, o.module.imageSize); }},
        {"users", "N",
         QT_TRANSLATE_NOOP("CSimTexts",
                           "启动时已有用户 1..N（权限 1），各带确定的特征值；传感器上放着用户 N "
                           "的手指。默认 0。"),
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 0, 0xFFFF, o.module.prefilledUsers);
         }},
        {"capacity", "N", QT_TRANSLATE_NOOP("CSimTexts", "用户库的容量，1 到 65535。默认 1000。"),
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 1, 0xFFFF, o.module.capacity);
         }},
        {"version-text", "TEXT",
         QT_TRANSLATE_NOOP("CSimTexts",
                           "对 0x26 回答的版本文本。默认 MORVANE-SIM FP "
                           "V2.0。程序下载完成后，若程序映像中有“VER=”，则改为其后的文本。"),
         [](CSimOptions& o, const QString& v) {
             o.module.versionText = v;
             return !v.isEmpty() && v.size() < 256;
         }},
        {"module-rate", "RATE",
         QT_TRANSLATE_NOOP(
             "CSimTexts",
             "模块只以 RATE（9600、19200、38400、57600 或 "
             "115200）通信，直到设置波特率的命令改变它：主机把设备设成别的波特率时发出的帧会丢失（"
             "与真实线路一样），得不到回答。默认：跟随主机的波特率，不论是多少。"),
         [](CSimOptions& o, const QString& v) {
             static const QStringList kRates{"9600", "19200", "38400", "57600", "115200"};
             o.module.rateIndex = uint8_t(kRates.indexOf(v.trimmed()) + 1);
             o.module.strictRate = true;
             return o.module.rateIndex > 0;
         }},
        {"seed", "S",
         QT_TRANSLATE_NOOP("CSimTexts",
                           "特征值、图像和噪声的种子（十进制，或以 0x 开头的十六进制）。默认 1。"),
         SetSeed},
        {"rc", "CMD=VALUE",
         QT_TRANSLATE_NOOP("CSimTexts", "以带结果码 VALUE 的 8 字节简单回复回答命令 "
                                        "CMD（均为十六进制），并不执行该命令。可重复使用。"),
         SetForcedResult},
        {"mute", "CMD",
         QT_TRANSLATE_NOOP("CSimTexts", "忽略命令 CMD（十六进制）：不回答，也不执行。可重复使用。"),
         SetMuted},
        {"reply", "CMD=HEX",
         QT_TRANSLATE_NOOP(
             "CSimTexts",
             "以字节 HEX 原样回答命令 "
             "CMD（十六进制），并不执行该命令：可以是另一条命令的回复，也可以是噪声。可重复使用。"),
         SetRawReply},
        {"cut", "CMD=N",
         QT_TRANSLATE_NOOP("CSimTexts", "对命令 CMD（十六进制）的每个回复只发出前 N "
                                        "个字节，如同模块在回复中途停下。可重复使用。"),
         SetCutReply},
        {"hang-up-at", "K",
         QT_TRANSLATE_NOOP(
             "CSimTexts",
             "收到第 K 帧时不回答就离开：线路关闭，模拟器结束，如同模块在一次交互中途被拔下。"),
         [](CSimOptions& o, const QString& v) { return ParseCount(v, 1, 1000000, o.hangUpAt); }},
        {"split-ms", "N",
         QT_TRANSLATE_NOOP("CSimTexts", "每个回复分两段发出，两段之间停顿 N 毫秒。"),
         [](CSimOptions& o, const QString& v) { return ParseCount(v, 0, 60000, o.splitMs); }},
        {"chunk", "BYTES",
         QT_TRANSLATE_NOOP(
             "CSimTexts",
             "所有发出的数据按每段 BYTES 字节交付，每段在其字节按每字节 10 "
             "位本应传完的时刻写出，如同 USB "
             "串口适配器按包转交数据。速率为主机在伪终端上设置的波特率；若它不在 9,600 到 115,200 "
             "之间，则为模块自己的波特率（设置波特率的命令改变它之前为 19,200）。"),
         [](CSimOptions& o, const QString& v) { return ParseCount(v, 1, 65536, o.chunkBytes); }},
        {"latency-ms", "N",
         QT_TRANSLATE_NOOP("CSimTexts", "与 --chunk 同用：短于 BYTES 的最后一段再多保留 N "
                                        "毫秒，如同适配器在延迟计时器到期前保留未满的包。"),
         [](CSimOptions& o, const QString& v) { return ParseCount(v, 0, 1000, o.latencyMs); }},
        {"stream", "RATE",
         QT_TRANSLATE_NOOP(
             "CSimTexts",
             "从收到第一帧起不再回答，而是无休止地发送噪声（从不含 0xF5）：每秒 RATE "
             "字节且不停顿；为 0 时以设备能接收的最快速度发送，如同不理会线路速率的 USB 设备。"),
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 0, 100000000, o.streamRate);
         }},
        {"noise", "N",
         QT_TRANSLATE_NOOP("CSimTexts", "在每个下载应答之前发送 N 字节噪声（从不含 0xF5）。"),
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 0, 4096, o.faults.noiseBytes);
         }},
        {"nak-every", "K",
         QT_TRANSLATE_NOOP("CSimTexts",
                           "每收到第 K 个下载块就拒绝它（p3 = 02），不论其校验是否正确。"),
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 1, 1000000, o.faults.nakEvery);
         }},
        {"flash-out", "PATH",
         QT_TRANSLATE_NOOP("CSimTexts", "程序下载的最后一块之后，把收到的 131,072 字节程序映像写入 "
                                        "PATH（从未保存过的块读作 FF）。"),
         [](CSimOptions& o, const QString& v) { return SetPath(o.flashOutPath, v); }},
        {"dump-users", "PATH",
         QT_TRANSLATE_NOOP(
             "CSimTexts",
             "结束时把存储的用户写入 PATH，按用户号升序每个用户一行：用户号、权限和十六进制的 193 "
             "字节特征值。"),
         [](CSimOptions& o, const QString& v) { return SetPath(o.userDumpPath, v); }},
        {"version", nullptr,
         QT_TRANSLATE_NOOP("CSimTexts", "显示版本（及构建所用的 git 修订版本）后退出。"),
         [](CSimOptions& o, const QString&) {
             o.version = true;
             return true;
         }},
        {"lang", "zh|en",
         QT_TRANSLATE_NOOP(
             "CSimTexts", "输出所用的语言：zh 中文，en 英文；默认跟随系统的语言（LANGUAGE、LC_ALL、"
                          "LC_MESSAGES、LANG），C 或 POSIX 时为中文。"),
         [](CSimOptions& o, const QString& v) {
             o.language = LanguageSettingNamed(v);
             return o.language != ELanguageSetting::FollowSystem;
         }},
        {"help", nullptr, QT_TRANSLATE_NOOP("CSimTexts", "显示本说明后退出。"),
         [](CSimOptions& o, const QString&) {
             o.help = true;
             return true;
         }},
    };
    return entries;
}

const COptionEntry* FindEntry(const QString& name) {
    for (const COptionEntry& entry : OptionEntries())
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

// A Chinese character (or full-width sign) takes two columns of a terminal.
bool IsWide(QChar c) {
    return c.unicode() >= 0x2E80;
}

int Columns(const QString& text) {
    int columns = 0;
    for (const QChar c : text)
        columns += IsWide(c) ? 2 : 1;
    return columns;
}

// The pieces a line may break between: words between spaces and each Chinese character alone,
// with the punctuation that may not start a line kept on its left and that may not end one on
// its right.
struct CPiece {
    QString text;
    bool afterSpace;
};

std::vector<CPiece> Pieces(const QString& text) {
    static const QString kNoLineStart =
        QStringLiteral("，。；：、）”！？");                 // no translation: signs
    static const QString kNoLineEnd = QStringLiteral("（“"); // no translation: signs
    std::vector<CPiece> pieces;
    bool afterSpace = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            afterSpace = true;
            continue;
        }
        const QChar last = pieces.empty() ? QChar() : pieces.back().text.back();
        if (!pieces.empty() && !afterSpace &&
            (kNoLineStart.contains(c) || kNoLineEnd.contains(last) ||
             (!IsWide(c) && !IsWide(last))))
            pieces.back().text += c;
        else
            pieces.push_back({QString(c), afterSpace});
        afterSpace = false;
    }
    return pieces;
}

QString Wrapped(const QString& text, int indent, int width) {
    QString out;
    int column = indent;
    for (const CPiece& piece : Pieces(text)) {
        const int gap = piece.afterSpace ? 1 : 0;
        if (column > indent && column + gap + Columns(piece.text) > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (column > indent && gap) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += piece.text;
        column += Columns(piece.text);
    }
    return out;
}
} // namespace

bool ParseSimOptions(const QStringList& arguments, CSimOptions& options, QString& error) {
    for (int i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (argument == QLatin1String("-h"))
            argument = QStringLiteral("--help");
        if (!argument.startsWith(QLatin1String("--"))) {
            error = CSimTexts::tr("多余的参数“%1”").arg(argument);
            return false;
        }
        QString name = argument.mid(2);
        QString value;
        bool hasValue = false;
        const int equals = int(name.indexOf(QLatin1Char('=')));
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
            hasValue = true;
        }
        const COptionEntry* entry = FindEntry(name);
        if (!entry) {
            error = CSimTexts::tr("未知的选项 --%1").arg(name);
            return false;
        }
        if (entry->valueName && !hasValue) {
            if (i + 1 >= arguments.size()) {
                error = CSimTexts::tr("--%1 需要值 %2").arg(name, QLatin1String(entry->valueName));
                return false;
            }
            value = arguments[++i];
        }
        if (!entry->set(options, value)) {
            //: %1 the value, %2 the option's name
            error = CSimTexts::tr("--%2 的值“%1”无效").arg(value, name);
            return false;
        }
    }
    if (options.module.prefilledUsers > options.module.capacity) {
        error = CSimTexts::tr("--users %1 超过了容量 %2")
                    .arg(options.module.prefilledUsers)
                    .arg(options.module.capacity);
        return false;
    }
    return true;
}

QString SimHelpText() {
    QString text = CSimTexts::tr(
        "用法：morvane-sim [选项]\n"
        "\n"
        "在伪终端上模拟一个独立式指纹模块。标准输出的第一行是设备路径，把主机的串口\n"
        "指向它（例如 MORVANE_COM1=<路径>）。一直运行，直到以 SIGTERM 或 SIGINT（Ctrl+C）\n"
        "结束。\n"
        "\n"
        "模块保存用户及其权限和特征值，按 01、02、03 或 06 步录入，比对（0B 0C 42 43 44\n"
        "46），上传（23 31 06），采集图像（24），存储（41），回答 04 05 09 0A 0F 21 22 25\n"
        "26 28 2B 2C 2F 38 39 3B，收到 2C 后休眠直到重新启动，并接受程序下载（握手 FF，\n"
        "32 块）。不属于任何帧的字节被跳过；数据包或下载块中断 500 毫秒未续完时，按坏包\n"
        "回答。\n"
        "\n"
        "传感器上放着一根手指：启动时是最后一个预置用户的手指，每次录入的第一次采集（01）\n"
        "时换成一根新手指。比对只在特征值完全相同时成功：手指的或下传的特征值与存储的用户\n"
        "比对，或下传的特征值与手指比对。图像（24）显示这根手指。下载块的应答为\n"
        "F5 FF 00 k p3 00 chk F5：p3 为 00 已保存，01 校验错，02 被 --nak-every 拒绝，\n"
        "03 不完整，04 无此块；保存第 31 块后下载结束。\n"
        "\n"
        "选项：\n");
    for (const COptionEntry& entry : OptionEntries()) {
        QString head = QStringLiteral("  --") + QLatin1String(entry.name);
        if (entry.valueName)
            head += QLatin1Char(' ') + QLatin1String(entry.valueName);
        if (entry.name == QLatin1String("help"))
            head += QStringLiteral(", -h");
        text += head + QLatin1Char('\n') + QStringLiteral("      ") +
                Wrapped(CSimTexts::tr(entry.help), 6, 92) + QLatin1Char('\n');
    }
    return text;
}

} // namespace sim
