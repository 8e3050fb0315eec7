#include "hex_dump_view.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int kMargin = 2;
constexpr int kCharsPerByte = 3; // two digits and the space that separates bytes

// The widest two-digit byte plus its separating space, so that no row ever overflows.
int ByteCellWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (const char digit : QByteArrayLiteral("0123456789ABCDEF"))
        widest = qMax(widest, metrics.horizontalAdvance(QLatin1Char(digit)));
    return 2 * widest + metrics.horizontalAdvance(QLatin1Char(' '));
}
} // namespace

CHexDumpView::CHexDumpView(QWidget* parent) : QAbstractScrollArea(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    Relayout();
}

void CHexDumpView::SetDumpText(const QString& text) {
    m_strText = text;
    m_bAllSelected = false;
    Relayout();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

int CHexDumpView::RowCount() const {
    return (ByteCount() + m_nBytesPerRow - 1) / m_nBytesPerRow;
}

QString CHexDumpView::RowText(int row) const {
    const qsizetype start = qsizetype(row) * m_nBytesPerRow * kCharsPerByte;
    return m_strText.mid(start, m_nBytesPerRow * kCharsPerByte - 1);
}

void CHexDumpView::SelectAll() {
    m_bAllSelected = true;
    viewport()->update();
}

void CHexDumpView::Copy() const {
    if (HasSelection())
        QApplication::clipboard()->setText(m_strText);
}

int CHexDumpView::RowHeight() const {
    return fontMetrics().lineSpacing();
}

void CHexDumpView::Relayout() {
    const int usable = viewport()->width() - 2 * kMargin;
    const int cell = ByteCellWidth(fontMetrics());
    const int space = fontMetrics().horizontalAdvance(QLatin1Char(' '));
    m_nBytesPerRow = qMax(1, (usable + space) / cell);
    const int visibleRows = qMax(1, (viewport()->height() - 2 * kMargin) / RowHeight());
    verticalScrollBar()->setPageStep(visibleRows);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setRange(0, qMax(0, RowCount() - visibleRows));
}

void CHexDumpView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const bool selected = HasSelection();
    const QPalette& colours = palette();
    painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int height = RowHeight();
    const int ascent = fontMetrics().ascent();
    const int first = verticalScrollBar()->value();
    const int rows = RowCount();
    for (int row = first, y = kMargin; row < rows && y < viewport()->height(); ++row, y += height) {
        const QString text = RowText(row);
        if (selected)
            painter.fillRect(QRect(kMargin, y, fontMetrics().horizontalAdvance(text), height),
                             colours.color(QPalette::Highlight));
        painter.drawText(kMargin, y + ascent, text);
    }
}

void CHexDumpView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void CHexDumpView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (event->matches(QKeySequence::MoveToStartOfDocument)) {
        verticalScrollBar()->setValue(0);
    } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CHexDumpView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_bAllSelected) {
        m_bAllSelected = false;
        viewport()->update();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CHexDumpView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("复制(&C)"), this, &CHexDumpView::Copy);
    copy->setEnabled(HasSelection());
    QAction* all = menu.addAction(QStringLiteral("全选(&A)"), this, &CHexDumpView::SelectAll);
    all->setEnabled(!m_strText.isEmpty());
    menu.exec(event->globalPos());
}

void CHexDumpView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Relayout();
}
