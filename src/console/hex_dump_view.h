#pragma once
// A read-only view of a hex dump ("F5 09 00 ..."): it keeps the dump text exactly as given and
// shows it in lines that break only between bytes, fitted to its width. Only the rows in sight
// are laid out and painted, so a dump of some 300,000 characters shows at once. Assistive
// technology reads the same text through the accessibility text interface.
#include <QAbstractScrollArea>
#include <QString>

class QMenu;

class CHexDumpView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CHexDumpView(QWidget* parent = nullptr);

    void SetDumpText(const QString& text);
    QString toPlainText() const { return m_strText; }
    const QString& DumpText() const { return m_strText; }

    // Byte-wise layout, as it is on screen.
    int BytesPerRow() const { return m_nBytesPerRow; }
    int RowCount() const;
    QString RowText(int row) const;

    // Where the character at `offset` of the dump text is drawn, in viewport coordinates,
    // wherever the scrolling has put its row; the offset drawn at a point, or -1.
    QRect CharacterRect(int offset) const;
    int OffsetAt(const QPoint& point) const;
    // Scrolls the row that holds `offset` into sight.
    void ScrollToOffset(int offset);

    bool HasSelection() const { return m_bAllSelected && !m_strText.isEmpty(); }
    void SelectAll();
    void ClearSelection();
    void Copy() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int ByteCount() const { return int((m_strText.size() + 1) / 3); }
    int RowHeight() const;
    void Relayout();

    QString m_strText;
    int m_nBytesPerRow = 1;
    bool m_bAllSelected = false;
};
