// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <filesystem>

// The user manual and what F1 opens of it.
namespace ui {

// The manual's first page: where the installed program finds it (share/doc of its prefix),
// else beside the program as the build folder holds it. Empty when neither exists.
std::filesystem::path ManualFile();

// The manual at the section of a help context (see HelpContexts.h); its first page for a
// context it has no section of. Empty when there is no manual.
QUrl ManualUrl(int context);

// The text of the version box: the program's version, its licence and Qt's version.
QString AboutText();

}  // namespace ui
