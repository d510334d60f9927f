// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornFootEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "app/FootEditFlow.h"
#include "partslist/PartsViews.h"
#include "ui/Dialogs.h"
#include "ui/HelpContexts.h"
#include "ui/VornExtra01.h"

namespace ui {

// The check boxes are the user's only where the silk name was not derived.
TFootPrintEdit::TFootPrintEdit(TVornExtracts& owner, model::TPartRec& part)
    : TPartDialog(owner, part,
                  {app::kFootEdit, app::kFootEditDesign, "変換テーブルの更新(&T)", kHelpFootEdit,
                   part.SilkSet == 0}) {
    PNumber = ReadOnlyEdit();
    PName = ReadOnlyEdit();
    Founds = ReadOnlyEdit();
    FlagDisp = ReadOnlyEdit();
    PSilk = new QLineEdit;
    FootPrint = new QComboBox;
    FootPrint->setEditable(true);
    FootPrint->setInsertPolicy(QComboBox::NoInsert);
    AddInputs({{"旗", FlagDisp},
               {"発生数", Founds},
               {"部品番号", PNumber},
               {"部品名", PName},
               {"部品シルク(&P)", PSilk},
               {"フットプリント(&F)", FootPrint}});
    PSilk->installEventFilter(this);
    FootPrint->lineEdit()->installEventFilter(this);
    connect(SaveBtn, &QPushButton::clicked, this, &TFootPrintEdit::SaveBtnClick);

    if (owner.State.Tables.Foot) {
        for (const std::string& name : app::FootPrintItems(*owner.State.Tables.Foot)) {
            FootPrint->addItem(Qs(name));
        }
    }
    FlagDisp->setText(Qs(partslist::FlagText(part)));
    Founds->setText(QString::number(part.UnitNo));
    PNumber->setText(Qs(std::string(part.RefText())));
    PName->setText(Qs(std::string(part.CvtNameText())));
    PSilk->setText(Qs(part.SilkName.str()));
    FootPrint->setCurrentIndex(-1);
    FootPrint->setEditText(Qs(part.FootPrint.str()));
}

void TFootPrintEdit::SaveBtnClick() {
    saved_ = app::SaveFootEdit(owner_.State, part_, owner_.Typed(PSilk->text()),
                               owner_.Typed(FootPrint->currentText()), UpdateCvt->isChecked()) ||
             saved_;
    accept();
}

// Enter in an input goes on to the button; letters typed into the footprint become
// capitals.
bool TFootPrintEdit::eventFilter(QObject* watched, QEvent* event) {
    if (EnterMovesTo(SaveBtn, event)) {
        return true;
    }
    if (watched == FootPrint->lineEdit() && event->type() == QEvent::KeyPress) {
        QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && typed[0] >= QLatin1Char('a') && typed[0] <= QLatin1Char('z')) {
            FootPrint->lineEdit()->insert(typed.toUpper());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditFootPrint(TVornExtracts& owner, int row) {
    model::TPartRec* part = PartOfRow(*owner.State.PartsViewB, row);
    if (!part) {
        return;
    }
    TFootPrintEdit dialog(owner, *part);
    owner.Dialogs().Exec(dialog);
    if (dialog.Saved() && dialog.UpdateAll->isChecked()) {
        app::ApplyFootToSameName(owner.State, *part);
    }
}

}  // namespace ui
