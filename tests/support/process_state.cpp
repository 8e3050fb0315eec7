#include "process_state.h"

#include "app/current_panel.h"
#include "console/image_decoder.h"
#include "download/program_image.h"
#include "serial/shared_settings.h"
#include "support/fake_serial_backend.h"

#include <QSettings>
#include <QTemporaryDir>

void ResetProcessState() {
    ResetSerialSettings();
    ResetImageCanvas();
    ResetProgramImage();
    ResetCurrentPanel();
    CFakeSerialBackend::MissingDevices().clear();
    CFakeSerialBackend::RefusedDevices().clear();
    static QTemporaryDir profiles;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profiles.path());
    QSettings().clear();
}
