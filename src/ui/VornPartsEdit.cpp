// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornPartsEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "app/PartsEditFlow.h"
#include "ui/Dialogs.h"
#include "ui/HelpContexts.h"
#include "ui/VornExtra01.h"

namespace ui {

TPartsEdit::TPartsEdit(TVornExtracts& owner, model::TPartRec& part)
    : TPartDialog(owner, part,
                  {app::kEditParts, app::kEditPartsDesign, "部品変換テーブルの更新(&T)",
                   kHelpPartEdit, true}) {
    RefNum = ReadOnlyEdit();
    OrgName = ReadOnlyEdit();
    PName = new QLineEdit;
    Amount = new QLineEdit;
    Maker = new QLineEdit;
    GroupList = new QComboBox;
    GroupList->setEditable(true);
    GroupList->setInsertPolicy(QComboBox::NoInsert);
    LibName = ReadOnlyEdit();
    Note = new QLineEdit;
    AddInputs({{"部品番号", RefNum},
               {"部品名（図中）", OrgName},
               {"部品名(&P)", PName},
               {"数量(&N)", Amount},
               {"メーカー名(&M)", Maker},
               {"種別(&K)", GroupList},
               {"ライブラリ登録名", LibName},
               {"備考(&B)", Note}});
    for (QWidget* input :
         {static_cast<QWidget*>(PName), static_cast<QWidget*>(Amount), static_cast<QWidget*>(Maker),
          static_cast<QWidget*>(Note), static_cast<QWidget*>(GroupList)}) {
        input->installEventFilter(this);
    }
    connect(SaveBtn, &QPushButton::clicked, this, &TPartsEdit::SaveBtnClick);

    for (const settings::NameGroupItem& group : owner.State.Options.NameGroup) {
        GroupList->addItem(Qs(group.Name));
    }
    RefNum->setText(Qs(std::string(part.RefText())));
    OrgName->setText(Qs(std::string(part.PartNameText())));
    PName->setText(Qs(std::string(part.CvtNameText())));
    Amount->setText(QString::number(part.Amount));
    Maker->setText(Qs(std::string(part.MakerNameText())));
    LibName->setText(Qs(std::string(part.LibNameText())));
    Note->setText(Qs(std::string(part.NoteText())));
    GroupList->setCurrentIndex(part.NameCvtIndex < GroupList->count() ? part.NameCvtIndex : -1);
    if (GroupList->currentIndex() < 0) {
        GroupList->setEditText(QString());
    }
}

int TPartsEdit::SelectedGroup() const {
    int index = GroupList->currentIndex();
    return index >= 0 && GroupList->currentText() == GroupList->itemText(index) ? index : -1;
}

void TPartsEdit::SaveBtnClick() {
    app::PartEdit edit{SelectedGroup(),
                       owner_.Typed(GroupList->currentText()),
                       owner_.Typed(PName->text()),
                       owner_.Typed(Maker->text()),
                       owner_.Typed(Note->text()),
                       Amount->text().toStdString(),
                       UpdateCvt->isChecked()};
    const std::size_t groupsBefore = owner_.State.Options.NameGroup.size();
    saved_ = app::SavePartEdit(owner_.State, part_, edit) || saved_;
    const auto& groups = owner_.State.Options.NameGroup;
    if (groups.size() != groupsBefore) {
        owner_.ShowNameGroups();
    }
    while (edit.GroupIndex >= GroupList->count() &&
           static_cast<std::size_t>(GroupList->count()) < groups.size()) {
        GroupList->addItem(Qs(groups[static_cast<std::size_t>(GroupList->count())].Name));
    }
    GroupList->setCurrentIndex(edit.GroupIndex);
    accept();
}

// Enter in an input goes on to the button rather than closing the dialog; the quantity
// takes digits only.
bool TPartsEdit::eventFilter(QObject* watched, QEvent* event) {
    if (EnterMovesTo(SaveBtn, event)) {
        return true;
    }
    if (watched == Amount && event->type() == QEvent::KeyPress) {
        QString typed = static_cast<QKeyEvent*>(event)->text();
        bool digit =
            typed.size() == 1 && typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9');
        bool backspace = typed == QStringLiteral("\b");
        if (!typed.isEmpty() && !digit && !backspace) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditPart(TVornExtracts& owner, int row) {
    view::ListView& viewA = *owner.State.PartsViewA;
    model::TPartRec* part = PartOfRow(viewA, row);
    if (!part) {
        return;
    }
    owner.Ui().SetProgressText(std::string(part->CvtNameText()));
    const std::string oldName(part->CvtNameText());
    TPartsEdit dialog(owner, *part);
    owner.Dialogs().Exec(dialog);
    if (dialog.Saved() && dialog.UpdateAll->isChecked()) {
        app::ApplyToSameName(owner.State, *part, oldName);
    }
}

}  // namespace ui
