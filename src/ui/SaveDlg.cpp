// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SaveDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/DialogSettings.h"
#include "app/SaveFlow.h"
#include "settings/SettingsFiles.h"
#include "text/Cp932.h"
#include "ui/Dialogs.h"
#include "ui/HelpContexts.h"
#include "ui/VornExtra01.h"

namespace ui {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

TSaveDlgForm::TSaveDlgForm(TVornExtracts& owner)
    : QDialog(&owner, Qt::Dialog | Qt::WindowStaysOnTopHint),
      owner_(owner),
      settingsFile_(settings::FolderSettingsPath(owner.State.DrawingFolder())) {
    setWindowTitle(owner.windowTitle());
    SaveBtn = new QPushButton(U("保存(&S)"));
    CancelBtn = new QPushButton(U("ｷｬﾝｾﾙ(&Q)"));
    SavePlistEn = new QCheckBox(U("部品表保存(&P)"));
    SimpleNetEn = new QCheckBox(U("シンプルネット保存(&N)"));
    ProtelNetEn = new QCheckBox(U("Protelネット保存(&W)"));
    ListFname = new QLineEdit;
    NetFname = new QLineEdit;
    ProtelFname = new QLineEdit;
    // The name boxes take what the dialog's width gives, ending 10 pixels before its edge.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 10, 8);
    grid->addWidget(SaveBtn, 0, 0);
    grid->addWidget(CancelBtn, 1, 0);
    grid->addWidget(SavePlistEn, 0, 1);
    grid->addWidget(SimpleNetEn, 1, 1);
    grid->addWidget(ProtelNetEn, 2, 1);
    grid->addWidget(ListFname, 0, 2);
    grid->addWidget(NetFname, 1, 2);
    grid->addWidget(ProtelFname, 2, 2);
    grid->setColumnStretch(2, 1);
    SaveBtn->setDefault(true);
    setTabOrder(SaveBtn, CancelBtn);
    connect(SaveBtn, &QPushButton::clicked, this, &TSaveDlgForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    app::SaveDlgSettings stored = app::ReadSaveDlgSettings(settingsFile_);
    move(stored.Geometry.Left, stored.Geometry.Top);
    resize(stored.Geometry.Width, stored.Geometry.Height);
    KeepCaptionWhole(*this);
    SavePlistEn->setChecked(stored.SavePlistEn);
    SimpleNetEn->setChecked(stored.SimpleNetEn);
    ProtelNetEn->setChecked(stored.ProtelNetEn);

    const auto& drawing = owner.OpenFileName();
    app::OutputFileNames names = app::ProposeOutputNames(
        owner.RememberedNames, owner.State.Titles.ListNumber,
        drawing ? drawing->string() : std::string(), owner.State.Options.PListType);
    ListFname->setText(Q(names.PartsList));
    NetFname->setText(Q(names.SimpleNet));
    ProtelFname->setText(Q(names.ProtelNet));
    SaveBtn->setFocus();
    SetHelpContext(this, kHelpSave);
    owner.AddHelpKey(*this);
}

void TSaveDlgForm::SaveBtnClick() {
    app::SaveChoice choice{SavePlistEn->isChecked(),
                           SimpleNetEn->isChecked(),
                           ProtelNetEn->isChecked(),
                           {ListFname->text().toStdString(), NetFname->text().toStdString(),
                            ProtelFname->text().toStdString()}};
    owner_.RememberedNames = app::SaveOutputs(owner_.State, choice);
    accept();
}

void TSaveDlgForm::done(int result) {
    app::SaveDlgSettings stored{{x(), width(), y(), height()},
                                SavePlistEn->isChecked(),
                                SimpleNetEn->isChecked(),
                                ProtelNetEn->isChecked()};
    if (!app::WriteSaveDlgSettings(settingsFile_, stored)) {
        owner_.Ui().ShowMessage(text::Sj("環境の保存が出来ません"));
    }
    QDialog::done(result);
}

}  // namespace ui
