#include "lock_key_indicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {
QLabel* MakePane(QStatusBar* bar, const QString& text) {
    auto* pane = new QLabel(text, bar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
    pane->setEnabled(false); // unlit
    bar->addPermanentWidget(pane);
    return pane;
}
} // namespace

CLockKeyIndicators::CLockKeyIndicators(QStatusBar* bar) : QObject(bar) {
    m_pCaps = MakePane(bar, tr("大写"));
    m_pNum = MakePane(bar, tr("数字"));
    m_pScroll = MakePane(bar, tr("滚动"));
    qApp->installEventFilter(this);
}

QLabel* CLockKeyIndicators::LabelOf(int key) const {
    switch (key) {
    case Qt::Key_CapsLock:
        return m_pCaps;
    case Qt::Key_NumLock:
        return m_pNum;
    case Qt::Key_ScrollLock:
        return m_pScroll;
    default:
        return nullptr;
    }
}

bool CLockKeyIndicators::IsLit(int key) const {
    const QLabel* pane = LabelOf(key);
    return pane && pane->isEnabled();
}

void CLockKeyIndicators::Toggle(int key) {
    if (QLabel* pane = LabelOf(key))
        pane->setEnabled(!pane->isEnabled());
}

bool CLockKeyIndicators::eventFilter(QObject* watched, QEvent* event) {
    // Key events reach the filter once per receiver on their way up; count only the first.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && watched == QApplication::focusWidget())
            Toggle(key->key());
    }
    return QObject::eventFilter(watched, event);
}
