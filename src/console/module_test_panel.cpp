#include "module_test_panel.h"

#include "finger_image_button.h"
#include "module_test_layout.h"
#include "module_test_texts.h"
#include "module_test_widgets.h"

#include "protocol/command_catalogue.h"
#include "protocol/command_codes.h"
#include "protocol/hex_text.h"
#include "protocol/packets.h"
#include "serial/panel_timers.h"
#include "serial/port_operations.h"
#include "serial/serial_control.h"
#include "serial/shared_settings.h"
#include "widgets/dialog_units.h"
#include "widgets/panel_font.h"
#include "widgets/prompts.h"
#include "widgets/user_changes.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>

#include <QCoreApplication>
#include <vector>

// The test panel's own texts, translated as one context.
class CTestPanelTexts {
    Q_DECLARE_TR_FUNCTIONS(CTestPanelTexts)
};

using namespace ModuleTestTexts;

namespace {
using Panel = CModuleTestDlg;
using Handler = void (Panel::*)();
using Id = ControlId;

// Check boxes and the number and text fields bound to members.
struct CCheckBinding {
    ControlId id;
    int Panel::*member;
};
struct CIntBinding {
    ControlId id;
    int Panel::*member;
};
struct CUnsignedBinding {
    ControlId id;
    unsigned Panel::*member;
};
} // namespace

// A friend of the panel: its tables take the addresses of the panel's private members.
struct CModuleTestBindings {
    static const CCheckBinding kCheck[8];
    static const CIntBinding kInt[3];
    static const CUnsignedBinding kUnsigned[3];
};

const CCheckBinding CModuleTestBindings::kCheck[8] = {
    {Id::kIdIncAfterEnrol, &Panel::m_bIdIncAfterEnrol},
    {Id::kCaptureTwice, &Panel::m_bCaptureTwice},
    {Id::kUploadFeature, &Panel::m_bUploadFeature},
    {Id::kIdIncAfterStore, &Panel::m_bIdIncAfterStore},
    {Id::kTwoFingers, &Panel::m_bTwoFingers},
    {Id::kHighResolution, &Panel::m_bHighResolution},
    {Id::kBatchEnable, &Panel::m_bBatchEnabled},
    {Id::kQueryCapacity, &Panel::m_bQueryCapacity},
};
const CIntBinding CModuleTestBindings::kInt[3] = {
    {Id::kMoveRightValue, &Panel::m_nMoveRight},
    {Id::kMoveUpValue, &Panel::m_nMoveUp},
    {Id::kBrightnessStep, &Panel::m_nBrightnessStep},
};
const CUnsignedBinding CModuleTestBindings::kUnsigned[3] = {
    {Id::kCaptureTime, &Panel::m_nCaptureTimeMs},
    {Id::kBatchTotal, &Panel::m_nBatchTotal},
    {Id::kBatchCurrent, &Panel::m_nBatchCurrent},
};

