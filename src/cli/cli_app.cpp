#include "cli_app.h"

#include "cli_texts.h"
#include "interrupt_watch.h"
#include "local_commands.h"
#include "port_choice.h"
#include "port_runner.h"
#include "result_printer.h"
#include "terminal.h"

#include "download/bin_writer.h"
#include "download/download_texts.h"
#include "serial/port_map.h"
#include "serial/rate_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <memory>
#include <optional>

namespace {
// "COM3" is the device bound to port 3; anything else is a device path. A relative path that
// exists from the current folder is that file; any other relative name is a device under /dev
// ("ttyUSB0"), as the serial library takes it.
void ResolvePort(const QString& port, CPortTask& task) {
    static const QRegularExpression kComName(QStringLiteral("^COM([1-8])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    task.port = port;
    task.device = port;
    const QFileInfo file(port);
    if (file.isRelative() && file.exists())
        task.device = file.absoluteFilePath();
    const QRegularExpressionMatch com = kComName.match(port);
    if (!com.hasMatch())
        return;
    task.comNumber = com.captured(1).toInt();
    task.device = DeviceForPort(task.comNumber);
}

// What every port's task shares, prepared once; "" or the usage error.
QString PrepareTask(const CCliRequest& request, CPortTask& task) {
    task.kind = request.command->kind;
    task.lineRateIndex = request.rateIndex;
    task.rateAuto = request.rateAuto;
    task.timeoutMs = request.timeoutMs;
    task.verbose = request.verbose;
    task.yes = request.yes;
    QString error;
    switch (task.kind) {
    case ECommandKind::Console:
        if (const std::optional<CConsolePlan> plan = PlanConsoleCommand(request, &error))
            task.plan = *plan;
        return error;
    case ECommandKind::StoreFolder:
        task.plan.skipExistingUsers = request.Has("--skip-existing");
        return PlanFolderStore(request.arguments[0], task.plan);
    case ECommandKind::Backup:
        // As the panel refuses it: a folder that cannot be written to, before the module is asked.
        task.folder = request.arguments[0];
        return QDir().mkpath(task.folder) && QFileInfo(task.folder).isWritable()
                   ? QString()
                   : CCliTexts::tr("无法写入 %1").arg(QDir::toNativeSeparators(task.folder));
    case ECommandKind::SetRate:
        task.moduleRateIndex = RateIndexOf(request.arguments[0]);
        return task.moduleRateIndex
                   ? QString()
                   : CCliTexts::tr("RATE 只能是 9600、19200、38400、57600 或 115200");
    case ECommandKind::Flash:
        task.expectVersion = request.Has("--expect-version")
                                 ? std::optional(request.Option("--expect-version"))
                                 : std::nullopt;
        error = LoadProgramFiles(request.arguments[0], request.arguments[1]);
        if (error.isEmpty() && request.Has("--bin"))
            error = WriteBinFile(request.Option("--bin"));
        return error;
    default:
        return QString();
    }
}

// A port's own output file or folder, so that several ports never write the same one.
CPortTask TaskForPort(const CPortTask& shared, const QString& port, int portCount) {
    CPortTask task = shared;
    ResolvePort(port, task);
    if (!task.plan.outputPath.isEmpty())
        task.plan.outputPath = PortOutputPath(task.plan.outputPath, port, portCount);
    if (!task.folder.isEmpty() && portCount > 1) {
        task.folder = QDir(task.folder).filePath(QFileInfo(port).fileName());
        QDir().mkpath(task.folder);
    }
    return task;
}

class CPortSet {
public:
    CPortSet(const CCliRequest& request, CResultPrinter& printer)
        : m_request(request), m_printer(printer) {}
    ~CPortSet() {
        for (auto& [thread, runner] : m_ports) {
            thread->quit();
            thread->wait();
        }
    }

    void Start(const CPortTask& shared) {
        // Every port is resolved before any thread starts: the port map is only read meanwhile.
        const int count = static_cast<int>(m_request.ports.size());
        std::vector<CPortTask> tasks;
        for (const QString& port : m_request.ports)
            tasks.push_back(TaskForPort(shared, port, count));
        for (const CPortTask& task : tasks) {
            const QString port = task.port;
            auto thread = std::make_unique<QThread>();
            auto runner = std::make_unique<CPortRunner>(task);
            runner->moveToThread(thread.get());
            CPortRunner* raw = runner.get();
            QObject::connect(thread.get(), &QThread::started, raw, &CPortRunner::Run);
            QObject::connect(raw, &CPortRunner::Progress, qApp, [this, port](int done, int total) {
                m_printer.ShowProgress(port, done, total);
            });
            QObject::connect(raw, &CPortRunner::Finished, qApp, [this, raw] { OnFinished(*raw); });
            thread->start();
            m_ports.emplace_back(std::move(thread), std::move(runner));
        }
    }

    void Interrupt(int signal) {
        const int code = InterruptExitCode(signal);
        PrintError(CCliTexts::tr("%1：正在停止每个串口上的命令").arg(InterruptWords(code)));
        for (auto& [thread, runner] : m_ports)
            QMetaObject::invokeMethod(
                runner.get(), [port = runner.get(), code] { port->Interrupt(code); },
                Qt::QueuedConnection);
    }

    int ExitCode() const { return m_nExit; }

private:
    void OnFinished(const CPortRunner& runner) {
        CPortResult result = runner.Result();
        result.command = QLatin1String(m_request.command->name);
        if (result.code == kExitPort) // what could have been meant
            result.text +=
                CCliTexts::tr("；现有串口设备：%1").arg(SerialDeviceNames(SerialDevices()));
        m_printer.PrintResult(result);
        m_nExit = std::max(m_nExit, result.code);
        if (++m_nFinished < static_cast<int>(m_ports.size()))
            return;
        if (m_ports.size() > 1)
            m_printer.PrintSummary();
        QCoreApplication::exit(m_nExit);
    }

    const CCliRequest& m_request;
    CResultPrinter& m_printer;
    std::vector<std::pair<std::unique_ptr<QThread>, std::unique_ptr<CPortRunner>>> m_ports;
    int m_nFinished = 0;
    int m_nExit = kExitOk;
};

EProgressStyle ProgressStyle(const CCliRequest& request) {
    if (request.progressJson)
        return EProgressStyle::Json;
    return IsTerminal(stderr) && !request.verbose ? EProgressStyle::Bars : EProgressStyle::Lines;
}

// A download not confirmed by --yes is asked on the terminal, once for every port and before
// any module is touched, so that no module waits for an answer; without a terminal the module's
// question ends the command unconfirmed, as before.
bool ConfirmOnTerminal(CCliRequest& request) {
    if (request.command->kind != ECommandKind::Flash || request.yes || !IsTerminal(stdin))
        return true;
    const QString question = DownloadTexts::Tr(DownloadTexts::kAskOverwrite);
    request.yes = AskYesNo(question);
    if (!request.yes)
        PrintError(CCliTexts::tr("%1 — 未确认").arg(question));
    return request.yes;
}

int RunOnPorts(CCliRequest request) {
    const CPortChoice chosen = ChoosePorts(request.ports);
    if (chosen.ports.isEmpty()) {
        PrintError(chosen.error);
        return chosen.exitCode;
    }
    request.ports = chosen.ports;
    CPortTask shared;
    const QString error = PrepareTask(request, shared);
    if (!error.isEmpty()) {
        PrintError(error);
        return kExitUsage;
    }
    if (!ConfirmOnTerminal(request))
        return kExitUsage;
    shared.yes = request.yes;
    CResultPrinter printer(request.json, ProgressStyle(request),
                           QLatin1String(request.command->name));
    printer.SetPorts(request.ports);
    CPortSet ports(request, printer);
    WatchInterrupts(qApp, [&ports](int signal) { ports.Interrupt(signal); });
    ports.Start(shared);
    QCoreApplication::exec();
    return ports.ExitCode();
}
} // namespace

int RunCommand(const CCliRequest& request) {
    switch (request.command->kind) {
    case ECommandKind::Ports: {
        const std::vector<CPortResult> ports = ListPorts();
        for (const CPortResult& port : ports)
            WriteText(stdout, ResultLine(port, request.json) + QLatin1Char('\n'));
        if (ports.empty())
            PrintError(CCliTexts::tr("没有找到串口设备"));
        return kExitOk;
    }
    case ECommandKind::MakeBin: {
        const CPortResult result = MakeBin(request);
        WriteText(stdout, ResultLine(result, request.json) + QLatin1Char('\n'));
        return result.code;
    }
    default:
        return RunOnPorts(request);
    }
}
