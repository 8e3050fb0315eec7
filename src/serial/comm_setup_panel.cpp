#include "comm_setup_panel.h"

#include "comm_setup_texts.h"

#include "serial/port_map.h"
#include "serial/port_operations.h"
#include "serial/rate_table.h"
#include "serial/shared_settings.h"

#include "protocol/buffers.h"
#include "widgets/cool_button.h"
#include "widgets/dialog_units.h"
#include "widgets/prompts.h"
#include "widgets/user_changes.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

using namespace CommSetupTexts;

namespace {
// The port entry with its device ("COM1 — /dev/ttyUSB0, ...") that the dropped list of 1053 shows.
constexpr int kPortEntryRole = Qt::UserRole + 1;

// A burst of bytes ends when the line has been quiet this long: one timer-1 period, which ends
// a collection, and timer 2 for the rest.
constexpr int kBurstQuietMs = 1000;
constexpr int kQuietTimer = 2;

static_assert(kRateCollectLimit + kRxReadChunk <= kRxBufferSize,
              "a read past the limit must still fit");

// Template 131, in dialog units; drop-down heights include the dropped list.
struct CDlgRect {
    int x, y, width, height;
};
constexpr CDlgRect kPanelRect{0, 0, 262, 220};
constexpr CDlgRect kHiddenGroupRect{30, 26, 216, 115};
constexpr CDlgRect kPortLabelRect{57, 40, 50, 9};
constexpr CDlgRect kPortListRect{136, 38, 46, 78};
constexpr CDlgRect kRatesGroupRect{39, 53, 195, 75};
constexpr CDlgRect kPcRateGroupRect{46, 62, 180, 36};
constexpr CDlgRect kPcRateLabelRect{57, 78, 77, 10};
constexpr CDlgRect kPcRateListRect{138, 76, 46, 61};
constexpr CDlgRect kChangeBoxRect{193, 77, 25, 12};
constexpr CDlgRect kModuleRateLabelRect{57, 109, 78, 9};
constexpr CDlgRect kModuleRateListRect{138, 106, 44, 58};
constexpr CDlgRect kSendButtonRect{186, 104, 42, 16};
constexpr CDlgRect kCloseButtonRect{49, 181, 166, 22};

void Place(QWidget* widget, const CDialogUnits& units, const CDlgRect& rect) {
    widget->setGeometry(units.Rect(rect.x, rect.y, rect.width, rect.height));
}

// A drop-down keeps its own closed height; the template's height is that of the dropped list.
void PlaceDropDown(QComboBox* list, const CDialogUnits& units, const CDlgRect& rect) {
    list->setGeometry(units.X(rect.x), units.Y(rect.y), units.X(rect.width),
                      list->sizeHint().height());
}

QComboBox* MakeList(QComboBox* list, int id, const QString& label, bool withEditField) {
    list->setObjectName(ControlName(id));
    list->setAccessibleName(label);
    list->setEditable(withEditField);
    // Positions carry the meaning, so typed text never becomes an entry.
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

// The selected entry, or -1. Text typed over the edit field of a list leaves nothing selected.
int SelectedPosition(const QComboBox& list) {
    const int index = list.currentIndex();
    if (index < 0 || (list.isEditable() && list.currentText() != list.itemText(index)))
        return -1;
    return index;
}

// Selects without raising the list's own selection-change handling.
void SelectSilently(QComboBox& list, int position) {
    const QSignalBlocker blocker(list);
    list.setCurrentIndex(position >= 0 && position < list.count() ? position : -1);
}

// The dropped list of 1053 shows each port with its device, cut at the right where the list is
// too narrow; the entries keep their texts "COM1".."COM8", which the closed field shows.
class CPortEntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString entry = index.data(kPortEntryRole).toString();
        if (!entry.isEmpty())
            option->text = entry;
    }
};

void FillRateList(QComboBox& list) {
    const QSignalBlocker blocker(list);
    for (int position = 0; position < kRateCount; ++position)
        list.addItem(RateListText(position));
}
} // namespace

