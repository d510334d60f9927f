// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The topics of the help file that F1 opens, by the element focused. The numbers are the
// help file's own.
namespace ui {

enum HelpContext : int {
    kHelpContents = 10000,  // the window and the file and tools menus
    kHelpPages = 2100,      // the page tabs
    kHelpPartsPage = 2120,
    kHelpPartsDetail = 2130,  // the detail data view of the parts page
    kHelpNetPage = 2140,
    kHelpNameCvtPage = 2150,  // the name conversion page and its entry dialog
    kHelpMakerPage = 2160,
    kHelpFootPage = 2170,
    kHelpPinCvtPage = 2180,
    kHelpOptionPage = 2190,
    kHelpDrawingPage = 2200,
    kHelpPartEdit = 2400,
    kHelpFootEdit = 2410,
    kHelpSave = 2420,  // the save command and dialog
    kHelpOpen = 2430,
    kHelpRegister = 3010,
    kHelpUnregister = 3020,
    kHelpSearch = 3060,
};

}  // namespace ui
