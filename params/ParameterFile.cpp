// The .svo parameter file: the raw parameter block, byte for byte, with no header.
// Save writes the 41 bytes of the block; Load reads up to 128 bytes of any file over
// the start of the block.
#include "app/LogMessages.h"
#include "app/QuorvelDlg.h"
#include "params/ParameterBlock.h"

namespace {

const UINT LOAD_LIMIT = 128;

}  // namespace

void CQuorvelDlg::OnBnClickedLoad()
{
    CFileDialog FileDlg(TRUE, "*.svo", nullptr,
                        OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOTESTFILECREATE | OFN_NODEREFERENCELINKS,
                        "Servo Confige Files (*.svo)|*.svo|BIN Files (*.bin)|*.bin|All Files (*.*)|*.*||", this);
    if (FileDlg.DoModal() != IDOK)
        return;
    CString strPath = FileDlg.GetPathName();

    // A file that cannot be opened or read ends the command with the library's file
    // error, before anything below changes.
    CFile file(strPath, CFile::modeRead);
    ULONGLONG nLength = file.GetLength();
    UINT nCount = nLength > LOAD_LIMIT ? LOAD_LIMIT : static_cast<UINT>(nLength);
    file.Read(m_eeprom, nCount);
    file.Close();

    AddLogMessage(LOG_FILE_LOADED);
    DecodeParameterBlock();
    UpdateData(FALSE);
}

void CQuorvelDlg::OnBnClickedSave()
{
    CFileDialog FileDlg(FALSE, ".svo", "", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        "Servo config file (*.svo)|*.svo|所有文件   (*.*)|*.*|");
    UpdateData(TRUE);
    EncodeParameterBlock();
    if (FileDlg.DoModal() != IDOK)
        return;
    CString strPath = FileDlg.GetPathName();

    CFile file;
    CFileException error;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite, &error)) {
        // Say so: a save that silently wrote nothing would look like a success.
        error.ReportError();
        return;
    }
    file.Write(m_eeprom, PARAMETER_BLOCK_LEN);
    file.Close();
    AddLogMessage(LOG_FILE_SAVED);
}
