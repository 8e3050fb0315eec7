#pragma once
// "通信记录": the dockable window of the main frame that shows the communication log, with
// "清除" (clear), "保存…" (save as a text file), "导出CSV…" (the frames, one a row) and
// "记录到文件" (append every entry to a chosen file as it comes); below them "显示" (everything,
// the frames only, the errors only), a search for text or hexadecimal bytes with "上一个" and
// "下一个", "上一个错误", "下一个错误" and "复制" (the selected rows). The log is kept only while
// the window is open or a file is being recorded to; otherwise the serial controls record nothing.
#include <QDockWidget>

class CCommLog;
class CCommLogView;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CCommLogDock : public QDockWidget {
    Q_OBJECT
public:
    explicit CCommLogDock(QWidget* parent = nullptr);

    CCommLog& Log() { return *m_pLog; }
    // The checkable command that opens and closes the window, checked while it is open.
    QAction* ShowAction() const { return m_pShowAction; }

    CCommLogView& View() { return *m_pView; }

    void OnClear();
    void OnSave();
    void OnSaveCsv();
    void OnRecordToFile();
    void OnFilterChosen();
    // The next (previous) row that holds the search text; false when there is none.
    bool OnFind(bool forward);
    bool OnNextError(bool forward);

private:
    void OnShowChosen();
    void OnVisibilityChanged();
    void UpdateRecording();
    // A write to the file failed: the recording has stopped; the user is told why.
    void OnRecordingFailed(const QString& message);
    void ShowRecordingState();
    QWidget* CreateButtonRow();
    QWidget* CreateFindRow();

    CCommLog* m_pLog;
    CCommLogView* m_pView;
    QAction* m_pShowAction;
    QPushButton* m_pClear = nullptr;
    QPushButton* m_pSave = nullptr;
    QCheckBox* m_pRecordToFile = nullptr;
    QLabel* m_pFileLabel = nullptr;
    QComboBox* m_pFilter = nullptr;
    QLineEdit* m_pFind = nullptr;
};
