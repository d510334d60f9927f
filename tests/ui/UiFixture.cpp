// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "UiFixture.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QPushButton>
#include "ui/ListWidget.h"

#include "ui/OpenConfirm.h"

namespace uitest {

QApplication& App() {
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals may already be gone.
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

bool ScriptedDialogs::YesNo(QWidget*, const QString&, const QString& text) {
    Questions.push_back(text);
    if (YesNoAnswers.empty()) {
        return true;
    }
    bool answer = YesNoAnswers.front();
    YesNoAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::OpenFile(QWidget*, const QString& folder,
                                                 const QString& filter, const QString& proposed) {
    OpenRequests.push_back(folder + "|" + filter + "|" + proposed);
    if (OpenAnswers.empty()) {
        return std::nullopt;
    }
    QString answer = OpenAnswers.front();
    OpenAnswers.pop_front();
    if (answer.isEmpty()) {
        return std::nullopt;
    }
    return answer;
}

int ScriptedDialogs::Exec(QDialog& dialog) {
    ++DialogsShown;
    dialog.show();
    if (DialogSteps.empty()) {
        dialog.reject();
        return QDialog::Rejected;
    }
    std::function<int(QDialog&)> step = DialogSteps.front();
    DialogSteps.pop_front();
    step(dialog);
    if (dialog.isVisible()) {
        dialog.reject();
    }
    return dialog.result();
}

WindowTest::WindowTest() {
    App();
}

WindowTest::~WindowTest() {
    if (window) {
        window->State.NotSaved = false;
        window.reset();
    }
}

ui::TVornExtracts& WindowTest::Open(const std::vector<std::string>& drawings) {
    window = std::make_unique<ui::TVornExtracts>(dialogs, drawings);
    window->show();
    window->FormShow();
    return *window;
}

bool WindowTest::Close() {
    return window->close();
}

std::function<int(QDialog&)> Confirm(int readStyle) {
    return [readStyle](QDialog& dialog) {
        auto& form = dynamic_cast<ui::TOpenConfirmForm&>(dialog);
        form.ReadStyle->button(readStyle)->click();
        form.ReadBtn->click();
        return form.result();
    };
}

std::string Cell(ui::ListWidget* view, int row, int column) {
    return row >= 0 && row < view->RowCount() ? view->Text(row, column).toStdString()
                                              : std::string("<no row>");
}

std::vector<std::string> Column(ui::ListWidget* view, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < view->RowCount(); ++row) {
        cells.push_back(Cell(view, row, column));
    }
    return cells;
}

}  // namespace uitest