namespace {
const auto& kCheckBindings = CModuleTestBindings::kCheck;
const auto& kIntBindings = CModuleTestBindings::kInt;
const auto& kUnsignedBindings = CModuleTestBindings::kUnsigned;

// The member bound to that control in one table, or none.
template <typename Member, typename Binding, size_t N>
Member Panel::*FindBinding(const Binding (&bindings)[N], ControlId id) {
    for (const Binding& binding : bindings)
        if (binding.id == id)
            return binding.member;
    return nullptr;
}

// The int member bound to a check box or a signed number field, or none.
int Panel::*IntMember(ControlId id) {
    int Panel::*member = FindBinding<int>(kCheckBindings, id);
    return member ? member : FindBinding<int>(kIntBindings, id);
}

// Clicks on buttons, changes the user makes to check boxes, and text changes of the parameter
// fields.
struct CHandlerBinding {
    ControlId id;
    Handler handler;
};
const CHandlerBinding kClickHandlers[] = {
    {Id::kSendCommand, &Panel::OnSendCommand},
    {Id::kEnableSend, &Panel::OnEnableSend},
    {Id::kBrowse, &Panel::OnBrowseFeature},
    {Id::kSaveFeature, &Panel::OnSaveFeature},
    {Id::kBatchStore, &Panel::OnBatchStore},
    {Id::kMoveRight, &Panel::OnMoveRight},
    {Id::kMoveUp, &Panel::OnMoveUp},
    {Id::kBrightnessUp, &Panel::OnBrightnessUp},
    {Id::kCaptureTwice, &Panel::OnEnrolOption},
    {Id::kUploadFeature, &Panel::OnEnrolOption},
    {Id::kIdIncAfterEnrol, &Panel::OnEnrolOption},
    {Id::kTwoFingers, &Panel::OnTwoFingers},
    {Id::kHighResolution, &Panel::OnHighResolution},
    {Id::kIdIncAfterStore, &Panel::OnIdIncOption},
    {Id::kQueryCapacity, &Panel::OnQueryCapacity},
    {Id::kBatchEnable, &Panel::OnBatchEnable},
};
const CHandlerBinding kTextHandlers[] = {
    {Id::kParam1, &Panel::OnParamByteChanged},
    {Id::kParam2, &Panel::OnParamByteChanged},
    {Id::kParam12, &Panel::OnParamWordChanged},
    {Id::kParam3, &Panel::OnOperationChanged},
};

// The parameter fields that ParseHexField reads, and how many characters of each count.
struct CHexField {
    ControlId id;
    int keepChars;
};
const CHexField kHexFields[] = {
    {Id::kParam1, 2}, {Id::kParam2, 2}, {Id::kParam3, 2}, {Id::kParam12, 4}};

// The fields a build enables or disables.
struct CFieldEnable {
    unsigned bit;
    ControlId id;
};
const CFieldEnable kFieldEnables[] = {
    {kFieldParam1, Id::kParam1},           {kFieldParam2, Id::kParam2},
    {kFieldParam3, Id::kParam3},           {kFieldParam12, Id::kParam12},
    {kFieldFeaturePath, Id::kFeaturePath}, {kFieldBrowse, Id::kBrowse},
};

// The batch controls that "有效" enables, in that order.
const ControlId kBatchControls[] = {Id::kBatchStore, Id::kBatchTotalLabel, Id::kBatchCurrentLabel,
                                    Id::kBatchTotal, Id::kBatchCurrent};

QAbstractButton* AsButton(QWidget* control) {
    return qobject_cast<QAbstractButton*>(control);
}

// A field without a caption is named by the label beside it.
void NameByLabel(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    field->setAccessibleName(label->text());
}
} // namespace

CModuleTestDlg::CModuleTestDlg(QWidget* parent)
    : CModulePanel(QStringLiteral("moduleTestPanel"), Tr(kPanelName), parent),
      m_pOperations(new QButtonGroup(this)),
      m_Console(Session().CreateExchange<CConsoleExchange>()), m_Backup(m_Console.Backup()) {
    setFont(PanelFont());
    setFixedSize(CDialogUnits(font()).Size(kPanelWidthUnits, kPanelHeightUnits));
    CreateControls();
    CreateImageActions();
    CreateBackupActions();
    CreateSendAction();
    ConnectHandlers();
    ConnectConsole();
    ConnectSession();
    InitTestPanel();
}

CModuleTestDlg::~CModuleTestDlg() = default;

// Ctrl+Enter presses "发送命令" wherever the focus is in the window, while the panel is on show
// and the button is enabled; the button's tooltip names the keys.
void CModuleTestDlg::CreateSendAction() {
    auto* button = AsButton(Control(Id::kSendCommand));
    m_pSend = new QAction(button->text(), this);
    m_pSend->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    m_pSend->setShortcutContext(Qt::WindowShortcut);
    button->setToolTip(CTestPanelTexts::tr("发送命令（Ctrl+Enter）"));
    connect(m_pSend, &QAction::triggered, this, [button] {
        if (button->isEnabled())
            button->click();
    });
    addAction(m_pSend);
}

