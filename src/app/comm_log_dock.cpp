#include "comm_log_dock.h"

#include "comm_log_view.h"

#include "serial/comm_log.h"
#include "widgets/file_folders.h"
#include "widgets/prompts.h"
#include "widgets/user_changes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
CFileDialogOptions LogFileDialogOptions(const QString& initialName, bool mustExist) {
    return CFileDialogOptions{QCoreApplication::translate("CCommLogDock", "文本文件 (*.txt)"),
                              QStringLiteral("txt"), initialName, mustExist, EFileKind::Log};
}

QString DatedLogName(const QString& suffix = QStringLiteral("txt")) {
    return QCoreApplication::translate("CCommLogDock", "通信记录-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QLatin1Char('.') + suffix;
}

QPushButton* AddButton(QHBoxLayout* layout, const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption, layout->parentWidget());
    button->setToolTip(tip);
    layout->addWidget(button);
    return button;
}
} // namespace

CCommLogDock::CCommLogDock(QWidget* parent)
    : QDockWidget(tr("通信记录"), parent), m_pLog(new CCommLog(this)) {
    setObjectName(QStringLiteral("commLogDock"));
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(CreateButtonRow());
    column->addWidget(CreateFindRow());
    m_pView = new CCommLogView(*m_pLog, body);
    column->addWidget(m_pView, 1);
    setWidget(body);
    // A command of its own rather than the dock's toggle action, which follows only triggers:
    // a toggle through the accessibility interface opens and closes the window as well.
    m_pShowAction = new QAction(tr("通信记录(&L)"), this);
    m_pShowAction->setCheckable(true);
    m_pShowAction->setStatusTip(tr("显示每个面板串口收发的全部字节"));
    ConnectUserChange(m_pShowAction, this, [this] { OnShowChosen(); });
    connect(this, &QDockWidget::visibilityChanged, this, &CCommLogDock::OnVisibilityChanged);
    connect(m_pLog, &CCommLog::FileRecordingFailed, this, &CCommLogDock::OnRecordingFailed);
    hide();
}

void CCommLogDock::OnShowChosen() {
    setVisible(m_pShowAction->isChecked());
    OnVisibilityChanged();
}

void CCommLogDock::OnVisibilityChanged() {
    SetCheckedQuietly(m_pShowAction, !isHidden());
    UpdateRecording();
}

QWidget* CCommLogDock::CreateButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pClear = new QPushButton(tr("清除"), row);
    m_pSave = new QPushButton(tr("保存…"), row);
    auto* saveCsv = new QPushButton(tr("导出CSV…"), row);
    saveCsv->setToolTip(tr("每帧一行：时间、方向、端口、命令、字段、结果、校验、十六进制"));
    m_pRecordToFile = new QCheckBox(tr("记录到文件"), row);
    m_pFileLabel = new QLabel(row);
    m_pFileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QWidget* widget : {static_cast<QWidget*>(m_pClear), static_cast<QWidget*>(m_pSave),
                            static_cast<QWidget*>(saveCsv), static_cast<QWidget*>(m_pRecordToFile)})
        layout->addWidget(widget);
    layout->addWidget(m_pFileLabel, 1);
    connect(m_pClear, &QPushButton::clicked, this, &CCommLogDock::OnClear);
    connect(m_pSave, &QPushButton::clicked, this, &CCommLogDock::OnSave);
    connect(saveCsv, &QPushButton::clicked, this, &CCommLogDock::OnSaveCsv);
    ConnectUserChange(m_pRecordToFile, this, [this] { OnRecordToFile(); });
    return row;
}

