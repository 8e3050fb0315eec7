// Where feature files, the fingerprint image and batch storage meet the test panel: the panel's
// handlers and steps that hand over to them.
#include "module_test_panel.h"

#include "batch_folder_scan.h"
#include "feature_files.h"
#include "finger_image_button.h"
#include "image_decoder.h"

#include "protocol/packets.h"
#include "widgets/file_folders.h"
#include "widgets/prompts.h"
#include <QCoreApplication>

// The batch limit's question, translated as one context.
class CBatchLimitTexts {
    Q_DECLARE_TR_FUNCTIONS(CBatchLimitTexts)
};

void CModuleTestDlg::OnBrowseFeature() {
    const QString path = ChooseOpenFile(this, FeatureFileDialogOptions());
    if (path.isEmpty())
        return;
    Pull();
    m_strFeaturePath = path;
    Push();
}

void CModuleTestDlg::OnSaveFeature() {
    const QString path = ChooseSaveFile(this, FeatureFileDialogOptions());
    if (path.isEmpty())
        return;
    // The feature value of the last reply, as it stands in the receive buffer.
    const QString failure =
        SaveFeatureValue(path, Session().ReplyCycle()->RxBuffer() + kFeatureOffset);
    if (!failure.isEmpty())
        ShowMessage(this, failure);
}

void CModuleTestDlg::DecodeFingerImage(const QByteArray& reply) {
    const CImageDisplay display = DecodeImageReply(
        reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size()), g_ImageCanvas);
    ImageControl().SetImage(g_ImageCanvas, display.width, display.height);
    m_ImageRegion = display.image;
    m_strImageFault =
        ImageReplyFault(reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size()));
    m_pSaveImage->setEnabled(true);
}

void CModuleTestDlg::OnBatchStore() {
    m_Backup.Stop();
    const QString failure = m_Console.Batch().Load(BatchFolder());
    if (!failure.isEmpty()) {
        ShowMessage(this, failure);
        return;
    }
    if (!TakePartOfTheFolder()) {
        m_Console.Batch().End();
        return;
    }
    m_bEnrolFirstStep = true;
    Pull();
    m_nOperation = OperationIndex(EOperation::StoreFeature);
    m_nBatchTotal = m_Console.Batch().Total();
    m_nBatchCurrent = 1;
    Push();
    BuildCommand();
    m_Console.Batch().Begin();
}

// A batch holds kBatchCapacity files: before anything is sent, the user hears how many of the
// folder's files it leaves out, and chooses whether the batch goes on without them.
bool CModuleTestDlg::TakePartOfTheFolder() {
    const int leftOut = m_Console.Batch().LeftOut();
    if (leftOut == 0)
        return true;
    const QString question =
        CBatchLimitTexts::tr(
            "文件夹中有 %1 个特征值文件，一批最多存储 %2 个：按找到的顺序存储前 %2 "
            "个，其余 %3 个文件不存储。\n确定：存储这 %2 个；取消：不存储。")
            .arg(kBatchCapacity + leftOut)
            .arg(kBatchCapacity)
            .arg(leftOut);
    return AskUnlessOpen(this, question).value_or(false);
}

QString CModuleTestDlg::BatchFolder() const {
    return m_strBatchFolder.isEmpty() ? RememberedFolder(EFileKind::Batch) : m_strBatchFolder;
}

// The total was shown when the batch started; only the current item changes.
void CModuleTestDlg::ShowBatchProgress(unsigned /*total*/, unsigned current) {
    m_nBatchCurrent = current;
    Push();
}
