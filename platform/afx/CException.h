// The root of the class library's exceptions. The library throws them where an
// operation cannot go on (a file that cannot be read) and catches them where it hands
// a message to a window, showing the error to the user, so the command ends there.
#pragma once

#include "CObject.h"
#include "CString.h"

class CException : public CObject {
public:
    CException() = default;
    CException(const CException&) : CObject() {}

    // The message for the user.
    virtual CString GetErrorMessage() const = 0;
    // Shows the message in the class library's message box; returns the box's result.
    int ReportError() const;
};