QWidget* CCommLogDock::CreateFindRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("显示(&V)："), row);
    m_pFilter = new QComboBox(row);
    m_pFilter->addItems({tr("全部"), tr("仅帧"), tr("仅错误")});
    label->setBuddy(m_pFilter);
    m_pFind = new QLineEdit(row);
    m_pFind->setPlaceholderText(tr("查找文本或十六进制，如 F5 09"));
    m_pFind->setAccessibleName(tr("查找"));
    m_pFind->setClearButtonEnabled(true);
    layout->addWidget(label);
    layout->addWidget(m_pFilter);
    layout->addWidget(m_pFind, 1);
    const QString findTip = tr("查找记录中的文本，或帧中的字节");
    QPushButton* previous = AddButton(layout, tr("上一个"), findTip);
    QPushButton* next = AddButton(layout, tr("下一个"), findTip);
    const QString errorTip = tr("校验错误、缺少尾字节、不属于任何帧的字节、无应答");
    QPushButton* previousError = AddButton(layout, tr("上一个错误"), errorTip);
    QPushButton* nextError = AddButton(layout, tr("下一个错误"), errorTip);
    QPushButton* copy = AddButton(layout, tr("复制"), tr("复制选中的行"));
    connect(m_pFilter, &QComboBox::currentIndexChanged, this, &CCommLogDock::OnFilterChosen);
    connect(m_pFind, &QLineEdit::returnPressed, this, [this] { OnFind(true); });
    connect(previous, &QPushButton::clicked, this, [this] { OnFind(false); });
    connect(next, &QPushButton::clicked, this, [this] { OnFind(true); });
    connect(previousError, &QPushButton::clicked, this, [this] { OnNextError(false); });
    connect(nextError, &QPushButton::clicked, this, [this] { OnNextError(true); });
    connect(copy, &QPushButton::clicked, this, [this] { m_pView->CopySelection(); });
    return row;
}

void CCommLogDock::OnFilterChosen() {
    m_pView->SetFilter(ECommLogFilter(m_pFilter->currentIndex()));
}

bool CCommLogDock::OnFind(bool forward) {
    const int row =
        m_pLog->Find(m_pView->Filter(), m_pView->CurrentRow(), m_pFind->text(), forward);
    if (row >= 0)
        m_pView->SelectRow(row);
    return row >= 0;
}

bool CCommLogDock::OnNextError(bool forward) {
    const int row = m_pLog->NextError(m_pView->Filter(), m_pView->CurrentRow(), forward);
    if (row >= 0)
        m_pView->SelectRow(row);
    return row >= 0;
}

// The controls record only while somebody looks at the log or a file takes it down.
void CCommLogDock::UpdateRecording() {
    const bool kept = !isHidden() || m_pLog->IsRecordingToFile();
    if (kept)
        g_pCommLog = m_pLog;
    else if (g_pCommLog == m_pLog)
        g_pCommLog = nullptr;
}

void CCommLogDock::OnClear() {
    m_pLog->Clear();
}

void CCommLogDock::OnSave() {
    const QString path =
        ChooseSaveFile(this, LogFileDialogOptions(DatedLogName(), /*mustExist=*/true));
    if (path.isEmpty())
        return;
    const QString failure = m_pLog->SaveAs(path);
    if (!failure.isEmpty())
        ShowMessage(this, failure);
}

void CCommLogDock::OnSaveCsv() {
    // In the folder of the log's other files, as the text log is saved.
    const QString path = ChooseSaveFile(
        this, CFileDialogOptions{tr("CSV 文件 (*.csv)"), QStringLiteral("csv"),
                                 DatedLogName(QStringLiteral("csv")), true, EFileKind::Log});
    if (path.isEmpty())
        return;
    const QString failure = m_pLog->SaveCsv(path);
    if (!failure.isEmpty())
        ShowMessage(this, failure);
}

// Ticked: the file to append to is chosen (an existing one is added to, never emptied);
// unticked: the file is closed.
void CCommLogDock::OnRecordToFile() {
    if (!m_pRecordToFile->isChecked()) {
        m_pLog->StopFileRecording();
    } else {
        const QString path = ChooseOpenFile(this, LogFileDialogOptions(DatedLogName(), false));
        const QString failure = path.isEmpty() ? QString() : m_pLog->StartFileRecording(path);
        if (!failure.isEmpty())
            ShowMessage(this, failure);
        if (!m_pLog->IsRecordingToFile())
            SetCheckedQuietly(m_pRecordToFile, false);
    }
    ShowRecordingState();
}

// The box is unticked at once; the message follows once the serial event that recorded the
// entry has been handled.
void CCommLogDock::OnRecordingFailed(const QString& message) {
    SetCheckedQuietly(m_pRecordToFile, false);
    ShowRecordingState();
    QMetaObject::invokeMethod(
        this, [this, message] { ShowMessage(this, message); }, Qt::QueuedConnection);
}

void CCommLogDock::ShowRecordingState() {
    m_pFileLabel->setText(m_pLog->IsRecordingToFile() ? m_pLog->RecordingPath() : QString());
    UpdateRecording();
}
