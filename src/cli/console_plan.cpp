#include "console_plan.h"

#include "console/batch_folder_scan.h"
#include "console/feature_files.h"
#include "console/image_names.h"
#include "protocol/buffers.h"

#include <QFileInfo>
#include <functional>
#include <map>

namespace {
using Planner = std::function<bool(const CCliRequest&, CConsolePlan&, QString*)>;

// The numbers come checked against their ranges by the command line (command_table.cpp).

// A 16-bit number into parameters 1 and 2 (high and low byte): a user number, or a count.
bool SetUser(unsigned user, CConsolePlan& plan) {
    plan.inputs.param1 = static_cast<uint16_t>(user >> 8);
    plan.inputs.param2 = static_cast<uint16_t>(user & 0xFF);
    return true;
}

// A byte into parameter 3.
bool SetParam3(unsigned value, CConsolePlan& plan) {
    plan.inputs.param3 = static_cast<uint16_t>(value);
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
         [](R r, P p, QString*) {
             return Operation(p, EOperation::UserPrivilege) && SetUser(r.Number("USER"), p);
         }},
        {QStringLiteral("enrol"),
         [](R r, P p, QString*) {
             p.inputs.enrolFirstStep = true;
             p.enrolment.captureTwice = r.Has("--twice");
             p.enrolment.uploadFeature = r.Has("--upload");
             if (r.Has("--upload"))
                 SaveTo(ESavedReply::Feature, r.Option("--upload"), p);
             return Operation(p, EOperation::Enrol) && SetUser(r.Number("USER"), p) &&
                    SetParam3(r.Number("--privilege", 1), p);
         }},
        {QStringLiteral("delete"),
         [](R r, P p, QString*) {
             return Operation(p, EOperation::DeleteUser) && SetUser(r.Number("USER"), p);
         }},
        {QStringLiteral("delete-all"),
         [](R r, P p, QString*) {
             return Operation(p, EOperation::DeleteAllUsers) &&
                    SetParam3(r.Number("--privilege-class"), p);
         }},
        {QStringLiteral("compare"),
         [](R r, P p, QString*) {
             return Operation(p, EOperation::CompareOne) && SetUser(r.Number("USER"), p);
         }},
        {QStringLiteral("search"),
         [](R, P p, QString*) { return Operation(p, EOperation::CompareAll); }},
        {QStringLiteral("capture-feature"),
         [](R r, P p, QString*) {
             SaveTo(ESavedReply::Feature, r.arguments[0], p);
             return Operation(p, EOperation::CaptureUpload);
         }},
        {QStringLiteral("upload"),
         [](R r, P p, QString*) {
             SaveTo(ESavedReply::Feature, r.arguments[1], p);
             return Operation(p, EOperation::UploadUser) && SetUser(r.Number("USER"), p);
         }},
        {QStringLiteral("store"),
         [](R r, P p, QString* e) {
             return Operation(p, EOperation::StoreFeature) && SetUser(r.Number("USER"), p) &&
                    SetParam3(r.Number("--privilege", 1), p) &&
                    SetFeatureFile(r.arguments[1], p, e);
         }},
        {QStringLiteral("image"),
         [](R r, P p, QString* e) {
             *e = ImageNameRefusal(r.arguments[0]); // before the module is asked for an image
             if (!e->isEmpty())
                 return false;
             p.inputs.highResolution = r.Has("--high");
             SaveTo(ESavedReply::Image, r.arguments[0], p);
             return Operation(p, EOperation::CaptureImage);
         }},
        {QStringLiteral("level"),
         [](R r, P p, QString*) {
             return Operation(p, EOperation::CompareLevel) && SetParam3(r.Number("N"), p);
         }},
        {QStringLiteral("brightness"),
         [](R r, P p, QString*) {
             if (!r.Has("--adjust"))
                 return Operation(p, EOperation::Brightness);
             return Operation(p, EOperation::AdjustBrightness) &&
                    SetParam3(r.Number("--adjust"), p);
         }},
        {QStringLiteral("records"),
         [](R r, P p, QString*) {
             return Operation(p, EOperation::NewRecords) && SetUser(r.Number("--new"), p);
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

QString PlanFolderStore(const QString& folder, CConsolePlan& plan) {
    plan.inputs.operation = OperationIndex(EOperation::StoreFeature);
    plan.inputs.enrolFirstStep = true;
    QString failure = SortedBatchFileNames(folder, kMaxStoreUser, &plan.batchFiles);
    for (int first = 0; failure.isEmpty() && first < plan.batchFiles.size();
         first += kBatchCapacity) {
        auto batch = std::make_shared<CBatchList>();
        failure = LoadBatchFiles(folder, plan.batchFiles.mid(first, kBatchCapacity), kMaxStoreUser,
                                 batch.get());
        plan.batches.push_back(std::move(batch));
    }
    return failure;
}
