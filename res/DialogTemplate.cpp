// Dialog template 102, the main dialog: its frame, font and 42 controls in tab order.
#include "commctrl.h"
#include "dlgtemplate.h"
#include "res/resource.h"
#include "moduleresources.h"

namespace {

const DWORD PUSH_BUTTON = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
const DWORD CHECK_BOX = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
const DWORD GROUP_BOX = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
const DWORD LABEL = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
const DWORD EDIT = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
const DWORD DIGITS_EDIT = EDIT | ES_NUMBER;
const DWORD HIDDEN_EDIT = EDIT & ~WS_VISIBLE;
const DWORD SORTED_DROP_DOWN = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT;
const DWORD DROP_LIST = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
const DWORD SCROLL_BAR = WS_CHILD | WS_VISIBLE | SBS_VERT;
const DWORD REPORT_LIST = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT;

const int IDC_STATIC = -1;

const DLGITEMTEMPLATE_QV items[] = {
    {SORTED_DROP_DOWN, 0, 69, 230, 85, 38, IDC_DEVICE_LIST, "COMBOBOX", ""},
    {PUSH_BUTTON, 0, 157, 230, 92, 13, IDC_REFLASH_USB, "BUTTON", "Reflash USB"},
    {LABEL, 0, 14, 49, 74, 8, IDC_STATIC, "STATIC", "Dead Band(0.2-51us ) "},
    {EDIT, 0, 101, 43, 46, 12, IDC_DEAD_BAND, "EDIT", ""},
    {LABEL, 0, 162, 45, 38, 8, IDC_STATIC, "STATIC", "Stretcher :"},
    {LABEL, 0, 162, 67, 66, 8, IDC_STATIC, "STATIC", "Boost( n x12.8us )"},
    {DIGITS_EDIT, 0, 233, 65, 49, 12, IDC_BOOST, "EDIT", ""},
    {LABEL, 0, 15, 70, 69, 8, IDC_STATIC, "STATIC", "Max. Duty(1-255)"},
    {DIGITS_EDIT, 0, 101, 65, 46, 12, IDC_MAX_DUTY, "EDIT", ""},
    {LABEL, 0, 162, 90, 60, 8, IDC_STATIC, "STATIC", "Pulse Upper( us )"},
    {DIGITS_EDIT, 0, 233, 86, 49, 12, IDC_PULSE_UPPER, "EDIT", ""},
    {LABEL, 0, 16, 93, 58, 8, IDC_STATIC, "STATIC", "Pulse Lower( us )"},
    {DIGITS_EDIT, 0, 101, 87, 46, 12, IDC_PULSE_LOWER, "EDIT", ""},
    {LABEL, 0, 162, 113, 71, 8, IDC_STATIC, "STATIC", "Right Range(-64+64)"},
    {EDIT, 0, 233, 109, 50, 12, IDC_RIGHT_RANGE, "EDIT", ""},
    {LABEL, 0, 15, 114, 85, 8, IDC_STATIC, "STATIC", "Left Range(-64-+64)"},
    {EDIT, 0, 101, 109, 46, 12, IDC_LEFT_RANGE, "EDIT", ""},
    {LABEL, 0, 162, 137, 69, 8, IDC_STATIC, "STATIC", "Drive Frequency(Hz) :"},
    {HIDDEN_EDIT, 0, 243, 183, 58, 12, IDC_DRIVE_FREQUENCY, "EDIT", ""},
    {LABEL, 0, 16, 137, 68, 8, IDC_STATIC, "STATIC", "Neutral(+_1000)"},
    {EDIT, 0, 101, 131, 55, 12, IDC_NEUTRAL, "EDIT", ""},
    {GROUP_BOX, 0, 7, 29, 305, 173, IDC_STATIC, "BUTTON", "Servo Config"},
    {GROUP_BOX, 0, 7, 203, 305, 48, IDC_STATIC, "BUTTON", "Program"},
    {PUSH_BUTTON, 0, 182, 213, 60, 13, IDC_WRITE_CONFIG, "BUTTON", "Write Config"},
    {PUSH_BUTTON, 0, 75, 211, 60, 14, IDC_READ_CONFIG, "BUTTON", "Read Config"},
    {SCROLL_BAR, 0, 147, 87, 10, 13, IDC_PULSE_LOWER_SCROLL, "SCROLLBAR", ""},
    {SCROLL_BAR, 0, 146, 42, 10, 13, IDC_DEAD_BAND_SCROLL, "SCROLLBAR", ""},
    {SCROLL_BAR, 0, 280, 86, 10, 13, IDC_PULSE_UPPER_SCROLL, "SCROLLBAR", ""},
    {SCROLL_BAR, 0, 281, 63, 10, 13, IDC_BOOST_SCROLL, "SCROLLBAR", ""},
    {SCROLL_BAR, 0, 146, 65, 10, 13, IDC_MAX_DUTY_SCROLL, "SCROLLBAR", ""},
    {DROP_LIST, 0, 233, 42, 57, 43, IDC_STRETCHER, "COMBOBOX", ""},
    {SCROLL_BAR, 0, 147, 109, 10, 13, IDC_LEFT_RANGE_SCROLL, "SCROLLBAR", ""},
    {SCROLL_BAR, 0, 281, 107, 10, 13, IDC_RIGHT_RANGE_SCROLL, "SCROLLBAR", ""},
    {REPORT_LIST, 0, 7, 257, 305, 71, IDC_LOG_LIST, WC_LISTVIEW, ""},
    {CHECK_BOX, 0, 18, 155, 59, 10, IDC_INTERNAL_OSC, "BUTTON", "Internal OSC"},
    {PUSH_BUTTON, 0, 182, 183, 56, 14, IDC_RESET_PARAMETERS, "BUTTON", "Reset Paramet"},
    {DROP_LIST, 0, 233, 133, 48, 83, IDC_DRIVE_FREQ_LIST, "COMBOBOX", ""},
    {CHECK_BOX, 0, 18, 179, 59, 10, IDC_100PWM, "BUTTON", "100%PWM"},
    {CHECK_BOX, 0, 102, 154, 59, 10, IDC_INVERTER, "BUTTON", "Inverter"},
    {CHECK_BOX, 0, 102, 178, 59, 10, IDC_NARROW_BAND, "BUTTON", "Narrow Band"},
    {PUSH_BUTTON, 0, 7, 7, 50, 14, IDC_LOAD, "BUTTON", "Load"},
    {PUSH_BUTTON, 0, 67, 7, 50, 14, IDC_SAVE, "BUTTON", "Save"},
};

const DLGTEMPLATE_QV dialog = {
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    WS_EX_APPWINDOW,
    0,
    0,
    319,
    335,
    "Quorvel",
    "Tahoma",
    9,
    700,
    FALSE,
    0,
    items,
    sizeof items / sizeof items[0],
};

const ResourceRegistration registration(LOWORD(RT_DIALOG), IDD_QUORVEL_DIALOG, &dialog, sizeof dialog);

}  // namespace
