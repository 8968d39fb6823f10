#include "CException.h"

#include "AfxMessageBox.h"

int CException::ReportError() const
{
    return AfxMessageBox(GetErrorMessage(), MB_OK | MB_ICONEXCLAMATION);
}
