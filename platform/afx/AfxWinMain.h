// The class library's start-up. The executable's main installs a display driver and
// calls AfxWinMain, which runs the program's one application object.
#pragma once

#include "CString.h"

// Names the application after the executable (AfxWinInit), calls its InitInstance and,
// when that returns TRUE, its Run; returns the exit status. Arguments are not parsed.
int AfxWinMain(int argc, char** argv);

// The library's own initialisation: lets a file-size limit fail writes rather than
// end the process (SIGXFSZ ignored), and fixes the application's name from the file
// of the running executable. FALSE when there is no application object.
BOOL AfxWinInit();

// A program's name from its file's path: the file name without its extension, in
// code page 936.
CString AfxAppNameFromPath(LPCTSTR lpszUtf8Path);
