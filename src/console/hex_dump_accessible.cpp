#include "hex_dump_accessible.h"

#include "hex_dump_view.h"

#include <QAccessibleWidget>

#include <tuple>
#include <utility>

namespace {
constexpr int kCharsPerByte = 3; // two digits and the space that separates bytes

// Reads the view's own dump text in place; nothing is copied but the pieces asked for, so a
// dump of some 300,000 characters costs no more to read than a short one.
class CHexDumpAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CHexDumpAccessible(CHexDumpView* view)
        : QAccessibleWidget(view, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? Dump() : QAccessibleWidget::text(type);
    }

    // The view selects all of the dump or nothing: a range that covers the whole dump selects
    // it, any other leaves nothing selected.
    void selection(int index, int* startOffset, int* endOffset) const override {
        const bool selected = index == 0 && View().HasSelection();
        *startOffset = 0;
        *endOffset = selected ? characterCount() : 0;
    }
    int selectionCount() const override { return View().HasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override {
        if (index == 0)
            View().ClearSelection();
    }
    void setSelection(int index, int startOffset, int endOffset) override {
        if (index != 0)
            return;
        if (startOffset <= 0 && endOffset >= characterCount())
            View().SelectAll();
        else
            View().ClearSelection();
    }

    // The view has no text cursor; placing one scrolls its character into sight.
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int position) override { View().ScrollToOffset(position); }

    QString text(int startOffset, int endOffset) const override {
        const int count = characterCount();
        startOffset = qMax(startOffset, 0);
        endOffset = qMin(endOffset, count);
        if (startOffset >= endOffset)
            return QString();
        if (startOffset == 0 && endOffset == count)
            return Dump(); // shared, not copied
        return Dump().mid(startOffset, endOffset - startOffset);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override {
        const int count = characterCount();
        *startOffset = *endOffset = -1;
        if (offset < 0 || offset > count)
            return QString();
        if (offset == count) {
            // Past the last character there is no character or byte, but its row and the whole
            // text still end there.
            if (count == 0 || type == QAccessible::CharBoundary ||
                type == QAccessible::WordBoundary) {
                *startOffset = *endOffset = count;
                return QString();
            }
            offset = count - 1;
        }
        std::tie(*startOffset, *endOffset) = Segment(offset, type);
        return text(*startOffset, *endOffset);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override {
        const int count = characterCount();
        *startOffset = *endOffset = -1;
        if (offset < 0 || offset > count)
            return QString();
        const int at = offset == count ? count : Segment(offset, type).first;
        if (at == 0)
            return QString();
        std::tie(*startOffset, *endOffset) = Segment(at - 1, type);
        return text(*startOffset, *endOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override {
        const int count = characterCount();
        *startOffset = *endOffset = -1;
        if (offset < 0 || offset >= count)
            return QString();
        const int next = Segment(offset, type).second;
        if (next >= count)
            return QString();
        std::tie(*startOffset, *endOffset) = Segment(next, type);
        return text(*startOffset, *endOffset);
    }

    int characterCount() const override { return int(Dump().size()); }

    QRect characterRect(int offset) const override {
        const QRect rect = View().CharacterRect(offset);
        if (rect.isNull())
            return rect;
        return QRect(View().viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return View().OffsetAt(View().viewport()->mapFromGlobal(point));
    }

    void scrollToSubstring(int startIndex, int) override { View().ScrollToOffset(startIndex); }

    // One look for the whole dump.
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

private:
    CHexDumpView& View() const { return *static_cast<CHexDumpView*>(widget()); }
    const QString& Dump() const { return View().DumpText(); }

    // The piece of the dump that holds `offset` (0 <= offset < count) for a kind of boundary:
    // a character; a byte's two digits, or the space after them; a row as the view lays it
    // out, with the space that ends it; or the whole dump, which has no sentences or
    // paragraphs of its own.
    std::pair<int, int> Segment(int offset, QAccessible::TextBoundaryType type) const {
        const int count = characterCount();
        switch (type) {
        case QAccessible::CharBoundary:
            return {offset, offset + 1};
        case QAccessible::WordBoundary: {
            const int inByte = offset % kCharsPerByte;
            if (inByte == kCharsPerByte - 1)
                return {offset, offset + 1};
            const int start = offset - inByte;
            return {start, qMin(start + kCharsPerByte - 1, count)};
        }
        case QAccessible::LineBoundary: {
            const int rowChars = View().BytesPerRow() * kCharsPerByte;
            const int start = offset - offset % rowChars;
            return {start, qMin(start + rowChars, count)};
        }
        default:
            return {0, count};
        }
    }
};

QAccessibleInterface* HexDumpAccessibleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(CHexDumpView::staticMetaObject.className()))
        return nullptr;
    auto* view = qobject_cast<CHexDumpView*>(object);
    return view ? new CHexDumpAccessible(view) : nullptr;
}
} // namespace

void InstallHexDumpAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&HexDumpAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
