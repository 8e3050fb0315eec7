#pragma once
// What a console command asks of the test console's exchange: the operation with the choices the
// panel would show for it, the feature file it sends and the file its reply is saved to. Made
// once from the command line, before any port is opened, so that a wrong number or a missing
// file is a usage error.
#include "cli_arguments.h"

#include "console/batch_folder_scan.h"
#include "console/enrolment_sequence.h"
#include "protocol/command_catalogue.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

enum class ESavedReply {
    None,
    Feature, // the 193 bytes of a 207-byte feature reply, as a .fea file
    Image,   // the decoded image, as a PNG, BMP or JPEG file by its name
};

struct CConsolePlan {
    CBuildInputs inputs;
    CEnrolmentOptions enrolment;
    QString featurePath; // sent with the command; empty for none
    ESavedReply saved = ESavedReply::None;
    QString outputPath;
    // store-folder: every feature file of the folder, in the order they are stored, loaded once
    // as batches of at most kBatchCapacity items that every port stores alike.
    QStringList batchFiles;
    std::vector<std::shared_ptr<const CBatchList>> batches;
    bool skipExistingUsers = false; // a user the module holds already counts as stored
};

// store-folder's plan: every feature file of `folder`, user numbers 0 to 65535 (all the store
// command carries), each file read once into its batch, so that a bad one stops the command
// before any port is opened. "" or the message.
QString PlanFolderStore(const QString& folder, CConsolePlan& plan);

std::optional<CConsolePlan> PlanConsoleCommand(const CCliRequest& request, QString* error);

// The output file of one port: the path itself for a single port; with several, the device's
// name goes before the suffix ("u25.fea" becomes "u25-ttyUSB0.fea"), so that no port overwrites
// another's file.
QString PortOutputPath(const QString& path, const QString& port, int portCount);
