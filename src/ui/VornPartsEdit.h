// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/PartDialog.h"

class QComboBox;

namespace ui {

// The part edit dialog: one row of the printed parts list corrected, optionally taught to
// the per-drawing name table and copied to the other parts of the same name.
class TPartsEdit : public TPartDialog {
  public:
    TPartsEdit(TVornExtracts& owner, model::TPartRec& part);

    QLineEdit* RefNum = nullptr;
    QLineEdit* OrgName = nullptr;
    QLineEdit* PName = nullptr;
    QLineEdit* Amount = nullptr;
    QLineEdit* Maker = nullptr;
    QComboBox* GroupList = nullptr;
    QLineEdit* LibName = nullptr;
    QLineEdit* Note = nullptr;

    void SaveBtnClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The selected group item; -1 when none is, or the text was typed over it.
    int SelectedGroup() const;
};

// Opens the dialog for `row` of PartsViewA (nothing for no row) and, after a save with
// UpdateAll checked, copies the edit to the other parts of the same former name.
void EditPart(TVornExtracts& owner, int row);

}  // namespace ui
