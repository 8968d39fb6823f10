// The items of the main dialog's two fixed lists: one add-string record per item, the
// stretcher list first. Each record is the control ID, the message (CB_ADDSTRING), the
// length of the string with its terminating zero, and the string; a zero ID ends them.
#include <string_view>

#include "res/ResourceBytes.h"
#include "res/resource.h"
#include "moduleresources.h"
#include "winuser.h"

namespace {

struct ListItem {
    WORD nIDC;
    std::string_view text;
};

constexpr ListItem ITEMS[] = {
    {IDC_STRETCHER, "1"},
    {IDC_STRETCHER, "2"},
    {IDC_STRETCHER, "4"},
    {IDC_STRETCHER, "8"},
    {IDC_STRETCHER, "16"},
    {IDC_STRETCHER, "32"},
    // 19531.25 Hz divided by 1 to 32, to the nearest hertz, then 330 Hz.
    {IDC_DRIVE_FREQ_LIST, "19531"},
    {IDC_DRIVE_FREQ_LIST, "9766"},
    {IDC_DRIVE_FREQ_LIST, "6510"},
    {IDC_DRIVE_FREQ_LIST, "4883"},
    {IDC_DRIVE_FREQ_LIST, "3906"},
    {IDC_DRIVE_FREQ_LIST, "3255"},
    {IDC_DRIVE_FREQ_LIST, "2790"},
    {IDC_DRIVE_FREQ_LIST, "2441"},
    {IDC_DRIVE_FREQ_LIST, "2170"},
    {IDC_DRIVE_FREQ_LIST, "1953"},
    {IDC_DRIVE_FREQ_LIST, "1776"},
    {IDC_DRIVE_FREQ_LIST, "1628"},
    {IDC_DRIVE_FREQ_LIST, "1502"},
    {IDC_DRIVE_FREQ_LIST, "1395"},
    {IDC_DRIVE_FREQ_LIST, "1302"},
    {IDC_DRIVE_FREQ_LIST, "1221"},
    {IDC_DRIVE_FREQ_LIST, "1149"},
    {IDC_DRIVE_FREQ_LIST, "1085"},
    {IDC_DRIVE_FREQ_LIST, "1028"},
    {IDC_DRIVE_FREQ_LIST, "977"},
    {IDC_DRIVE_FREQ_LIST, "930"},
    {IDC_DRIVE_FREQ_LIST, "888"},
    {IDC_DRIVE_FREQ_LIST, "849"},
    {IDC_DRIVE_FREQ_LIST, "814"},
    {IDC_DRIVE_FREQ_LIST, "781"},
    {IDC_DRIVE_FREQ_LIST, "751"},
    {IDC_DRIVE_FREQ_LIST, "723"},
    {IDC_DRIVE_FREQ_LIST, "698"},
    {IDC_DRIVE_FREQ_LIST, "673"},
    {IDC_DRIVE_FREQ_LIST, "651"},
    {IDC_DRIVE_FREQ_LIST, "630"},
    {IDC_DRIVE_FREQ_LIST, "610"},
    {IDC_DRIVE_FREQ_LIST, "330"},
};

const size_t RECORD_HEADER = 8;

constexpr size_t DlgInitSize()
{
    size_t size = 2;
    for (const ListItem& item : ITEMS)
        size += RECORD_HEADER + item.text.size() + 1;
    return size;
}

constexpr ResourceBytes<DlgInitSize()> BuildDlgInit()
{
    ResourceBytes<DlgInitSize()> resource;
    for (const ListItem& item : ITEMS) {
        resource.Word(item.nIDC);
        resource.Word(CB_ADDSTRING);
        resource.Dword(static_cast<DWORD>(item.text.size() + 1));
        resource.Text(item.text);
        resource.Byte(0);
    }
    resource.Word(0);
    return resource;
}

constexpr ResourceBytes<DlgInitSize()> DLGINIT = BuildDlgInit();

const ResourceRegistration registration(LOWORD(RT_DLGINIT), IDD_QUORVEL_DIALOG, DLGINIT.bytes.data(),
                                        static_cast<DWORD>(DLGINIT.size));

}  // namespace