void CCloseUpComboBox::showPopup() {
    emit DropDown();
    QComboBox::showPopup();
}

void CCloseUpComboBox::hidePopup() {
    // Qt also calls this when the list itself is hidden or destroyed with its list closed;
    // only a dropped list that closes counts.
    const bool wasDropped = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (wasDropped)
        emit CloseUp();
}

CCommSetupDlg::CCommSetupDlg(QWidget* parent)
    : CModulePanel(QStringLiteral("CCommSetupDlg"), Tr(kPanelName), parent),
      // Bytes that keep arriving unasked pile up cycle after cycle, since only sending resets
      // the count; when the next read might not fit, the collection starts again at the front.
      m_Rate(Session().CreateExchange<CRateExchange>(EWhenFull::StartOver, ECutReply::AtTheLimit)) {
    QFont panelFont = QGuiApplication::font();
    panelFont.setPointSize(10);
    setFont(panelFont);
    CreateControls();
    LayOutControls();
    FillLists();
    ConfigureComm();
    ConnectControls();
}

CCommSetupDlg::~CCommSetupDlg() {
    // The child controls outlive this body; none of their signals may reach a dying panel.
    for (QObject* control : std::initializer_list<QObject*>{
             m_pPortList, m_pPortList->lineEdit(), m_pChangeBox, m_pPcRateList, m_pSendButton})
        control->disconnect(this);
}

void CCommSetupDlg::CreateControls() {
    m_pPortList = new CCloseUpComboBox(this);
    MakeList(m_pPortList, kPortList, Tr(kPortLabel), true);
    m_pPortList->view()->setItemDelegate(new CPortEntryDelegate(m_pPortList->view()));
    m_pClose = MakeButton(Tr(kCloseCaption), kCloseButton, this);
    m_pClose->setVisible(false);
    m_pSendButton = MakeButton(Tr(kSendCaption), kSendButton, this);
    m_pChangeBox = new QCheckBox(Tr(kChangeCaption), this);
    m_pChangeBox->setObjectName(ControlName(kChangeBox));
    m_pChangeBox->setAccessibleName(Tr(kChangeCaption));
    m_pModuleRateList = MakeList(new QComboBox(this), kModuleRateList, Tr(kModuleRateLabel), true);
    m_pPcRateList = new CCloseUpComboBox(this);
    MakeList(m_pPcRateList, kPcRateList, Tr(kPcRateLabel), false);
}

void CCommSetupDlg::LayOutControls() {
    const CDialogUnits units(font());
    resize(units.Size(kPanelRect.width, kPanelRect.height));
    setMinimumSize(size());

    // Created in template order, so later controls lie above the group boxes.
    auto* hiddenGroup = new QGroupBox(this);
    Place(hiddenGroup, units, kHiddenGroupRect);
    hiddenGroup->setVisible(false);
    Place(MakeLabel(Tr(kPortLabel), m_pPortList, this), units, kPortLabelRect);
    PlaceDropDown(m_pPortList, units, kPortListRect);
    Place(new QGroupBox(this), units, kRatesGroupRect);
    Place(new QGroupBox(this), units, kPcRateGroupRect);
    Place(MakeLabel(Tr(kPcRateLabel), m_pPcRateList, this), units, kPcRateLabelRect);
    PlaceDropDown(m_pPcRateList, units, kPcRateListRect);
    Place(m_pChangeBox, units, kChangeBoxRect);
    Place(MakeLabel(Tr(kModuleRateLabel), m_pModuleRateList, this), units, kModuleRateLabelRect);
    PlaceDropDown(m_pModuleRateList, units, kModuleRateListRect);
    Place(m_pSendButton, units, kSendButtonRect);
    Place(m_pClose, units, kCloseButtonRect);
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_pPortList, m_pPcRateList, m_pChangeBox, m_pModuleRateList, m_pSendButton})
        control->raise();
}

