// Identifiers that the class library reserves: its commands and the messages of its
// string table, which the program's resources supply.
#pragma once

// Commands.
#define ID_HELP 0xE146

// Data exchange messages.
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_BYTE 0xF116
