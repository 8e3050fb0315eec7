#include "hex_dump_view.h"

#include "hex_dump_accessible.h"

#include "widgets/focus_mark.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <QCoreApplication>
#include <utility>

// The dump field's menu, translated as one context.
class CHexDumpTexts {
    Q_DECLARE_TR_FUNCTIONS(CHexDumpTexts)
};

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
    InstallHexDumpAccessible();
}

void CHexDumpView::SetDumpText(const QString& text) {
    const QString old = std::exchange(m_strText, text);
    m_bAllSelected = false;
    Relayout();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, old, m_strText);
        QAccessible::updateAccessibility(&event);
    }
}

int CHexDumpView::RowCount() const {
    return (ByteCount() + m_nBytesPerRow - 1) / m_nBytesPerRow;
}

QString CHexDumpView::RowText(int row) const {
    const qsizetype start = qsizetype(row) * m_nBytesPerRow * kCharsPerByte;
    return m_strText.mid(start, m_nBytesPerRow * kCharsPerByte - 1);
}

QRect CHexDumpView::CharacterRect(int offset) const {
    if (offset < 0 || offset >= m_strText.size())
        return QRect();
    const int rowChars = m_nBytesPerRow * kCharsPerByte;
    const int row = offset / rowChars, rowStart = row * rowChars;
    const QFontMetrics metrics = fontMetrics();
    const int x = kMargin + metrics.horizontalAdvance(m_strText.mid(rowStart, offset - rowStart));
    const int y = kMargin + (row - verticalScrollBar()->value()) * RowHeight();
    return QRect(x, y, metrics.horizontalAdvance(m_strText.at(offset)), RowHeight());
}

int CHexDumpView::OffsetAt(const QPoint& point) const {
    const int row = verticalScrollBar()->value() + (point.y() - kMargin) / RowHeight();
    if (point.y() < kMargin || point.x() < kMargin || row >= RowCount())
        return -1;
    const int rowChars = m_nBytesPerRow * kCharsPerByte;
    const int rowStart = row * rowChars;
    const int rowEnd = qMin(rowStart + rowChars, int(m_strText.size()));
    const QFontMetrics metrics = fontMetrics();
    for (int offset = rowStart, x = kMargin; offset < rowEnd; ++offset) {
        x += metrics.horizontalAdvance(m_strText.at(offset));
        if (point.x() < x)
            return offset;
    }
    return -1;
}

void CHexDumpView::ScrollToOffset(int offset) {
    if (offset < 0 || offset >= m_strText.size())
        return;
    QScrollBar* bar = verticalScrollBar();
    const int row = offset / (m_nBytesPerRow * kCharsPerByte);
    if (row < bar->value())
        bar->setValue(row);
    else if (row >= bar->value() + bar->pageStep())
        bar->setValue(row - bar->pageStep() + 1);
}

void CHexDumpView::SelectAll() {
    m_bAllSelected = true;
    viewport()->update();
}

void CHexDumpView::ClearSelection() {
    m_bAllSelected = false;
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
    DrawFocusMark(painter, *this, viewport()->rect());
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
    if (event->button() == Qt::LeftButton && m_bAllSelected)
        ClearSelection();
    QAbstractScrollArea::mousePressEvent(event);
}

void CHexDumpView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(CHexDumpTexts::tr("复制(&C)"), this, &CHexDumpView::Copy);
    copy->setEnabled(HasSelection());
    QAction* all = menu.addAction(CHexDumpTexts::tr("全选(&A)"), this, &CHexDumpView::SelectAll);
    all->setEnabled(!m_strText.isEmpty());
    menu.exec(event->globalPos());
}

void CHexDumpView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Relayout();
}