void CModuleTestDlg::CreateControls() {
    const CDialogUnits units(font());
    std::vector<QWidget*> created;
    for (int i = 0; i < kControlCount; ++i) {
        const CControlRow& row = ControlRowAt(i);
        created.push_back(CreateControl(row, i, this, units));
        if (row.id != Id::kNone)
            m_controls[IdNumber(row.id)] = created.back();
        if (row.kind == EControlKind::Radio)
            m_pOperations->addButton(AsButton(created.back()), i);
    }
    for (int i = 0; i < kControlCount; ++i) {
        const CControlRow& row = ControlRowAt(i);
        if (row.kind == EControlKind::Label && row.buddyId != Id::kNone)
            NameByLabel(qobject_cast<QLabel*>(created[i]), Control(row.buddyId));
        // Frames lie behind the controls they surround, so they never take their clicks.
        if (row.kind == EControlKind::Frame)
            created[i]->lower();
    }
}

void CModuleTestDlg::ConnectHandlers() {
    // Check boxes and radio buttons follow the user however the state is changed (a toggle
    // through the accessibility interface is no click); Push changes them quietly.
    for (const CHandlerBinding& binding : kClickHandlers)
        ConnectUserChange(AsButton(Control(binding.id)), this,
                          [this, handler = binding.handler] { (this->*handler)(); });
    for (const CHandlerBinding& binding : kTextHandlers)
        connect(qobject_cast<QLineEdit*>(Control(binding.id)), &QLineEdit::textChanged, this,
                [this, handler = binding.handler] { (this->*handler)(); });
    for (QAbstractButton* button : m_pOperations->buttons()) {
        const int operation = m_pOperations->id(button);
        ConnectUserChange(button, this, [this, operation] {
            if (operation == OperationIndex(EOperation::Enrol))
                OnEnrolSelected();
            else
                OnOperationChanged();
        });
    }
    connect(&m_Console.Batch(), &CBatchExchange::Progress, this,
            &CModuleTestDlg::ShowBatchProgress);
}

QWidget* CModuleTestDlg::Control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

QWidget* CModuleTestDlg::Control(ControlId id) const {
    return Control(IdNumber(id));
}

CFingerImageButton& CModuleTestDlg::ImageControl() const {
    return *qobject_cast<CFingerImageButton*>(Control(Id::kImage));
}

QString CModuleTestDlg::Text(ControlId id) const {
    return ControlText(Control(id));
}

void CModuleTestDlg::SetText(ControlId id, const QString& text) {
    SetControlText(Control(id), text);
}

void CModuleTestDlg::SetEnabled(ControlId id, bool enabled) {
    Control(id)->setEnabled(enabled);
}

void CModuleTestDlg::Pull() {
    for (const CCheckBinding& binding : kCheckBindings)
        this->*binding.member = AsButton(Control(binding.id))->isChecked() ? 1 : 0;
    for (const CIntBinding& binding : kIntBindings)
        this->*binding.member = Text(binding.id).toInt();
    for (const CUnsignedBinding& binding : kUnsignedBindings)
        this->*binding.member = Text(binding.id).toUInt();
    m_strFeaturePath = Text(Id::kFeaturePath);
    m_nOperation = m_pOperations->checkedId();
}

void CModuleTestDlg::Push() {
    for (const CCheckBinding& binding : kCheckBindings)
        SetCheckedQuietly(AsButton(Control(binding.id)), this->*binding.member != 0);
    for (const CIntBinding& binding : kIntBindings)
        SetText(binding.id, QString::number(this->*binding.member));
    for (const CUnsignedBinding& binding : kUnsignedBindings)
        SetText(binding.id, QString::number(this->*binding.member));
    SetText(Id::kFeaturePath, m_strFeaturePath);
    if (QAbstractButton* selected = m_pOperations->button(m_nOperation)) {
        SetCheckedQuietly(selected, true);
    } else if (QAbstractButton* checked = m_pOperations->checkedButton()) {
        m_pOperations->setExclusive(false);
        SetCheckedQuietly(checked, false);
        m_pOperations->setExclusive(true);
    }
}

