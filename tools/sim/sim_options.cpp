#include "sim_options.h"

#include "fingerprint_image.h"

#include <functional>

namespace sim {

namespace {
using Setter = std::function<bool(CSimOptions&, const QString&)>;

struct COptionEntry {
    const char* name;
    const char* valueName; // nullptr: a switch without value
    const char* help;
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
        {"link", "PATH", "Also make PATH a symbolic link to the device (replaces an old link).",
         [](CSimOptions& o, const QString& v) { return SetPath(o.linkPath, v); }},
        {"log", "PATH",
         "Write every frame received and sent to PATH, one line each: seconds since start, RX or "
         "TX, the kind when it is not a plain frame (garbage, bad, truncated, block, noise) and "
         "the bytes in hexadecimal. Lines marked NOTE say how a frame was handled.",
         [](CSimOptions& o, const QString& v) { return SetPath(o.logPath, v); }},
        {"image", "WxH",
         "Sensor size: one of 304x304 280x280 256x280 256x256 196x196 160x208 248x280 280x240 "
         "240x312 248x296 256x292 256x296 200x264, or 80x80 (always 6400 bytes, one per pixel). "
         "Default 256x280.",
         [](CSimOptions& o, const QString& v) { return ParseImageSize(v, o.module.imageSize); }},
        {"users", "N",
         "Start with users 1..N (privilege 1) holding deterministic feature values; the finger "
         "of user N lies on the sensor. Default 0.",
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 0, 0xFFFF, o.module.prefilledUsers);
         }},
        {"capacity", "N", "Size of the user database, 1 to 65535. Default 1000.",
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 1, 0xFFFF, o.module.capacity);
         }},
        {"version-text", "TEXT",
         "Version text answered to 0x26. Default MORVANE-SIM FP V2.0. A completed download "
         "changes it to the text after \"VER=\" in the program image, when the image has one.",
         [](CSimOptions& o, const QString& v) {
             o.module.versionText = v;
             return !v.isEmpty() && v.size() < 256;
         }},
        {"module-rate", "RATE",
         "The module talks only at RATE (9600, 19200, 38400, 57600 or 115200) until the rate "
         "command changes it: a frame sent while the host has set the device to another rate is "
         "lost, as on a real line, and gets no answer. Default: the host's rate, whatever it is.",
         [](CSimOptions& o, const QString& v) {
             static const QStringList kRates{"9600", "19200", "38400", "57600", "115200"};
             o.module.rateIndex = uint8_t(kRates.indexOf(v.trimmed()) + 1);
             o.module.strictRate = true;
             return o.module.rateIndex > 0;
         }},
        {"seed", "S",
         "Seed of the feature values, images and noise (decimal or 0x hex). Default 1.", SetSeed},
        {"rc", "CMD=VALUE",
         "Answer command CMD with the bare 8-byte reply carrying result code VALUE (both hex), "
         "without carrying the command out. May be repeated.",
         SetForcedResult},
        {"mute", "CMD", "Ignore command CMD (hex): no answer, no effect. May be repeated.",
         SetMuted},
        {"reply", "CMD=HEX",
         "Answer command CMD (hex) with the bytes HEX as they stand, without carrying it out: a "
         "reply to another command, or noise. May be repeated.",
         SetRawReply},
        {"cut", "CMD=N",
         "Send only the first N bytes of each reply to command CMD (hex), as a module that stops "
         "in the middle of it. May be repeated.",
         SetCutReply},
        {"hang-up-at", "K",
         "On the K-th frame received, go away without answering it: the line is closed and the "
         "simulator ends, as a module unplugged in the middle of an exchange.",
         [](CSimOptions& o, const QString& v) { return ParseCount(v, 1, 1000000, o.hangUpAt); }},
        {"split-ms", "N", "Send each reply in two pieces with a pause of N ms between them.",
         [](CSimOptions& o, const QString& v) { return ParseCount(v, 0, 60000, o.splitMs); }},
        {"chunk", "BYTES",
         "Deliver everything sent in pieces of BYTES bytes, each written once its bytes would "
         "have crossed the line at 10 bits a byte, as USB serial adapters hand data over in "
         "packets. The rate is the one the host set on the pseudo-terminal, or the module's own "
         "(19,200 until the rate command changes it) when that is not one of 9,600 to 115,200.",
         [](CSimOptions& o, const QString& v) { return ParseCount(v, 1, 65536, o.chunkBytes); }},
        {"latency-ms", "N",
         "With --chunk: hold a last piece shorter than BYTES N ms more, as an adapter holds a "
         "packet that is not full until its latency timer runs out.",
         [](CSimOptions& o, const QString& v) { return ParseCount(v, 0, 1000, o.latencyMs); }},
        {"stream", "RATE",
         "From the first frame received on, answer nothing and send noise (never 0xF5) without "
         "end: RATE bytes a second without a pause, or with 0 as fast as the device takes "
         "them, as a USB device that ignores the line rate can.",
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 0, 100000000, o.streamRate);
         }},
        {"noise", "N", "Send N bytes of noise (never 0xF5) before each download acknowledgement.",
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 0, 4096, o.faults.noiseBytes);
         }},
        {"nak-every", "K",
         "Refuse every K-th download block that arrives (p3 = 02), whatever its check.",
         [](CSimOptions& o, const QString& v) {
             return ParseCount(v, 1, 1000000, o.faults.nakEvery);
         }},
        {"flash-out", "PATH",
         "After the last block of a download, write the received 131,072-byte program image "
         "to PATH (blocks never kept read as FF).",
         [](CSimOptions& o, const QString& v) { return SetPath(o.flashOutPath, v); }},
        {"dump-users", "PATH",
         "When ended, write the stored users to PATH, one line each in ascending user number: "
         "the user number, the privilege and the 193-byte feature value in hexadecimal.",
         [](CSimOptions& o, const QString& v) { return SetPath(o.userDumpPath, v); }},
        {"version", nullptr, "Show the version (and the git revision it was built from) and exit.",
         [](CSimOptions& o, const QString&) {
             o.version = true;
             return true;
         }},
        {"help", nullptr, "Show this text and exit.",
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

QString Wrapped(const QString& text, int indent, int width) {
    QString out;
    int column = indent;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (column > indent && column + 1 + word.size() > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (column > indent) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += int(word.size());
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
            error = QStringLiteral("unexpected argument '%1'").arg(argument);
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
            error = QStringLiteral("unknown option --%1").arg(name);
            return false;
        }
        if (entry->valueName && !hasValue) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("--%1 needs %2").arg(name, QLatin1String(entry->valueName));
                return false;
            }
            value = arguments[++i];
        }
        if (!entry->set(options, value)) {
            error = QStringLiteral("invalid value '%1' for --%2").arg(value, name);
            return false;
        }
    }
    if (options.module.prefilledUsers > options.module.capacity) {
        error = QStringLiteral("--users %1 is more than the capacity %2")
                    .arg(options.module.prefilledUsers)
                    .arg(options.module.capacity);
        return false;
    }
    return true;
}