void CCommSetupDlg::FillLists() {
    {
        const QSignalBlocker blocker(m_pPortList);
        for (int position = 0; position < kPortCount; ++position)
            m_pPortList->addItem(PortListText(position));
    }
    SelectSilently(*m_pPortList, g_nCommPort - 1);
    ShowPortDevices();

    FillRateList(*m_pPcRateList);
    m_pPcRateList->setEnabled(false);
    SelectSilently(*m_pPcRateList, g_nBaudIndex - 1);

    FillRateList(*m_pModuleRateList);
    SelectSilently(*m_pModuleRateList, g_nBaudIndex - 1);
}

void CCommSetupDlg::ConfigureComm() {
    Comm().SetCommPort(static_cast<short>(g_nCommPort));
    Session().ApplyBaudRate(g_nBaudIndex);
    ConfigureInput();
}

void CCommSetupDlg::ConfigureInput() {
    ConfigureReplyInput(Comm());
}

void CCommSetupDlg::ConnectControls() {
    // activated: a user's choice, also of the entry already selected, which reopens the port.
    connect(m_pPortList, &QComboBox::activated, this, &CCommSetupDlg::OnPortSelChange);
    // Enter after a typed device path; an entry's own text is an activation above instead.
    connect(m_pPortList->lineEdit(), &QLineEdit::returnPressed, this, &CCommSetupDlg::OnPortTyped);
    connect(m_pPortList, &CCloseUpComboBox::DropDown, this, &CCommSetupDlg::RefreshPortEntries);
    // Also a tick through the accessibility interface, which is no click; pushes stay quiet.
    ConnectUserChange(m_pChangeBox, this, [this] { OnChangeClicked(); });
    // Programmatic selections are made with the list's signals blocked, so this is the user's.
    connect(m_pPcRateList, &QComboBox::currentIndexChanged, this,
            &CCommSetupDlg::OnPcRateSelChange);
    connect(m_pPcRateList, &CCloseUpComboBox::CloseUp, this, &CCommSetupDlg::OnPcRateCloseUp);
    connect(m_pSendButton, &QAbstractButton::clicked, this, &CCommSetupDlg::OnSendBaudCommand);
    connect(&Comm(), &CMSComm::OnComm, this, [this] {
        MendZeroRateIndex();
        Timers().Stop(kQuietTimer); // the line is not quiet
    });
    connect(&m_Rate, &CRateExchange::Answered, this, &CCommSetupDlg::CheckReply);
    connect(&Session(), &CPortSession::Ticked, this, &CCommSetupDlg::OnTick);
}

void CCommSetupDlg::PullFromControls() {
    m_bChange = m_pChangeBox->isChecked() ? 1 : 0;
}

void CCommSetupDlg::PushToControls() {
    SetCheckedQuietly(m_pChangeBox, m_bChange == 1);
}

void CCommSetupDlg::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    RefreshPortEntries();
}

// The devices there now, bound to the port numbers; the current choice keeps its device while
// that is still there, and the selection stays as it is.
void CCommSetupDlg::RefreshPortEntries() {
    RefreshPortMap();
    ShowPortDevices();
}

void CCommSetupDlg::ShowPortDevices() {
    for (int position = 0; position < m_pPortList->count(); ++position) {
        const QString entry = PortEntryText(position + 1);
        m_pPortList->setItemData(position, entry, Qt::ToolTipRole);
        m_pPortList->setItemData(position, entry, kPortEntryRole);
    }
    m_pPortList->setToolTip(PortEntryText(g_nCommPort));
    // The dropped list may grow to the width of the panel to show the devices.
    QAbstractItemView* view = m_pPortList->view();
    view->setMinimumWidth(std::min(view->sizeHintForColumn(0) + 2 * view->frameWidth(), width()));
}

void CCommSetupDlg::OnPortSelChange(int position) {
    ReopenPort(position + 1, QString());
}

