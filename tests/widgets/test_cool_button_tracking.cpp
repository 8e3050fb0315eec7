// Pointer tracking of the cool button, driven through the window system as real pointer input.
#define QTEST_QPA_MOUSE_HANDLING
#include "widgets/cool_button.h"

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using ELook = CCoolButton::ELook;
Q_DECLARE_METATYPE(ELook)

namespace {
// A window with the button in its middle and room around it to move and drag to.
struct CButtonWindow {
    QWidget window;
    CCoolButton* pButton = new CCoolButton(QStringLiteral("发送命令"), &window);
    QPushButton* pNeighbour = new QPushButton(QStringLiteral("other"), &window);

    CButtonWindow() {
        window.resize(300, 160);
        pButton->setGeometry(90, 60, 120, 40);
        pNeighbour->setGeometry(10, 120, 80, 30);
    }
    QPoint Inside() const { return pButton->rect().center(); }
    // Outside the button, still over the window; in the button's coordinates.
    QPoint Outside() const { return pButton->mapFrom(&window, QPoint(20, 20)); }
};

char LookLetter(ELook look) {
    switch (look) {
    case ELook::Normal:
        return 'N';
    case ELook::Hover:
        return 'H';
    case ELook::Pressed:
        return 'P';
    }
    return '?';
}
} // namespace

