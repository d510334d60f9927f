// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>

class QUrl;
class QDialog;
class QEvent;
class QGridLayout;
class QObject;
class QWidget;

namespace ui {

// Every modal the window shows goes through here: message boxes, the open dialog and the
// program's own dialogs. The program uses the Qt boxes; a test answers them itself.
class DialogService {
  public:
    virtual ~DialogService() = default;

    enum class Kind { Information, Warning, Error };  // the message box's icon
    virtual void Message(QWidget* parent, const QString& caption, const QString& text,
                         Kind kind = Kind::Information) = 0;
    virtual bool YesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    // False when cancelled; `value` then keeps its text.
    virtual bool Prompt(QWidget* parent, const QString& caption, const QString& label,
                        QString& value) = 0;
    // One existing file, or none when cancelled. `filter` is in the "text|pattern" form.
    // The save dialog with a proposed file (folder and name) and its filter; none when
    // cancelled. `choice` is the filter item shown first and receives the one chosen.
    virtual std::optional<QString> SaveFile(QWidget* parent, const QString& proposed,
                                            const QString& filter, int& choice) = 0;
    virtual std::optional<QString> OpenFile(QWidget* parent, const QString& folder,
                                            const QString& filter, const QString& proposed) = 0;
    // Shows one of the program's dialogs modally; the dialog's result code.
    virtual int Exec(QDialog& dialog) = 0;
    // Opens topic `context` of the help file, where the platform has a viewer for it.
    // Opens a page (the manual) in the desktop's browser.
    virtual void OpenUrl(const QUrl& url) = 0;
};

class QtDialogService : public DialogService {
  public:
    void Message(QWidget* parent, const QString& caption, const QString& text,
                 Kind kind = Kind::Information) override;
    bool YesNo(QWidget* parent, const QString& caption, const QString& text) override;
    bool Prompt(QWidget* parent, const QString& caption, const QString& label,
                QString& value) override;
    std::optional<QString> SaveFile(QWidget* parent, const QString& proposed, const QString& filter,
                                    int& choice) override;
    std::optional<QString> OpenFile(QWidget* parent, const QString& folder, const QString& filter,
                                    const QString& proposed) override;
    int Exec(QDialog& dialog) override;
    void OpenUrl(const QUrl& url) override;
};

// The help context of a widget: its own, else that of the nearest parent that has one;
// 0 for none.
int HelpContextOf(const QObject* object);
void SetHelpContext(QObject* object, int context);

// Enter in one of a dialog's inputs goes on to `button` rather than closing the dialog:
// true when `event` was that key (and is done with).
bool EnterMovesTo(QWidget* button, QEvent* event);

// One row per input from `firstRow` on: its caption (UTF-8, the caption's mnemonic
// leading to the input) in `column`, the input beside it. Returns the row after them.
int AddCaptionedRows(QGridLayout& grid, int firstRow, int column,
                     std::initializer_list<std::pair<const char*, QWidget*>> rows);

// Makes `dialog` at least as wide as its caption with the title bar's icon and buttons,
// so a window manager need not cut the caption.
void KeepCaptionWhole(QWidget& dialog);

// "text|pattern|text|pattern" as Qt's file dialogs take it: "text;;text".
QString QtFileFilter(const QString& filter);

}  // namespace ui