// A device path typed into the edit field of 1053 and confirmed with Enter is opened as the
// device of the current port number.
void CCommSetupDlg::OnPortTyped() {
    const QString typed = m_pPortList->currentText().trimmed();
    if (typed.isEmpty() || m_pPortList->findText(typed, Qt::MatchFixedString) >= 0)
        return;
    ReopenPort(g_nCommPort, typed);
    SelectSilently(*m_pPortList, g_nCommPort - 1); // the closed field shows "COMn" again
}

// The port choice, of an entry or of a typed device for the number chosen now.
void CCommSetupDlg::ReopenPort(int port, const QString& typedDevice) {
    if (!typedDevice.isEmpty())
        BindTypedDevice(port, typedDevice);
    try {
        if (Comm().PortOpen())
            Comm().SetPortOpen(false);
        // The new number is kept even when the port fails to open; the next hand-over tries it.
        g_nCommPort = port;
        Comm().SetCommPort(static_cast<short>(g_nCommPort));
        Comm().SetPortOpen(true);
        Session().ApplyBaudRate(g_nBaudIndex);
    } catch (const CCommPortError&) {
        ShowMessage(this, PortOpenErrorMessage(Tr(kPortErrorText), Comm()));
    }
    ShowPortDevices();
    ConfigureInput();
}

void CCommSetupDlg::OnChangeClicked() {
    PullFromControls();
    m_pPcRateList->setEnabled(m_bChange == 1);
}

void CCommSetupDlg::ApplyPcRate(int position) {
    g_nBaudIndex = position + 1;
    Session().ApplyBaudRate(g_nBaudIndex);
    m_bChange = 0;
    PushToControls();
}

void CCommSetupDlg::SetPcRate(int rateIndex) {
    ApplyPcRate(rateIndex - 1);
}

void CCommSetupDlg::OnPcRateSelChange(int position) {
    ApplyPcRate(position);
}

void CCommSetupDlg::OnPcRateCloseUp() {
    ApplyPcRate(SelectedPosition(*m_pPcRateList));
    m_pPcRateList->setEnabled(false);
}

void CCommSetupDlg::OnSendBaudCommand() {
    const auto rate = static_cast<uint8_t>(SelectedPosition(*m_pModuleRateList) + 1);
    if (!m_Rate.Send(rate))
        ShowPortError();
}

void CCommSetupDlg::OnTick(int id) {
    if (id == kQuietTimer) {
        Timers().Stop(kQuietTimer);
        m_bBurstTold = false;
        return;
    }
    WatchForQuiet();
}

// Once a collection has ended on a quiet tick, the rest of the second of quiet ends the burst.
void CCommSetupDlg::WatchForQuiet() {
    if (m_bBurstTold && !Timers().IsRunning(CReceiveCycle::kTimerId) &&
        !Timers().IsRunning(kQuietTimer))
        Timers().Start(kQuietTimer, kBurstQuietMs - kRateReplyPeriodMs);
}

void CCommSetupDlg::CheckReply(const CRateVerdict& verdict, bool asked) {
    for (int i = 0; i < verdict.failedMessages; ++i)
        TellCommFailed(asked);
    if (!verdict.follow)
        return;
    // The module now talks at the rate selected in 1011 at this moment.
    g_nBaudIndex = SelectedPosition(*m_pModuleRateList) + 1;
    Session().ApplyBaudRate(g_nBaudIndex);
    SelectSilently(*m_pPcRateList, g_nBaudIndex - 1);
}

// Bytes that come unasked (the rest of a long reply to another panel's command, say) tell it
// once; the box is modal and more of the same burst may end further collections meanwhile.
void CCommSetupDlg::TellCommFailed(bool asked) {
    if (!asked && m_bBurstTold)
        return;
    m_bBurstTold = true;
    ShowMessage(this, Tr(kCommFailedText));
}

void CCommSetupDlg::OnLeaving() {
    m_Rate.Stop();
    Timers().Stop(kQuietTimer);
    m_bBurstTold = false;
}

void CCommSetupDlg::OnPortLost() {
    m_Rate.StopCollecting();
    ShowPortError();
}
