// Where feature files, the fingerprint image and batch storage meet the test panel: the panel's
// handlers and steps that hand over to them.
#include "module_test_panel.h"

#include "batch_storage.h"
#include "feature_files.h"
#include "finger_image_button.h"
#include "image_decoder.h"

#include "protocol/buffers.h"
#include "protocol/packets.h"
#include "widgets/prompts.h"

#include <QCoreApplication>

namespace {
constexpr int kStoreFeatureOperation = 8; // "存储用户特征值"
}

bool CModuleTestDlg::LoadFeatureFiles() {
    Pull();
    const QString failure = ::LoadFeatureFiles(m_strFeaturePath, m_bTwoFingers != 0, g_TxBuffer);
    if (!failure.isEmpty()) {
        ShowMessage(this, failure);
        return false;
    }
    BuildCommand();
    return true;
}

void CModuleTestDlg::OnBrowseFeature() {
    const QString path = Prompts().OpenFileName(this, FeatureFileDialogSpec());
    if (path.isEmpty())
        return;
    Pull();
    m_strFeaturePath = path;
    Push();
}

void CModuleTestDlg::OnSaveFeature() {
    const QString path = Prompts().SaveFileName(this, FeatureFileDialogSpec());
    if (path.isEmpty())
        return;
    const QString failure = SaveFeatureValue(path, g_RxBuffer + kFeatureOffset);
    if (!failure.isEmpty())
        ShowMessage(this, failure);
}

void CModuleTestDlg::DecodeFingerImage() {
    const CImageDisplay display = DecodeImageReply(g_RxBuffer, g_nRxCount, g_ImageCanvas);
    ImageControl().SetImage(g_ImageCanvas, display.width, display.height);
}

void CModuleTestDlg::OnBatchStore() {
    const QString failure = ScanBatchFolder(QCoreApplication::applicationDirPath());
    if (!failure.isEmpty()) {
        ShowMessage(this, failure);
        return;
    }
    m_bEnrolFirstStep = true;
    Pull();
    m_nOperation = kStoreFeatureOperation;
    m_nBatchTotal = static_cast<unsigned>(g_nBatchCount);
    m_nBatchCurrent = 1;
    Push();
    BuildCommand();
    g_bBatchActive = true;
    SendCommand();
    g_nRxCount = 0;
}

// After every reply: the next item while the batch runs, else the batch flag goes.
void CModuleTestDlg::RunBatchStep() {
    if (g_nBatchPos >= g_nBatchCount) {
        g_bBatchActive = false;
        return;
    }
    ++g_nBatchPos;
    if (g_nBatchPos >= g_nBatchCount)
        return;
    m_nBatchCurrent = static_cast<unsigned>(g_nBatchPos) + 1;
    Push();
    SendCommand();
    g_nRxCount = 0;
}

// A refused store ends the batch; the step after this reply then clears the flag.
void CModuleTestDlg::ShowBatchRefusal(const QString& message) {
    ShowMessage(this, message);
    g_nBatchPos = g_nBatchCount;
}

// "发送命令" ends a batch under way: otherwise the reply to the command sent now would advance
// the batch and send the panel's command again and again until the count was reached.
void CModuleTestDlg::EndBatchOnSend() {
    g_bBatchActive = false;
    g_nBatchPos = g_nBatchCount;
}
