#include "command_line.h"

#include "lang/language_translators.h"
#include "morvane_app.h"
#include "version/build_version.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace {
class CCommandLineTexts {
    Q_DECLARE_TR_FUNCTIONS(CCommandLineTexts)
};

QString WindowHelp() {
    return CCommandLineTexts::tr(
        "用法：morvane [--help] [--version] [--lang zh|en] [Qt 选项]\n"
        "\n"
        "Morvane 的窗口，串口上脱机指纹模块的上位机工具：模块测试台（模块的每个命令、\n"
        "特征值文件、指纹图像、批量存储和备份）、通讯设置（PC 的串口和波特率、模块的\n"
        "波特率）和程序下载（将新的固件下载到模块的 DSP）。启动时显示模块测试台，使用\n"
        "COM1，19200 bit/s。\n"
        "\n"
        "COM1 至 COM8 对应找到的串口设备，USB 和 ACM 适配器在前；环境变量\n"
        "MORVANE_COMn=DEVICE 让 COMn 改为对应 DEVICE，例如 morvane-sim 的伪终端。打开串口\n"
        "设备需要属于 dialout 组。\n"
        "\n"
        "选项：\n"
        "  -h, --help\n"
        "      显示本说明后退出。\n"
        "  --version\n"
        "      显示版本（及构建所用的 git 修订）后退出。\n"
        "  --lang zh|en\n"
        "      本次运行的语言：zh 中文，en 英文；不给出时按“帮助 → 语言”中的选择，\n"
        "      或跟随系统的语言。\n"
        "\n"
        "也接受 Qt 自己的选项（-platform、-style、-reverse 等）。\n"
        "\n"
        "morvane-cli 在命令行上完成模块的操作；morvane-sim 在伪终端上扮演一个模块。\n");
}

bool Is(const char* argument, const char* option) {
    return std::strcmp(argument, option) == 0;
}

// The help in the window's language, read with a core application of its own.
int PrintHelp(int argc, char** argv) {
    QCoreApplication core(argc, argv);
    const CLanguageTranslators language(
        CMorvaneApp::WindowLanguage(LanguageArgument(QCoreApplication::arguments())));
    std::fputs(WindowHelp().toUtf8().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
} // namespace

int AnswerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (Is(argv[i], "--version")) {
            std::printf("%s\n", VersionLine("morvane").c_str());
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (Is(argv[i], "--help") || Is(argv[i], "-h"))
            return PrintHelp(argc, argv);
    }
    return -1;
}