int CModuleTestDlg::BoundValue(ControlId id) const {
    if (int Panel::*member = IntMember(id))
        return this->*member;
    if (unsigned Panel::*member = FindBinding<unsigned>(kUnsignedBindings, id))
        return static_cast<int>(this->*member);
    return 0;
}

void CModuleTestDlg::SetBoundValue(ControlId id, int value) {
    if (int Panel::*member = IntMember(id))
        this->*member = value;
    else if (unsigned Panel::*member = FindBinding<unsigned>(kUnsignedBindings, id))
        this->*member = static_cast<unsigned>(value);
}

void CModuleTestDlg::ConfigureComm() {
    Comm().SetCommPort(static_cast<short>(g_nCommPort));
    Session().ApplyBaudRate(g_nBaudIndex);
    ConfigureReplyInput(Comm());
}

void CModuleTestDlg::InitTestPanel() {
    ConfigureComm();
    SetText(Id::kCommandDisplay, QString());
    SetEnabled(Id::kSaveFeature, false);
    m_nOperation = OperationIndex(EOperation::UserCount);
    Push();
    m_bSyncingParams = false;
    BuildCommand();
}

uint16_t CModuleTestDlg::ParseHexField(int field) const {
    if (field < 1 || field > static_cast<int>(std::size(kHexFields)))
        return 0;
    const CHexField& hex = kHexFields[field - 1];
    return ParseHexText(Text(hex.id), hex.keepChars);
}

void CModuleTestDlg::ApplyEnables(unsigned fields) {
    for (const CFieldEnable& field : kFieldEnables)
        SetEnabled(field.id, (fields & field.bit) != 0);
}

void CModuleTestDlg::ShowCommand() {
    SetText(Id::kCommandDisplay, FormatCommandBytes(Session().TxBuffer(), kCommandPacketSize));
}

CCommandInputs CModuleTestDlg::Inputs() const {
    CCommandInputs inputs;
    inputs.build.operation = m_nOperation;
    inputs.build.param1 = ParseHexField(1);
    inputs.build.param2 = ParseHexField(2);
    inputs.build.param3 = ParseHexField(3);
    inputs.build.queryCapacity = m_bQueryCapacity != 0;
    inputs.build.highResolution = m_bHighResolution != 0;
    inputs.build.twoFingers = m_bTwoFingers != 0;
    inputs.build.enrolFirstStep = m_bEnrolFirstStep;
    inputs.enrolment.captureTwice = m_bCaptureTwice != 0;
    inputs.enrolment.uploadFeature = m_bUploadFeature != 0;
    inputs.featurePath = m_strFeaturePath;
    inputs.reply.idIncAfterEnrol = m_bIdIncAfterEnrol != 0;
    inputs.reply.idIncAfterStore = m_bIdIncAfterStore != 0;
    return inputs;
}

void CModuleTestDlg::BuildCommand() {
    Pull();
    m_Console.Build(Inputs());
}

// Every build, the panel's own or one of the exchange's steps: the save button waits for the
// next feature reply, and the fields follow the operation.
void CModuleTestDlg::ShowBuilt(const CBuildResult& built, bool enrolFirstStep) {
    SetEnabled(Id::kSaveFeature, false);
    m_bNeedFeatureFile = false;
    if (!built.noChange) {
        ApplyEnables(built.fields);
        m_bNeedFeatureFile = built.needFeatureFile;
    }
    m_bEnrolFirstStep = enrolFirstStep;
    ShowCommand();
}

void CModuleTestDlg::SendCommand() {
    m_Console.SendCommand();
}

