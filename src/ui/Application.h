// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class QCoreApplication;
class QLocale;
class QTranslator;

namespace ui {

// Qt's own texts (the buttons of message boxes, the file dialogs) in the language of
// `locale`, from the translations installed with Qt; the window's own texts are Japanese
// already. Returns the translator installed, null when Qt has none for the language.
QTranslator* LoadQtTranslations(QCoreApplication& application, const QLocale& locale);

// Runs the window with the drawings of the command line; returns the exit status.
int RunApplication(int argc, char** argv, const std::vector<std::string>& drawings);

}  // namespace ui
