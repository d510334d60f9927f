// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PartDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "model/PartRec.h"
#include "settings/SettingsFiles.h"
#include "text/Cp932.h"
#include "ui/Dialogs.h"
#include "ui/VornExtra01.h"
#include "view/ListView.h"

namespace ui {

TPartDialog::TPartDialog(TVornExtracts& owner, model::TPartRec& part, const Design& design)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      owner_(owner),
      part_(part),
      design_(design),
      settingsFile_(settings::ProgramSettingsPath()) {
    setWindowTitle(owner.windowTitle());
    UpdateCvt = new QCheckBox(QString::fromUtf8(design.UpdateCvtCaption));
    UpdateAll = new QCheckBox(QString::fromUtf8("全ての部品にも適応(&A)"));
    SaveBtn = new QPushButton(QString::fromUtf8("登録(&S)"));
    CancelBtn = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ(&Q)"));
    // The inputs take what the dialog's width gives, ending 10 pixels before its edge.
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(8, 8, 10, 8);
    grid_->addWidget(SaveBtn, 0, 0);
    grid_->addWidget(CancelBtn, 1, 0);
    grid_->setColumnStretch(2, 1);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    app::EditDialogSettings stored =
        app::ReadEditDialogSettings(settingsFile_, design.Section, design.Geometry);
    move(stored.Geometry.Left, stored.Geometry.Top);
    resize(stored.Geometry.Width, stored.Geometry.Height);
    KeepCaptionWhole(*this);
    UpdateCvt->setChecked(design.BoxesStored && stored.UpdateCvt);
    UpdateAll->setChecked(design.BoxesStored && stored.UpdateAll);
    SetHelpContext(this, design.HelpContext);
    owner.AddHelpKey(*this);
}

void TPartDialog::AddInputs(std::initializer_list<std::pair<const char*, QWidget*>> rows) {
    int row = AddCaptionedRows(*grid_, 0, 1, rows);
    grid_->addWidget(UpdateCvt, row++, 2);
    grid_->addWidget(UpdateAll, row, 2);
}

void TPartDialog::done(int result) {
    app::EditDialogSettings stored{
        {x(), width(), y(), height()}, UpdateCvt->isChecked(), UpdateAll->isChecked()};
    if (!app::WriteEditDialogSettings(settingsFile_, design_.Section, stored,
                                      design_.BoxesStored)) {
        owner_.Ui().ShowMessage(text::Sj("環境の保存が出来ません"));
    }
    QDialog::done(result);
}

QLineEdit* ReadOnlyEdit() {
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    return edit;
}

model::TPartRec* PartOfRow(const view::ListView& view, int row) {
    if (row < 0 || row >= view.RowCount()) {
        return nullptr;
    }
    return static_cast<model::TPartRec*>(view.RowData(row));
}

}  // namespace ui
