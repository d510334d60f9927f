// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OpenConfirm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/DialogSettings.h"
#include "settings/SettingsFiles.h"
#include "text/Cp932.h"
#include "ui/Dialogs.h"
#include "ui/VornExtra01.h"

namespace ui {

TOpenConfirmForm::TOpenConfirmForm(TVornExtracts& owner)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      owner_(owner),
      settingsFile_(settings::FolderSettingsPath(owner.State.DrawingFolder())) {
    setWindowTitle(owner.windowTitle());
    auto* grid = new QGridLayout(this);
    EditedDataLabel = new QLabel(QString::fromUtf8("編集中のデータが有ります"));
    QFont bold = EditedDataLabel->font();
    bold.setBold(true);
    EditedDataLabel->setFont(bold);
    auto* box = new QGroupBox;
    auto* radios = new QVBoxLayout(box);
    ReadStyle = new QButtonGroup(this);
    int id = 0;
    for (const char* item : {"破棄して新規読み込み", "追加読み込み"}) {
        auto* button = new QRadioButton(QString::fromUtf8(item));
        ReadStyle->addButton(button, id++);
        radios->addWidget(button);
    }
    ReadBtn = new QPushButton(QString::fromUtf8("読み込み(&R)"));
    CancelBtn = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ(&Q)"));
    ReadBtn->setDefault(true);
    grid->addWidget(EditedDataLabel, 0, 0, 1, 2);
    grid->addWidget(box, 1, 0, 2, 1);
    grid->addWidget(ReadBtn, 1, 1);
    grid->addWidget(CancelBtn, 2, 1);
    connect(ReadBtn, &QPushButton::clicked, this, &TOpenConfirmForm::ReadBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    ReadStyle->button(app::ReadOpenDlgStyle(settingsFile_))->setChecked(true);
    resize(sizeHint().expandedTo(QSize(250, 88)));
    KeepCaptionWhole(*this);
    setFixedSize(size());
    if (QScreen* screen = owner.screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

int TOpenConfirmForm::ReadStyleIndex() const {
    return ReadStyle->checkedId() < 0 ? 0 : ReadStyle->checkedId();
}

void TOpenConfirmForm::ReadBtnClick() {
    confirmed_ = true;
    accept();
}

// Every way out stores the choice, so it is proposed again next time.
void TOpenConfirmForm::done(int result) {
    if (!app::WriteOpenDlgStyle(settingsFile_, ReadStyleIndex())) {
        owner_.Ui().ShowMessage(text::Sj("環境の保存が出来ません"));
    }
    QDialog::done(result);
}

}  // namespace ui
