// Hosting of ActiveX controls in dialogs.
#pragma once

// No dialog of the program holds an ActiveX control, so there is nothing to enable.
inline void AfxEnableControlContainer() {}
