#pragma once
// Resource identifiers of the options dialog.
#define IDC_OPTIONS_HAND 200
