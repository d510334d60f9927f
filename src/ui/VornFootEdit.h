// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/PartDialog.h"

class QComboBox;

namespace ui {

// The footprint edit dialog: the silk name and footprint of one part of the detail view,
// optionally filed in the footprint list and copied to the parts of the same name.
class TFootPrintEdit : public TPartDialog {
  public:
    TFootPrintEdit(TVornExtracts& owner, model::TPartRec& part);

    QLineEdit* PNumber = nullptr;
    QLineEdit* PName = nullptr;
    QLineEdit* Founds = nullptr;
    QLineEdit* FlagDisp = nullptr;
    QLineEdit* PSilk = nullptr;
    QComboBox* FootPrint = nullptr;

    void SaveBtnClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Opens the dialog for `row` of PartsViewB (nothing for no row) and, after a save with
// UpdateAll checked, copies the result to the parts of the same name.
void EditFootPrint(TVornExtracts& owner, int row);

}  // namespace ui
