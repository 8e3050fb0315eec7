#pragma once
// The lines of the communication log in a fixed-pitch font. Only the rows in sight are painted,
// straight from the log, so a 92,427-byte reply (some 5,800 lines) costs no layout. While the
// last line is in sight the view follows new lines; scrolled up, it stays where it is.
#include <QAbstractScrollArea>

class CCommLog;

class CCommLogView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CCommLogView(const CCommLog& log, QWidget* parent = nullptr);

    int RowHeight() const;
    // The first row in sight.
    int FirstVisibleRow() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnLogChanged();
    void UpdateScrollRanges();

    const CCommLog& m_log;
};
