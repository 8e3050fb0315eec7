#include "comm_log_dock.h"

#include "comm_log_view.h"

#include "serial/comm_log.h"
#include "widgets/prompts.h"
#include "widgets/user_changes.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
CFileDialogOptions LogFileDialogOptions(const QString& initialName, bool mustExist) {
    return CFileDialogOptions{QStringLiteral("文本文件 (*.txt)"), QStringLiteral("txt"),
                              initialName, mustExist};
}

QString DatedLogName() {
    return QStringLiteral("通信记录-") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".txt");
}
} // namespace

CCommLogDock::CCommLogDock(QWidget* parent)
    : QDockWidget(QStringLiteral("通信记录"), parent), m_pLog(new CCommLog(this)) {
    setObjectName(QStringLiteral("commLogDock"));
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(CreateButtonRow());
    m_pView = new CCommLogView(*m_pLog, body);
    column->addWidget(m_pView, 1);
    setWidget(body);
    // A command of its own rather than the dock's toggle action, which follows only triggers:
    // a toggle through the accessibility interface opens and closes the window as well.
    m_pShowAction = new QAction(QStringLiteral("通信记录"), this);
    m_pShowAction->setCheckable(true);
    m_pShowAction->setStatusTip(QStringLiteral("显示每个面板串口收发的全部字节"));
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
    m_pClear = new QPushButton(QStringLiteral("清除"), row);
    m_pSave = new QPushButton(QStringLiteral("保存…"), row);
    m_pRecordToFile = new QCheckBox(QStringLiteral("记录到文件"), row);
    m_pFileLabel = new QLabel(row);
    m_pFileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QWidget* widget : {static_cast<QWidget*>(m_pClear), static_cast<QWidget*>(m_pSave),
                            static_cast<QWidget*>(m_pRecordToFile)})
        layout->addWidget(widget);
    layout->addWidget(m_pFileLabel, 1);
    connect(m_pClear, &QPushButton::clicked, this, &CCommLogDock::OnClear);
    connect(m_pSave, &QPushButton::clicked, this, &CCommLogDock::OnSave);
    ConnectUserChange(m_pRecordToFile, this, [this] { OnRecordToFile(); });
    return row;
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
        Prompts().SaveFileName(this, LogFileDialogOptions(DatedLogName(), /*mustExist=*/true));
    if (path.isEmpty())
        return;
    const QString failure = m_pLog->SaveAs(path);
    if (!failure.isEmpty())
        ShowMessage(this, failure);
}

// Ticked: the file to append to is chosen (an existing one is added to, never emptied);
// unticked: the file is closed.
void CCommLogDock::OnRecordToFile() {
    if (!m_pRecordToFile->isChecked()) {
        m_pLog->StopFileRecording();
    } else {
        const QString path =
            Prompts().OpenFileName(this, LogFileDialogOptions(DatedLogName(), false));
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
