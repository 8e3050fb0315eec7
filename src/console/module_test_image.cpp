// "保存图像…": the last decoded fingerprint image saved as a file, from the image control's
// context menu or the main window's menu; disabled until an image has been decoded.
#include "module_test_panel.h"

#include "finger_image_button.h"
#include "image_decoder.h"

#include "files/file_errors.h"
#include "widgets/file_folders.h"
#include "widgets/prompts.h"

#include <QAction>
#include <QCoreApplication>

// The image command's texts, translated as one context.
class CImageCommandTexts {
    Q_DECLARE_TR_FUNCTIONS(CImageCommandTexts)
};

void CModuleTestDlg::CreateImageActions() {
    m_pSaveImage = new QAction(CImageCommandTexts::tr("保存图像(&I)…"), this);
    m_pSaveImage->setStatusTip(
        CImageCommandTexts::tr("把采集到的指纹图像按原分辨率存为 PNG、BMP 或 JPEG 文件"));
    m_pSaveImage->setEnabled(false);
    connect(m_pSaveImage, &QAction::triggered, this, &CModuleTestDlg::OnSaveImage);
    ImageControl().addAction(m_pSaveImage);
    ImageControl().setContextMenuPolicy(Qt::ActionsContextMenu);
}

// An image cut short or garbled on the line stays on show but is not saved as if it were whole.
void CModuleTestDlg::OnSaveImage() {
    if (!m_pSaveImage->isEnabled())
        return;
    if (!m_strImageFault.isEmpty()) {
        ShowMessage(this,
                    WithReason(CImageCommandTexts::tr("图像不完整，未保存"), m_strImageFault));
        return;
    }
    const QImage image = RegionImage(g_ImageCanvas, m_ImageRegion);
    const QString path =
        ChooseSaveFile(this, ImageFileDialogOptions(DefaultImageFileName(
                                 QDateTime::currentDateTime(), image.width(), image.height())));
    if (path.isEmpty())
        return;
    const QString failure = SaveImageFile(path, image);
    if (!failure.isEmpty())
        ShowMessage(this, failure);
}
