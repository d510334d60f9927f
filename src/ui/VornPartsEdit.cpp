#include "ui/VornPartsEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "app/PartsEditFlow.h"
#include "settings/SettingsFiles.h"
#include "text/Cp932.h"
#include "ui/Dialogs.h"
#include "ui/VornExtra01.h"

namespace ui {

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLineEdit* ReadOnlyEdit() {
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    return edit;
}

}  // namespace

TPartsEdit::TPartsEdit(TVornExtracts& owner, model::TPartRec& part)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      owner_(owner),
      part_(part),
      settingsFile_(settings::SettingsFilePath(true)) {
    setWindowTitle(owner.windowTitle());
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
    UpdateCvt = new QCheckBox(U("部品変換テーブルの更新(&T)"));
    UpdateAll = new QCheckBox(U("全ての部品にも適応(&A)"));
    SaveBtn = new QPushButton(U("登録(&S)"));
    CancelBtn = new QPushButton(U("ｷｬﾝｾﾙ(&Q)"));
    // The boxes take what the dialog's width gives, ending 10 pixels before its edge.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 10, 8);
    grid->addWidget(SaveBtn, 0, 0);
    grid->addWidget(CancelBtn, 1, 0);
    int row = AddCaptionedRows(*grid, 0, 1,
                               {{"部品番号", RefNum},
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
    grid->addWidget(UpdateCvt, row++, 2);
    grid->addWidget(UpdateAll, row, 2);
    grid->setColumnStretch(2, 1);
    connect(SaveBtn, &QPushButton::clicked, this, &TPartsEdit::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    app::PartsEditSettings stored = app::ReadPartsEditSettings(settingsFile_);
    move(stored.Geometry.Left, stored.Geometry.Top);
    resize(stored.Geometry.Width, stored.Geometry.Height);
    UpdateCvt->setChecked(stored.UpdateCvt);
    UpdateAll->setChecked(stored.UpdateAll);
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
    SetHelpContext(this, 2400);
    owner.AddHelpKey(*this);
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
    const int groupsBefore = static_cast<int>(owner_.State.Options.NameGroup.size());
    saved_ = app::SavePartEdit(owner_.State, part_, edit) || saved_;
    if (static_cast<int>(owner_.State.Options.NameGroup.size()) != groupsBefore) {
        owner_.ShowNameGroups();
    }
    while (edit.GroupIndex >= GroupList->count() &&
           static_cast<std::size_t>(GroupList->count()) < owner_.State.Options.NameGroup.size()) {
        GroupList->addItem(
            Qs(owner_.State.Options.NameGroup[static_cast<std::size_t>(GroupList->count())].Name));
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

void TPartsEdit::done(int result) {
    app::PartsEditSettings stored{
        {x(), width(), y(), height()}, UpdateCvt->isChecked(), UpdateAll->isChecked()};
    if (!app::WritePartsEditSettings(settingsFile_, stored)) {
        owner_.Ui().ShowMessage(text::Sj("環境の保存が出来ません"));
    }
    QDialog::done(result);
}

void EditPart(TVornExtracts& owner, int row) {
    view::ListView& viewA = *owner.State.PartsViewA;
    if (row < 0 || row >= viewA.RowCount()) {
        return;
    }
    auto* part = static_cast<model::TPartRec*>(viewA.RowData(row));
    if (!part) {
        return;
    }
    owner.Ui().SetLabel1(viewA.CellText(row, 1));
    const std::string oldName(part->CvtNameText());
    TPartsEdit dialog(owner, *part);
    owner.Dialogs().Exec(dialog);
    if (dialog.Saved() && dialog.UpdateAll->isChecked()) {
        app::ApplyToSameName(owner.State, *part, oldName);
    }
}

}  // namespace ui
