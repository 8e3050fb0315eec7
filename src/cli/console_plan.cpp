#include "console_plan.h"

#include "console/feature_files.h"
#include "protocol/buffers.h"

#include <QFileInfo>
#include <functional>
#include <map>

namespace {
using Planner = std::function<bool(const CCliRequest&, CConsolePlan&, QString*)>;

// A 16-bit number into parameters 1 and 2 (high and low byte): a user number, or a count.
bool SetUser(const QString& text, CConsolePlan& plan, QString* error, const char* name = "USER") {
    const std::optional<unsigned> user = ParseNumber(text, 0, 0xFFFF);
    if (!user) {
        *error = QStringLiteral("%1 must be a number from 0 to 65535, not '%2'")
                     .arg(QLatin1String(name), text);
        return false;
    }
    plan.inputs.param1 = static_cast<uint16_t>(*user >> 8);
    plan.inputs.param2 = static_cast<uint16_t>(*user & 0xFF);
    return true;
}

// A byte option or argument into parameter 3; `fallback` when it is not given.
bool SetParam3(const QString& text, bool given, unsigned fallback, CConsolePlan& plan,
               QString* error) {
    const std::optional<unsigned> value = given ? ParseNumber(text, 0, 0xFF) : fallback;
    if (!value) {
        *error = QStringLiteral("'%1' is not a number from 0 to 255").arg(text);
        return false;
    }
    plan.inputs.param3 = static_cast<uint16_t>(*value);
    return true;
}

// The feature file is read as it will be sent, so that a missing or short one stops here with
// the console's own message.
bool SetFeatureFile(const QString& path, CConsolePlan& plan, QString* error) {
    uint8_t scratch[kTxBufferSize] = {};
    *error = LoadFeatureFiles(path, false, scratch);
    plan.featurePath = path;
    return error->isEmpty();
}

void SaveTo(ESavedReply saved, const QString& path, CConsolePlan& plan) {
    plan.saved = saved;
    plan.outputPath = path;
}

bool Operation(CConsolePlan& plan, EOperation operation) {
    plan.inputs.operation = OperationIndex(operation);
    return true;
}

const std::map<QString, Planner>& Planners() {
    using R = const CCliRequest&;
    using P = CConsolePlan&;
    static const std::map<QString, Planner> planners = {
        {QStringLiteral("count"),
         [](R r, P p, QString*) {
             p.inputs.queryCapacity = r.Has("--capacity");
             return Operation(p, EOperation::UserCount);
         }},
        {QStringLiteral("version"),
         [](R, P p, QString*) { return Operation(p, EOperation::Version); }},
        {QStringLiteral("users"),
         [](R, P p, QString*) { return Operation(p, EOperation::UserList); }},
        {QStringLiteral("privilege"),
         [](R r, P p, QString* e) {
             return Operation(p, EOperation::UserPrivilege) && SetUser(r.arguments[0], p, e);
         }},
        {QStringLiteral("enrol"),
         [](R r, P p, QString* e) {
             p.inputs.enrolFirstStep = true;
             p.enrolment.captureTwice = r.Has("--twice");
             p.enrolment.uploadFeature = r.Has("--upload");
             if (r.Has("--upload"))
                 SaveTo(ESavedReply::Feature, r.Option("--upload"), p);
             return Operation(p, EOperation::Enrol) && SetUser(r.arguments[0], p, e) &&
                    SetParam3(r.Option("--privilege"), r.Has("--privilege"), 1, p, e);
         }},
        {QStringLiteral("delete"),
         [](R r, P p, QString* e) {
             return Operation(p, EOperation::DeleteUser) && SetUser(r.arguments[0], p, e);
         }},
        {QStringLiteral("delete-all"),
         [](R r, P p, QString* e) {
             return Operation(p, EOperation::DeleteAllUsers) &&
                    SetParam3(r.Option("--privilege-class"), r.Has("--privilege-class"), 0, p, e);
         }},
        {QStringLiteral("compare"),
         [](R r, P p, QString* e) {
             return Operation(p, EOperation::CompareOne) && SetUser(r.arguments[0], p, e);
         }},
        {QStringLiteral("search"),
         [](R, P p, QString*) { return Operation(p, EOperation::CompareAll); }},
        {QStringLiteral("capture-feature"),
         [](R r, P p, QString*) {
             SaveTo(ESavedReply::Feature, r.arguments[0], p);
             return Operation(p, EOperation::CaptureUpload);
         }},
        {QStringLiteral("upload"),
         [](R r, P p, QString* e) {
             SaveTo(ESavedReply::Feature, r.arguments[1], p);
             return Operation(p, EOperation::UploadUser) && SetUser(r.arguments[0], p, e);
         }},
        {QStringLiteral("store"),
         [](R r, P p, QString* e) {
             return Operation(p, EOperation::StoreFeature) && SetUser(r.arguments[0], p, e) &&
                    SetParam3(r.Option("--privilege"), r.Has("--privilege"), 1, p, e) &&
                    SetFeatureFile(r.arguments[1], p, e);
         }},
        {QStringLiteral("image"),
         [](R r, P p, QString*) {
             p.inputs.highResolution = r.Has("--high");
             SaveTo(ESavedReply::Image, r.arguments[0], p);
             return Operation(p, EOperation::CaptureImage);
         }},
        {QStringLiteral("level"),
         [](R r, P p, QString* e) {
             const bool given = !r.arguments.isEmpty();
             return Operation(p, EOperation::CompareLevel) &&
                    SetParam3(given ? r.arguments[0] : QString(), given, 0, p, e);
         }},
        {QStringLiteral("brightness"),
         [](R r, P p, QString* e) {
             if (!r.Has("--adjust"))
                 return Operation(p, EOperation::Brightness);
             return Operation(p, EOperation::AdjustBrightness) &&
                    SetParam3(r.Option("--adjust"), true, 0, p, e);
         }},
        {QStringLiteral("records"),
         [](R r, P p, QString* e) {
             return Operation(p, EOperation::NewRecords) &&
                    (!r.Has("--new") || SetUser(r.Option("--new"), p, e, "--new N"));
         }},
        {QStringLiteral("sleep"), [](R, P p, QString*) { return Operation(p, EOperation::Sleep); }},
    };
    return planners;
}
} // namespace

std::optional<CConsolePlan> PlanConsoleCommand(const CCliRequest& request, QString* error) {
    const auto planner = Planners().find(QLatin1String(request.command->name));
    CConsolePlan plan;
    if (planner == Planners().end() || !planner->second(request, plan, error))
        return std::nullopt;
    return plan;
}

QString PortOutputPath(const QString& path, const QString& port, int portCount) {
    if (portCount <= 1)
        return path;
    const QFileInfo file(path);
    const QString folder = path.left(path.size() - file.fileName().size()); // as given
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    return folder + file.completeBaseName() + QLatin1Char('-') + QFileInfo(port).fileName() +
           suffix;
}