QString SimHelpText() {
    QString text = QStringLiteral(
        "Usage: morvane-sim [options]\n"
        "\n"
        "Plays a stand-alone fingerprint module on a pseudo-terminal. The first line of standard\n"
        "output is the device path; point the host's serial port at it (for example\n"
        "MORVANE_COM1=<path>). Serves until ended with SIGTERM or SIGINT (Ctrl+C).\n"
        "\n"
        "The module keeps users with privilege and feature value, enrols in steps 01, 02, 03 or\n"
        "06, compares (0B 0C 42 43 44 46), uploads (23 31 06), captures images (24), stores (41),\n"
        "answers 04 05 09 0A 0F 21 22 25 26 28 2B 2C 2F 38 39 3B, sleeps after 2C until\n"
        "restarted, and takes a program download (handshake FF, 32 blocks). Bytes that fit no\n"
        "frame are skipped; a data packet or block that stops short for 500 ms is answered as a\n"
        "bad one.\n"
        "\n"
        "A finger lies on the sensor: the last pre-filled user's at start, and a new finger at\n"
        "each first enrolment capture (01). Comparisons succeed exactly when feature values are\n"
        "equal: the finger's or the downloaded ones against stored users, or downloaded ones\n"
        "against the finger. Images (24) show the finger. Download blocks are acknowledged\n"
        "F5 FF 00 k p3 00 chk F5: p3 00 kept, 01 bad check, 02 refused by --nak-every,\n"
        "03 truncated, 04 no such block; block 31 kept ends the download.\n"
        "\n"
        "Options:\n");
    for (const COptionEntry& entry : OptionEntries()) {
        QString head = QStringLiteral("  --") + QLatin1String(entry.name);
        if (entry.valueName)
            head += QLatin1Char(' ') + QLatin1String(entry.valueName);
        if (entry.name == QLatin1String("help"))
            head += QStringLiteral(", -h");
        text += head + QLatin1Char('\n') + QStringLiteral("      ") +
                Wrapped(QLatin1String(entry.help), 6, 92) + QLatin1Char('\n');
    }
    return text;
}

} // namespace sim
