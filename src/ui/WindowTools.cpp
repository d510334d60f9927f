// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMetaObject>

#include "app/ExternalEdit.h"
#include "app/FileAssociation.h"
#include "platform/KeyStore.h"
#include "platform/ProgramHome.h"
#include "text/Cp932.h"
#include "text/Sjis.h"
#include "ui/Dialogs.h"
#include "ui/VornExtra01.h"

namespace ui {

// The store is read afresh for each command, so changes made meanwhile are kept.
void TVornExtracts::RegistrationMnuClick() {
    platform::KeyStore store;
    app::RegisterAssociation(store, text::Utf8ToCp932(platform::ProgramPath().string()), ui_);
}

void TVornExtracts::RegistDelMnuClick() {
    platform::KeyStore store;
    app::RemoveAssociation(store, ui_);
}

// Only the wait runs on the worker; the window, the tables and their views are touched on
// the user-interface thread alone.
void TVornExtracts::EditorMnuClick(app::EditedTable table) {
    if (editorWait_.joinable()) {
        editorWait_.join();  // the earlier wait has ended: the window was enabled again
    }
    app::PrepareTableEdit(State, table);
    std::string editor = text::Cp932ToUtf8(State.Options.Editors);
    std::filesystem::path file = app::EditedTableFile(State, table);
    if (!app::EditorAvailable(editor)) {
        EditInDesktopEditor(table, file);
        return;
    }
    setEnabled(false);
    tableEditRunning_ = true;
    editorWait_ = std::thread([this, table, editor, file] {
        app::RunEditorAndWait(editor, file);
        QMetaObject::invokeMethod(
            this,
            [this, table] {
                app::ReloadEditedTable(State, table);
                tableEditRunning_ = false;
                setEnabled(true);
            },
            Qt::QueuedConnection);
    });
}

// The desktop's editor returns at once, leaving its window open: the user says when the
// edit is done, and the table is read again then.
void TVornExtracts::EditInDesktopEditor(app::EditedTable table, const std::filesystem::path& file) {
    if (!app::OpenInDesktopEditor(file)) {
        ui_.ShowMessage(text::Utf8ToCp932(file.string()) +
                        text::Sj("\n\tを開くエディタが起動出来ません。オプションの「エディタ」に"
                                 "コマンドを設定してください (例: gedit --wait %1)。"));
        return;
    }
    tableEditRunning_ = true;
    dialogs_.Message(this, windowTitle(),
                     U("テキストエディタで開きました。\n編集して保存したら OK を押してください。"
                       "表を読み直します。"));
    app::ReloadEditedTable(State, table);
    tableEditRunning_ = false;
}

}  // namespace ui
