// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/DrawingFolder.h"
#include "ui/Dialogs.h"
#include "ui/VornExtra01.h"

namespace uitest {

// The one application object of the test program (offscreen).
QApplication& App();

// Answers the window's modals from a script and records what they said.
class ScriptedDialogs : public ui::DialogService {
  public:
    std::vector<QString> Messages;
    std::vector<QString> Questions;
    std::deque<bool> YesNoAnswers;      // Yes when none left
    std::deque<QString> OpenAnswers;    // an empty name cancels
    std::vector<QString> OpenRequests;  // "folder|filter|proposed"
    // Each runs one program dialog and gives its result; a dialog with no step left is
    // cancelled.
    std::deque<std::function<int(QDialog&)>> DialogSteps;
    int DialogsShown = 0;

    // Each runs while one message is up (the user acting before pressing OK).
    std::deque<std::function<void()>> MessageSteps;

    std::vector<Kind> MessageKinds;

    void Message(QWidget*, const QString&, const QString& text, Kind kind) override {
        Messages.push_back(text);
        MessageKinds.push_back(kind);
        if (!MessageSteps.empty()) {
            auto step = std::move(MessageSteps.front());
            MessageSteps.pop_front();
            step();
        }
    }
    bool YesNo(QWidget*, const QString&, const QString& text) override;
    // Each answers one prompt (stored in PromptShown with the value it opened with);
    // with none left the prompt is cancelled.
    std::deque<QString> PromptAnswers;
    // Each answers one save dialog (an empty name cancels); the proposals are kept.
    std::deque<QString> SaveAnswers;
    std::vector<QString> SaveProposals;
    // The filter item each save dialog is answered with (-1 or none: the one shown first).
    std::deque<int> SaveChoices;
    std::vector<int> SaveChoicesShown;
    std::optional<QString> SaveFile(QWidget*, const QString& proposed, const QString&,
                                    int& choice) override {
        SaveProposals.push_back(proposed);
        SaveChoicesShown.push_back(choice);
        if (!SaveChoices.empty()) {
            if (SaveChoices.front() >= 0) {
                choice = SaveChoices.front();
            }
            SaveChoices.pop_front();
        }
        if (SaveAnswers.empty() || SaveAnswers.front().isEmpty()) {
            if (!SaveAnswers.empty()) {
                SaveAnswers.pop_front();
            }
            return std::nullopt;
        }
        QString answer = SaveAnswers.front();
        SaveAnswers.pop_front();
        return answer;
    }
    std::vector<QString> PromptShown;  // "caption|label|value"
    bool Prompt(QWidget*, const QString& caption, const QString& label, QString& value) override {
        PromptShown.push_back(caption + "|" + label + "|" + value);
        if (PromptAnswers.empty()) {
            return false;
        }
        value = PromptAnswers.front();
        PromptAnswers.pop_front();
        return true;
    }
    std::optional<QString> OpenFile(QWidget*, const QString& folder, const QString& filter,
                                    const QString& proposed) override;
    int Exec(QDialog& dialog) override;
    void OpenUrl(const QUrl& url) override { OpenedUrls.push_back(url); }

    std::vector<QUrl> OpenedUrls;
};

// A window over a folder of small drawings.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    // Makes the window (as the program does at start), then runs the first load.
    ui::TVornExtracts& Open(const std::vector<std::string>& drawings = {});
    // Closes the window as its close box would; true when it closed.
    bool Close();

    support::DrawingFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<ui::TVornExtracts> window;
};

// The open-confirm dialog answered with one choice (0 replace, 1 add) and the button.
std::function<int(QDialog&)> Confirm(int readStyle);

// A cell of a widget list as UTF-8.
std::string Cell(ui::ListWidget* view, int row, int column);
std::vector<std::string> Column(ui::ListWidget* view, int column);

}  // namespace uitest
