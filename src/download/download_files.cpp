// The file handlers of the download panel: the two .dat loaders and the .bin writer.
#include "download_panel.h"

#include "bin_writer.h"
#include "download_texts.h"
#include "half_loader.h"

#include "widgets/cool_button.h"
#include "widgets/file_folders.h"
#include "widgets/prompts.h"

#include <QLineEdit>

using namespace DownloadTexts;

void CDownloadDlg::OnBrowse28000() {
    if (IsDownloadUnderWay())
        return;
    // Even a cancelled dialog leaves 开始下载 disabled until a load enables it again.
    m_pStartDownload->setEnabled(false);
    LoadHalf(EProgramHalf::Half28000);
}

void CDownloadDlg::OnBrowse38000() {
    if (IsDownloadUnderWay())
        return;
    LoadHalf(EProgramHalf::Half38000);
}

void CDownloadDlg::LoadHalf(EProgramHalf half) {
    // A typed name of a missing file comes back too, and is reported as "无法打开 " + path.
    const QString path = ChooseOpenFile(
        this, CFileDialogOptions{kDatFilter, kDatSuffix, {}, false, EFileKind::ProgramData});
    if (path.isEmpty())
        return;
    const QString failure = LoadProgramHalfText(half, path);
    if (!failure.isEmpty()) {
        ShowMessage(this, failure);
        ClearHalf(half);
        return;
    }
    PathOf(half) = path;
    EditOf(half)->setText(path);
    m_Exchange.SetProgramLoaded(BothHalvesLoaded());
    if (BothHalvesLoaded()) {
        m_pStartDownload->setEnabled(true);
        m_pGenerateBin->setEnabled(true);
    }
}

// After a failed load the half counts as not loaded, whatever its bytes hold now.
void CDownloadDlg::ClearHalf(EProgramHalf half) {
    PathOf(half).clear();
    EditOf(half)->setText(QString());
    m_Exchange.SetProgramLoaded(false);
    m_pStartDownload->setEnabled(false);
    m_pGenerateBin->setEnabled(false);
}

void CDownloadDlg::OnGenerateBin() {
    const QString path = ChooseSaveFile(
        this, CFileDialogOptions{kBinFilter, kBinSuffix, {}, true, EFileKind::ProgramImage});
    if (path.isEmpty())
        return;
    const QString failure = WriteBinFile(path);
    if (!failure.isEmpty())
        ShowMessage(this, failure);
}
