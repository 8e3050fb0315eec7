#pragma once
// The rows of the communication log in a fixed-pitch font, as the chosen filter shows them
// (everything, the frames only, the errors only). Only the rows in sight are painted, straight
// from the log, so a 92,427-byte reply (some 5,800 lines) costs no layout. While the last row is
// in sight the view follows new rows; scrolled up, it stays where it is. Error rows are marked;
// rows are selected with the mouse or the keyboard (arrows, Page Up/Down, Home/End, Shift to
// extend, Ctrl+A) and copied with Ctrl+C.
#include "serial/comm_log.h"

#include <QAbstractScrollArea>

class CCommLogView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CCommLogView(const CCommLog& log, QWidget* parent = nullptr);

    int RowHeight() const;
    // The first row in sight.
    int FirstVisibleRow() const;

    ECommLogFilter Filter() const { return m_filter; }
    // Shows the rows of `filter`; the current row stays the current one where it is shown.
    void SetFilter(ECommLogFilter filter);
    // The current row (-1 for none) and the selected rows, from the anchor to the current one.
    int CurrentRow() const;
    void SelectRow(int row);
    QString SelectedText() const;
    void CopySelection() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnLogChanged();
    void UpdateScrollRanges();
    void MoveCurrent(int row, bool extend);
    void ScrollTo(int row);
    int RowAt(int y) const;
    int AnchorRow() const;

    const CCommLog& m_log;
    ECommLogFilter m_filter = ECommLogFilter::Everything;
    qint64 m_nCurrentId = -2; // -2: no row chosen; ids outlive the rows dropped before them
    qint64 m_nAnchorId = -2;
};