// The user's own command ends a backup under way, as it ends a batch; it goes out with the
// choices shown now.
void CModuleTestDlg::OnSendCommand() {
    m_Backup.Stop();
    Pull();
    m_Console.SetInputs(Inputs());
    m_Console.OnSendCommand();
}

void CModuleTestDlg::OnOperationChanged() {
    BuildCommand();
}

void CModuleTestDlg::OnEnrolSelected() {
    m_bEnrolFirstStep = true;
    BuildCommand();
}

void CModuleTestDlg::OnParamByteChanged() {
    if (!m_bSyncingParams) {
        m_bSyncingParams = true;
        const unsigned p1 = ParseHexField(1) & 0xFFu, p2 = ParseHexField(2) & 0xFFu;
        SetText(Id::kParam12, HexNoLeadingZeros(p1 * 256u + p2));
        m_bSyncingParams = false;
    }
    BuildCommand();
}

void CModuleTestDlg::OnParamWordChanged() {
    if (!m_bSyncingParams) {
        m_bSyncingParams = true;
        const unsigned value = ParseHexField(4);
        SetText(Id::kParam1, HexNoLeadingZeros((value >> 8) & 0xFFu));
        SetText(Id::kParam2, HexNoLeadingZeros(value & 0xFFu));
        m_bSyncingParams = false;
    }
    BuildCommand();
}

void CModuleTestDlg::SelectOperation(EOperation operation, bool enrolFirstStep) {
    if (enrolFirstStep)
        m_bEnrolFirstStep = true;
    Pull();
    m_nOperation = OperationIndex(operation);
    Push();
    BuildCommand();
}

void CModuleTestDlg::OnEnrolOption() {
    SelectOperation(EOperation::Enrol, true);
}

void CModuleTestDlg::OnTwoFingers() {
    SelectOperation(EOperation::DownloadCompare, true);
}

void CModuleTestDlg::OnHighResolution() {
    SelectOperation(EOperation::CaptureImage, true);
}

void CModuleTestDlg::OnIdIncOption() {
    SelectOperation(EOperation::StoreFeature, true);
}

void CModuleTestDlg::OnQueryCapacity() {
    SelectOperation(EOperation::UserCount, false);
}

void CModuleTestDlg::OnBatchEnable() {
    Pull();
    for (ControlId id : kBatchControls)
        SetEnabled(id, m_bBatchEnabled != 0);
}

void CModuleTestDlg::OnEnableSend() {
    SetEnabled(Id::kSendCommand, true);
}

// The image-move buttons send a bare command of their own, whatever operation is selected: the
// module's register command writes p2 into sensor register p1 (and answers with its old value).
void CModuleTestDlg::OnMoveRight() {
    Pull();
    // Register 0 is the image's horizontal offset, 0x6A at rest; the field's steps come off it.
    m_Backup.Stop();
    m_bNeedFeatureFile = false;
    m_Console.SendBareCommand(ModuleCommand::kSetRegister, 0,
                              static_cast<uint8_t>(0x6A - m_nMoveRight), 0);
}

void CModuleTestDlg::OnMoveUp() {
    Pull();
    // Register 1 is the image's vertical offset, 0x80 at rest; the field's steps come off it.
    m_Backup.Stop();
    m_bNeedFeatureFile = false;
    m_Console.SendBareCommand(ModuleCommand::kSetRegister, 1,
                              static_cast<uint8_t>(0x80 - m_nMoveUp), 0);
}

// A fixed frame of the sensor's own, written as it stands without the send path's checks.
void CModuleTestDlg::OnBrightnessUp() {
    const uint8_t frame[] = {0xC0, 0x01, 0x00, 0x00, 0x00, 0x00,
                             0x00, 0x01, 0x0B, 0x00, 0x0D, 0xC0};
    std::copy(std::begin(frame), std::end(frame), Session().TxBuffer());
    if (!Session().WriteTx(static_cast<int>(std::size(frame))))
        ShowPortError();
}
