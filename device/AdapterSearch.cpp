// "Reflash USB": lists the first attached adapter whose identification can be read.
#include "app/LogMessages.h"
#include "app/QuorvelDlg.h"
#include "device/UsbBridgeImports.h"

void CQuorvelDlg::OnBnClickedReflashUsb()
{
    CComboBox* pDeviceList = static_cast<CComboBox*>(GetDlgItem(IDC_DEVICE_LIST));
    // The fields are taken before the list is checked, and shown again on every way out:
    // the user sees a refused field's box and each field reformatted even without a list.
    UpdateData(TRUE);
    if (pDeviceList == nullptr) {
        UpdateData(FALSE);
        return;
    }

    for (int i = pDeviceList->GetCount() - 1; i >= 0; --i)
        pDeviceList->DeleteString(i);

    DWORD dwNumDevices = 0;
    if (CountDevices(&dwNumDevices) == USB_OK) {
        for (DWORD i = 0; i < dwNumDevices; ++i) {
            char devStr[USB_DEVICE_STRING_SIZE] = {};
            if (GetDeviceString(i, devStr, 0) != USB_OK)
                continue;
            // Never trust the library to have ended the text inside the buffer.
            devStr[sizeof devStr - 1] = '\0';
            pDeviceList->AddString(devStr);
            AddLogMessage(LOG_DEVICE_FOUND);
            pDeviceList->SetCurSel(0);
            UpdateData(FALSE);
            return;
        }
    }

    pDeviceList->SetCurSel(0);
    AddLogMessage(LOG_NO_DEVICE_FOUND);
    UpdateData(FALSE);
}
