#include <gtest/gtest.h>

#include "TestDialog.h"
#include "controllabel.h"

namespace {

constexpr DWORD LABEL = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD EDIT = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD LIST = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP;

// Fields and labels where the configurator's template puts them, in its order: the
// stretcher list long after its label, whose line Boost's label shares with Max. Duty's,
// and the neutral's label after its edit, whose line holds Drive Frequency's to its right.
const DLGITEMTEMPLATE_QV ITEMS[] = {
    {LIST | CBS_DROPDOWN | CBS_SORT, 0, 69, 230, 85, 38, 1000, "COMBOBOX", ""},
    {LABEL, 0, 14, 49, 74, 8, -1, "STATIC", "Dead Band(0.2-51us ) "},
    {EDIT, 0, 101, 43, 46, 12, 1003, "EDIT", ""},
    {LABEL, 0, 162, 45, 38, 8, -1, "STATIC", "Stretcher :"},
    {LABEL, 0, 162, 67, 66, 8, -1, "STATIC", "Boost( n x12.8us )"},
    {EDIT | ES_NUMBER, 0, 233, 65, 49, 12, 1005, "EDIT", ""},
    {LABEL, 0, 15, 70, 69, 8, -1, "STATIC", "Max. Duty(1-255)"},
    {LABEL, 0, 162, 137, 69, 8, -1, "STATIC", "Drive Frequency(Hz) :"},
    {EDIT, 0, 101, 131, 55, 12, 1012, "EDIT", ""},
    {LABEL, 0, 16, 137, 68, 8, -1, "STATIC", "Neutral(+_1000)"},
    {WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 146, 42, 10, 13, 1018, "SCROLLBAR", ""},
    {LIST | CBS_DROPDOWNLIST, 0, 233, 42, 57, 43, 1016, "COMBOBOX", ""},
    {LIST | CBS_DROPDOWNLIST, 0, 233, 133, 48, 83, 1029, "COMBOBOX", ""},
};

TEST(ControlLabelTest, AFieldIsNamedByTheNearestLabelOnItsLineToItsLeftWhereverTheTemplateListsIt)
{
    HeadlessDriver driver;
    DLGTEMPLATE_QV fields = TestDialogTemplate();
    fields.items = ITEMS;
    fields.itemCount = static_cast<int>(std::size(ITEMS));
    TestDialog dialog(fields);
    auto labelOf = [&dialog](int id) { return WindowText(GetControlLabel(dialog.Item(id))); };

    EXPECT_EQ(labelOf(1003), "Dead Band(0.2-51us ) ");  // not Stretcher, right of it
    EXPECT_EQ(labelOf(1005), "Boost( n x12.8us )");     // not Max. Duty, further left
    EXPECT_EQ(labelOf(1012), "Neutral(+_1000)");        // not Drive Frequency, right of it
    EXPECT_EQ(labelOf(1016), "Stretcher :");  // not Boost, beside the dropped-down list only
    EXPECT_EQ(labelOf(1029), "Drive Frequency(Hz) :");
    // Nothing stands left of the device list; the scroll bar is on the Dead Band line.
    EXPECT_EQ(GetControlLabel(dialog.Item(1000)), nullptr);
    EXPECT_EQ(GetControlLabel(dialog.Item(1018)), nullptr);
}

}  // namespace
