#include "comm_log_view.h"

#include "serial/comm_log.h"

#include <QFontDatabase>
#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int kMargin = 2;
constexpr int kWidestLineChars = 96; // a byte line: offset, 16 pairs and the ASCII column
} // namespace

CCommLogView::CCommLogView(const CCommLog& log, QWidget* parent)
    : QAbstractScrollArea(parent), m_log(log) {
    setObjectName(QStringLiteral("commLogView"));
    setAccessibleName(QStringLiteral("通信记录"));
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
    rows->setRange(0, qMax(0, m_log.LineCount() - rowsInSight));
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

void CCommLogView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void CCommLogView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().base());
    painter.setPen(palette().text().color());
    const int rowHeight = RowHeight(), ascent = fontMetrics().ascent();
    const int x = kMargin - horizontalScrollBar()->value();
    const int first = FirstVisibleRow();
    const int last = qMin(m_log.LineCount(), first + viewport()->height() / rowHeight + 1);
    for (int row = first, y = kMargin; row < last; ++row, y += rowHeight)
        painter.drawText(x, y + ascent, m_log.Line(row));
}
