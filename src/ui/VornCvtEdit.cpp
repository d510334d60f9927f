// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornCvtEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/DialogSettings.h"
#include "settings/SettingsFiles.h"
#include "text/Cp932.h"
#include "ui/Dialogs.h"
#include "ui/HelpContexts.h"
#include "ui/VornExtra01.h"

namespace ui {

TCvtEdit::TCvtEdit(TVornExtracts& owner)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      owner_(owner),
      settingsFile_(settings::ProgramSettingsPath()) {
    setWindowTitle(owner.windowTitle());
    OrgName = new QLineEdit;
    PName = new QLineEdit;
    GroupList = new QComboBox;
    GroupList->setEditable(true);
    GroupList->setInsertPolicy(QComboBox::NoInsert);
    SaveBtn = new QPushButton;
    CancelBtn = new QPushButton(U("ｷｬﾝｾﾙ(&Q)"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 10, 8);
    grid->addWidget(SaveBtn, 0, 0);
    grid->addWidget(CancelBtn, 1, 0);
    AddCaptionedRows(
        *grid, 0, 1,
        {{"部品名（図中）(&O)", OrgName}, {"部品名(&P)", PName}, {"種別(&K)", GroupList}});
    for (QWidget* input : {static_cast<QWidget*>(OrgName), static_cast<QWidget*>(PName),
                           static_cast<QWidget*>(GroupList)}) {
        input->installEventFilter(this);
    }
    grid->setColumnStretch(2, 1);
    connect(SaveBtn, &QPushButton::clicked, this, &TCvtEdit::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    app::DialogGeometry geometry = app::ReadCvtEditGeometry(settingsFile_);
    move(geometry.Left, geometry.Top);
    resize(geometry.Width, geometry.Height);
    KeepCaptionWhole(*this);
    for (const settings::NameGroupItem& group : owner.State.Options.NameGroup) {
        GroupList->addItem(Qs(group.Name));
    }
    tables::TNameLists* lists = owner.State.Tables.NameLists.get();
    if (lists && lists->CurrentRow) {
        view::ListView& rows = owner.CvtViews().Of(lists->CurrentRow->List);
        int current = lists->CurrentRow->Row;
        GroupList->setEditText(Qs(rows.CellText(current, 0)));
        OrgName->setText(Qs(rows.CellText(current, 1)));
        PName->setText(Qs(rows.CellText(current, 2)));
    }
    SetMode(mode_);
    SetHelpContext(this, kHelpNameCvtPage);
    owner.AddHelpKey(*this);
}

void TCvtEdit::SetMode(tables::TNameLists::EditMode mode) {
    mode_ = mode;
    SaveBtn->setText(U(mode == tables::TNameLists::EditMode::Insert ? "追加(&A)" : "更新(&U)"));
}

void TCvtEdit::SaveBtnClick() {
    if (tables::TNameLists* lists = owner_.State.Tables.NameLists.get()) {
        lists->ApplyEntryEdit(owner_.CvtViews(), mode_, owner_.Typed(OrgName->text()),
                              owner_.Typed(PName->text()), owner_.Typed(GroupList->currentText()),
                              owner_.State.DrawingFolder());
    }
    accept();
}

// Enter in an input goes on to the button rather than closing the dialog.
bool TCvtEdit::eventFilter(QObject* watched, QEvent* event) {
    if (EnterMovesTo(SaveBtn, event)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TCvtEdit::done(int result) {
    if (!app::WriteCvtEditGeometry(settingsFile_, {x(), width(), y(), height()})) {
        owner_.Ui().ShowMessage(text::Sj("環境の保存が出来ません"));
    }
    QDialog::done(result);
}

}  // namespace ui
