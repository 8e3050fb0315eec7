#include "comm_log_view.h"

#include "widgets/focus_mark.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int kMargin = 2;
constexpr int kWidestLineChars = 120; // a byte line, or a frame with its first 16 bytes
constexpr qint64 kNoRow = -2;
} // namespace

CCommLogView::CCommLogView(const CCommLog& log, QWidget* parent)
    : QAbstractScrollArea(parent), m_log(log) {
    setObjectName(QStringLiteral("commLogView"));
    setAccessibleName(tr("通信记录"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(&m_log, &CCommLog::Changed, this, &CCommLogView::OnLogChanged);
    UpdateScrollRanges();
}

int CCommLogView::RowHeight() const {
    return fontMetrics().height();
}

int CCommLogView::FirstVisibleRow() const {
    return verticalScrollBar()->value();
}

void CCommLogView::UpdateScrollRanges() {
    const int rowsInSight = qMax(1, (viewport()->height() - 2 * kMargin) / RowHeight());
    QScrollBar* rows = verticalScrollBar();
    rows->setPageStep(rowsInSight);
    rows->setRange(0, qMax(0, m_log.RowCount(m_filter) - rowsInSight));
    const int lineWidth = fontMetrics().horizontalAdvance(QLatin1Char('0')) * kWidestLineChars;
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, qMax(0, lineWidth + 2 * kMargin - viewport()->width()));
}

void CCommLogView::OnLogChanged() {
    QScrollBar* rows = verticalScrollBar();
    const bool following = rows->value() >= rows->maximum();
    UpdateScrollRanges();
    if (following)
        rows->setValue(rows->maximum());
    viewport()->update();
}

void CCommLogView::SetFilter(ECommLogFilter filter) {
    const int first = FirstVisibleRow();
    const int shownFirst = m_log.RowCount(m_filter) > 0 ? m_log.MapRow(m_filter, first, filter) : 0;
    m_filter = filter;
    UpdateScrollRanges();
    verticalScrollBar()->setValue(shownFirst);
    if (CurrentRow() >= 0)
        ScrollTo(CurrentRow());
    viewport()->update();
}

int CCommLogView::CurrentRow() const {
    if (m_nCurrentId == kNoRow || m_log.RowCount(m_filter) == 0)
        return -1;
    return std::min(m_log.RowOfId(m_filter, m_nCurrentId), m_log.RowCount(m_filter) - 1);
}

int CCommLogView::AnchorRow() const {
    if (m_nAnchorId == kNoRow)
        return CurrentRow();
    return std::min(m_log.RowOfId(m_filter, m_nAnchorId), m_log.RowCount(m_filter) - 1);
}

void CCommLogView::SelectRow(int row) {
    MoveCurrent(row, false);
}

void CCommLogView::MoveCurrent(int row, bool extend) {
    const int count = m_log.RowCount(m_filter);
    if (count == 0)
        return;
    row = std::clamp(row, 0, count - 1);
    if (!extend || m_nAnchorId == kNoRow)
        m_nAnchorId = extend && m_nCurrentId != kNoRow ? m_nCurrentId : m_log.RowId(m_filter, row);
    m_nCurrentId = m_log.RowId(m_filter, row);
    setAccessibleDescription(m_log.RowText(m_filter, row)); // what a screen reader reads out
    ScrollTo(row);
    viewport()->update();
}

void CCommLogView::ScrollTo(int row) {
    QScrollBar* rows = verticalScrollBar();
    if (row < rows->value())
        rows->setValue(row);
    else if (row >= rows->value() + rows->pageStep())
        rows->setValue(row - rows->pageStep() + 1);
}

QString CCommLogView::SelectedText() const {
    const int current = CurrentRow();
    if (current < 0)
        return QString();
    const int from = std::min(current, AnchorRow()), to = std::max(current, AnchorRow());
    QString text;
    for (int row = from; row <= to; ++row)
        text += m_log.RowText(m_filter, row) + QLatin1Char('\n');
    return text;
}

void CCommLogView::CopySelection() const {
    const QString text = SelectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

int CCommLogView::RowAt(int y) const {
    return FirstVisibleRow() + qMax(0, y - kMargin) / RowHeight();
}

void CCommLogView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        MoveCurrent(RowAt(event->position().toPoint().y()), event->modifiers() & Qt::ShiftModifier);
    QAbstractScrollArea::mousePressEvent(event);
}

void CCommLogView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        MoveCurrent(RowAt(event->position().toPoint().y()), true);
}

void CCommLogView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        MoveCurrent(0, false);
        MoveCurrent(m_log.RowCount(m_filter) - 1, true);
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const int current = CurrentRow(), page = verticalScrollBar()->pageStep();
    switch (event->key()) {
    case Qt::Key_Up:
        return MoveCurrent(current - 1, extend);
    case Qt::Key_Down:
        return MoveCurrent(current + 1, extend);
    case Qt::Key_PageUp:
        return MoveCurrent(current - page, extend);
    case Qt::Key_PageDown:
        return MoveCurrent(current + page, extend);
    case Qt::Key_Home:
        return MoveCurrent(0, extend);
    case Qt::Key_End:
        return MoveCurrent(m_log.RowCount(m_filter) - 1, extend);
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void CCommLogView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

// Selected rows on the highlight colour, error rows in red, the current row framed.
void CCommLogView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().base());
    const int rowHeight = RowHeight(), ascent = fontMetrics().ascent();
    const int x = kMargin - horizontalScrollBar()->value();
    const int first = FirstVisibleRow();
    const int last = qMin(m_log.RowCount(m_filter), first + viewport()->height() / rowHeight + 1);
    const int current = CurrentRow(), anchor = AnchorRow();
    const int selectedFrom = std::min(current, anchor), selectedTo = std::max(current, anchor);
    for (int row = first, y = kMargin; row < last; ++row, y += rowHeight) {
        const bool selected = current >= 0 && row >= selectedFrom && row <= selectedTo;
        const QRect band(0, y, viewport()->width(), rowHeight);
        if (selected)
            painter.fillRect(band, palette().highlight());
        QColor ink = selected ? palette().highlightedText().color() : palette().text().color();
        if (m_log.RowIsError(m_filter, row) && !selected)
            ink = QColor(0xC0, 0x00, 0x00);
        painter.setPen(ink);
        painter.drawText(x, y + ascent, m_log.RowText(m_filter, row));
        if (row == current && hasFocus()) {
            painter.setPen(QPen(palette().text().color(), 1, Qt::DotLine));
            painter.drawRect(band.adjusted(0, 0, -1, -1));
        }
    }
    if (current < 0) // no row to mark: the view as a whole shows the focus
        DrawFocusMark(painter, *this, viewport()->rect());
}
