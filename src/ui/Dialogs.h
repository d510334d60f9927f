#pragma once

#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace ui {

// Every modal the window shows goes through here: message boxes, the open dialog and the
// program's own dialogs. The program uses the Qt boxes; a test answers them itself.
class DialogService {
  public:
    virtual ~DialogService() = default;

    virtual void Message(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual bool YesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    // False when cancelled; `value` then keeps its text.
    virtual bool Prompt(QWidget* parent, const QString& caption, const QString& label,
                        QString& value) = 0;
    // One existing file, or none when cancelled. `filter` is in the "text|pattern" form.
    virtual std::optional<QString> OpenFile(QWidget* parent, const QString& folder,
                                            const QString& filter, const QString& proposed) = 0;
    // Shows one of the program's dialogs modally; the dialog's result code.
    virtual int Exec(QDialog& dialog) = 0;
};

class QtDialogService : public DialogService {
  public:
    void Message(QWidget* parent, const QString& caption, const QString& text) override;
    bool YesNo(QWidget* parent, const QString& caption, const QString& text) override;
    bool Prompt(QWidget* parent, const QString& caption, const QString& label,
                QString& value) override;
    std::optional<QString> OpenFile(QWidget* parent, const QString& folder, const QString& filter,
                                    const QString& proposed) override;
    int Exec(QDialog& dialog) override;
};

// "text|pattern|text|pattern" as Qt's file dialogs take it: "text;;text".
QString QtFileFilter(const QString& filter);

}  // namespace ui