class TestCoolButtonTracking : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_pWindow = std::make_unique<CButtonWindow>();
        m_pWindow->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_pWindow->window));
        m_pWindow->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_pWindow->window));
        // The pointer starts over the window, away from the button.
        QTest::mouseMove(&m_pWindow->window, QPoint(20, 20));
    }
    void cleanup() {
        QTest::mouseRelease(&m_pWindow->window, Qt::LeftButton, {}, QPoint(20, 20));
        m_pWindow.reset();
    }

    void pointerSequences_data() {
        // Steps: in / out (moves with no button), nudge (a move to another point of the button),
        // shiftOut (move off with Shift held),
        // press / release (left button over the button), dragOut / dragIn (moves with the left
        // button held), releaseOut (release away from the button), disable.
        // looks: the look after each step, N normal, H hover (raised), P pressed (sunken).
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("looks");
        QTest::addColumn<int>("clicks");
        QTest::newRow("hover shows the raised frame") << QStringList{"in"} << "H" << 0;
        QTest::newRow("leaving removes it") << QStringList{"in", "out"} << "HN" << 0;
        QTest::newRow("leaving with a modifier held removes it")
            << QStringList{"in", "shiftOut"} << "HN" << 0;
        QTest::newRow("press shows the sunken frame") << QStringList{"in", "press"} << "HP" << 0;
        QTest::newRow("release over the button clicks")
            << QStringList{"in", "press", "release"} << "HPN" << 1;
        QTest::newRow("moving after the click shows hover again")
            << QStringList{"in", "press", "release", "nudge"} << "HPNH" << 1;
        QTest::newRow("dragging out shows the raised frame")
            << QStringList{"in", "press", "dragOut"} << "HPH" << 0;
        QTest::newRow("coming back shows the sunken frame")
            << QStringList{"in", "press", "dragOut", "dragIn"} << "HPHP" << 0;
        QTest::newRow("releasing outside gives no click and the normal look")
            << QStringList{"in", "press", "dragOut", "releaseOut"} << "HPHN" << 0;
        QTest::newRow("back in and released clicks")
            << QStringList{"in", "press", "dragOut", "dragIn", "release"} << "HPHPN" << 1;
        QTest::newRow("disabling while hovered clears the hover look")
            << QStringList{"in", "disable"} << "HN" << 0;
        QTest::newRow("disabling while pressed clears the pressed look")
            << QStringList{"in", "press", "disable", "release"} << "HPNN" << 0;
    }
    void pointerSequences() {
        QFETCH(QStringList, steps);
        QFETCH(QString, looks);
        QFETCH(int, clicks);
        CCoolButton* button = m_pWindow->pButton;
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QString seen;
        for (const QString& step : steps) {
            RunStep(step);
            seen += QLatin1Char(LookLetter(button->Look()));
            // The button never holds the mouse for itself.
            QCOMPARE(QWidget::mouseGrabber(), nullptr);
        }
        QCOMPARE(seen, looks);
        QCOMPARE(clicked.count(), clicks);
    }

    void flagsFollowThePointer() {
        CCoolButton* button = m_pWindow->pButton;
        RunStep("in");
        QVERIFY(button->IsHot());
        QVERIFY(!button->IsPressed());
        RunStep("press");
        QVERIFY(button->IsHot() && button->IsPressed());
        RunStep("dragOut");
        QVERIFY(button->IsHot());
        QVERIFY(!button->IsPressed());
        RunStep("releaseOut");
        QVERIFY(!button->IsHot() && !button->IsPressed());
    }

    void disabledButtonIgnoresThePointer() {
        CCoolButton* button = m_pWindow->pButton;
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        button->setEnabled(false);
        RunStep("in");
        QCOMPARE(button->Look(), ELook::Normal);
        RunStep("press");
        RunStep("release");
        QCOMPARE(button->Look(), ELook::Normal);
        QCOMPARE(clicked.count(), 0);
    }

    void spaceBarShowsThePressedLook() {
        CCoolButton* button = m_pWindow->pButton;
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        button->setFocus();
        QTest::keyPress(button, Qt::Key_Space);
        QCOMPARE(button->Look(), ELook::Pressed);
        QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(button->Look(), ELook::Normal);
        QCOMPARE(clicked.count(), 1);
    }

    void modalMessageBoxFromAClickLeavesEverythingUsable() {
        CCoolButton* button = m_pWindow->pButton;
        int boxesClosed = 0;
        connect(button, &QAbstractButton::clicked, &m_pWindow->window, [&] {
            QTimer::singleShot(0, &m_pWindow->window, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                QVERIFY(modal != nullptr);
                modal->close();
                ++boxesClosed;
            });
            QMessageBox::information(&m_pWindow->window, QStringLiteral("Morvane"),
                                     QStringLiteral("通信失败!"));
        });
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QSignalSpy neighbourClicked(m_pWindow->pNeighbour, &QAbstractButton::clicked);

        QTest::mouseClick(button, Qt::LeftButton, {}, m_pWindow->Inside());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(boxesClosed, 1);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QVERIFY(!button->IsPressed());

        // The same button takes the next click, and so does the rest of the window.
        QTest::mouseMove(button, m_pWindow->Inside() + QPoint(5, 3));
        QCOMPARE(button->Look(), ELook::Hover);
        QTest::mouseClick(button, Qt::LeftButton, {}, m_pWindow->Inside());
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(boxesClosed, 2);
        QTest::mouseClick(m_pWindow->pNeighbour, Qt::LeftButton);
        QCOMPARE(neighbourClicked.count(), 1);
        QCOMPARE(button->Look(), ELook::Normal);
    }

private:
    void RunStep(const QString& step) {
        CCoolButton* button = m_pWindow->pButton;
        const QPoint inside = m_pWindow->Inside();
        const QPoint outside = m_pWindow->Outside();
        if (step == "in" || step == "dragIn")
            QTest::mouseMove(button, inside);
        else if (step == "nudge")
            QTest::mouseMove(button, inside + QPoint(5, 3));
        else if (step == "out" || step == "dragOut")
            QTest::mouseMove(button, outside);
        else if (step == "shiftOut")
            QTest::mouseEvent(QTest::MouseMove, button, Qt::NoButton, Qt::ShiftModifier, outside);
        else if (step == "press")
            QTest::mousePress(button, Qt::LeftButton, {}, inside);
        else if (step == "release")
            QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
        else if (step == "releaseOut")
            QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
        else if (step == "disable")
            button->setEnabled(false);
        else
            QFAIL(qPrintable("unknown step " + step));
    }

    std::unique_ptr<CButtonWindow> m_pWindow;
};

QTEST_MAIN(TestCoolButtonTracking)
#include "test_cool_button_tracking.moc"
