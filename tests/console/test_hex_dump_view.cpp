// The hex dump view: the exact dump text kept and copied, rows that break only between bytes
// and fit the width, the keys of a read-only text field, the text that assistive technology reads.
#include "console/hex_dump_view.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

namespace {
QString Dump(int count) {
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = char(i * 7 + 3);
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
} // namespace

class CTestHexDumpView : public QObject {
    Q_OBJECT
private slots:
    void init() { QApplication::clipboard()->clear(); }

    void keepsTheTextExactly_data() {
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("one packet") << 8;
        QTest::newRow("largest reply") << 101415;
    }
    void keepsTheTextExactly() {
        QFETCH(int, bytes);
        CHexDumpView view;
        view.resize(160, 200);
        view.show();
        const QString dump = Dump(bytes);
        view.SetDumpText(dump);
        QCOMPARE(view.toPlainText(), dump);
        QString joined;
        for (int row = 0; row < view.RowCount(); ++row)
            joined += (row ? QStringLiteral(" ") : QString()) + view.RowText(row);
        QCOMPARE(joined, dump);
        // Assistive technology reads the same text, line by line as the rows are laid out.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&view);
        QAccessibleTextInterface* text = face->textInterface();
        QVERIFY(text);
        QCOMPARE(face->text(QAccessible::Value), dump);
        QCOMPARE(text->characterCount(), dump.size());
        QString lines;
        int start = 0, end = 0, count = 0;
        for (; end < dump.size(); ++count)
            lines += text->textAtOffset(end, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(lines, dump);
        QCOMPARE(count, view.RowCount());
    }

    void rowsBreakBetweenBytesAndFitTheWidth_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("narrow") << 40;
        QTest::newRow("field") << 160;
        QTest::newRow("wide") << 700;
    }
    void rowsBreakBetweenBytesAndFitTheWidth() {
        QFETCH(int, width);
        CHexDumpView view;
        view.resize(width, 150);
        view.show();
        view.SetDumpText(Dump(500));
        const int perRow = view.BytesPerRow();
        QVERIFY(perRow >= 1);
        QCOMPARE(view.RowCount(), (500 + perRow - 1) / perRow);
        const QFontMetrics metrics(view.font());
        for (int row = 0; row < view.RowCount(); ++row) {
            const QString text = view.RowText(row);
            QVERIFY(!text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')));
            QCOMPARE((text.size() + 1) % 3, 0);
            if (perRow > 1)
                QVERIFY2(metrics.horizontalAdvance(text) <= view.viewport()->width(),
                         qPrintable(text));
        }
    }

    void widerViewHoldsMoreBytesPerRow() {
        CHexDumpView view;
        view.resize(120, 150);
        view.show();
        view.SetDumpText(Dump(300));
        const int narrow = view.BytesPerRow();
        view.resize(480, 150);
        QVERIFY(view.BytesPerRow() > narrow);
        QCOMPARE(view.toPlainText(), Dump(300));
    }

    void selectAllAndCopyGiveTheDump() {
        CHexDumpView view;
        view.resize(160, 150);
        view.show();
        view.SetDumpText(Dump(1000));
        QTest::keySequence(&view, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QString());
        QTest::keySequence(&view, QKeySequence::SelectAll);
        QVERIFY(view.HasSelection());
        QTest::keySequence(&view, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), Dump(1000));
    }

    void newTextDropsTheSelectionAndScrollsToTheTop() {
        CHexDumpView view;
        view.resize(160, 100);
        view.show();
        view.SetDumpText(Dump(5000));
        view.SelectAll();
        QTest::keySequence(&view, QKeySequence::MoveToEndOfDocument);
        QVERIFY(view.verticalScrollBar()->value() > 0);
        view.SetDumpText(Dump(2000));
        QVERIFY(!view.HasSelection());
        QCOMPARE(view.verticalScrollBar()->value(), 0);
        QVERIFY(view.verticalScrollBar()->maximum() > 0);
    }

    void accessibleTextByByteAndPlace() {
        CHexDumpView view;
        view.resize(160, 150);
        view.show();
        view.SetDumpText(Dump(1000));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&view);
        QVERIFY(face->textInterface() && face->state().readOnly && face->state().multiLine);
        QAccessibleTextInterface* text = face->textInterface();
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(7, QAccessible::WordBoundary, &start, &end), Dump(3).mid(6));
        QCOMPARE(start, 6);
        QCOMPARE(end, 8);
        QCOMPARE(text->textAfterOffset(7, QAccessible::WordBoundary, &start, &end), " ");
        QCOMPARE(text->textBeforeOffset(2999, QAccessible::CharBoundary, &start, &end), "4");
        const int row = 3 * view.BytesPerRow(); // first character of the second row
        QCOMPARE(text->offsetAtPoint(text->characterRect(row + 1).center()), row + 1);
        text->setSelection(0, 0, 2999);
        QVERIFY(view.HasSelection());
        text->removeSelection(0);
        QCOMPARE(text->selectionCount(), 0);
    }

    void takesKeyboardFocus() {
        CHexDumpView view;
        QCOMPARE(view.focusPolicy(), Qt::StrongFocus);
    }
};

QTEST_MAIN(CTestHexDumpView)
#include "test_hex_dump_view.moc"
