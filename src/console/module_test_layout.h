#pragma once
// The test panel's layout as data: every control with its id, kind, caption, position in dialog
// units and initial state. The 27 operation radio buttons take their ids and captions from the
// operation table; only their positions live here.
#include <cstdint>

enum class CControlKind : uint8_t {
    Radio,         // operation radio button, one group
    Check,         // check box
    LineEdit,      // one-line edit field
    TextDisplay,   // multi-line, read-only edit field with a vertical scroll bar
    HexDump,       // read-only hex dump view with a vertical scroll bar
    PushButton,    // plain push button
    CoolButton,    // CCoolButton
    Label,         // static text
    Frame,         // group frame, titled or not
    ImageControl,  // the fingerprint image control
    SerialControl, // where the serial communications control sits; draws nothing
};

enum ControlStyle : unsigned {
    kStyleHidden = 1u << 0,      // created invisible and never shown
    kStyleDisabled = 1u << 1,    // created disabled
    kStyleUpperCase = 1u << 2,   // the field turns all of its text into upper case
    kStyleReadOnly = 1u << 3,    // only the program writes the field
    kStyleCentred = 1u << 4,     // centred text
    kStyleDefault = 1u << 5,     // the default push button
    kStyleWrapCaption = 1u << 6, // caption broken over several lines to fit
};

constexpr int kNoControlId = 0; // labels and frames without an id of their own

struct CControlSpec {
    int id;
    CControlKind kind;
    const char* caption; // UTF-8; empty for none
    int x, y, width, height;
    unsigned style;             // ControlStyle bits
    int buddyId;                // for a label: the control it names; 0 for none
    const char* accessibleName; // UTF-8; set where neither caption nor label names the control
};

constexpr int kPanelWidthUnits = 643;
constexpr int kPanelHeightUnits = 444;
constexpr int kControlCount = 83;
constexpr int kRadioCount = 27;

// All 83 controls in creation order: the radio buttons first (index = operation index), then the
// other controls, then the labels and frames.
const CControlSpec& ControlSpecAt(int index);
// The row of the control with that id, or nullptr.
const CControlSpec* FindControlSpec(int id);
