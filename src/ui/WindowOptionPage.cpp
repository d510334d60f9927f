// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornExtra01.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/PageWidgets.h"

namespace ui {

QWidget* TVornExtracts::BuildOptionPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QGridLayout;
    CvtDir = LabelledEdit(left, 0, 0, "変換ファイルのディレクトリ");
    TitleName = LabelledEdit(left, 1, 0, "タイトル枠部品");
    PartsListPreFix = LabelledEdit(left, 2, 0, "部品表プレフィックス");
    PwParts = LabelledEdit(left, 3, 0, "電源部品");
    NameGroup = new QListWidget;
    left->addWidget(new QLabel(U("部品の種別")), 4, 0, Qt::AlignTop);
    left->addWidget(NameGroup, 4, 1);
    Editors = LabelledEdit(left, 5, 0, "エディタ");
    left->setRowStretch(4, 1);
    auto* right = new QVBoxLayout;
    CR_SilkType =
        RadioGroup(right, "CR類のシルク", {"部品名は空欄", "図面中の部品名", "変換後の部品名"});
    NetNameType = RadioGroup(right, "ネット名の付け方", {"連番", "部品番号・ピン番号"});
    PListType = RadioGroup(right, "部品表ファイル形式", {"NJP", "CSV", "TXT"});
    auto* separator = new QHBoxLayout;
    NetSeparator = new QLineEdit;
    NetSeparator->setMaximumWidth(60);
    separator->addWidget(new QLabel(U("ネット名結合文字")));
    separator->addWidget(NetSeparator);
    separator->addStretch();
    right->addLayout(separator);
    PinCvtEnv = new QCheckBox(U("英字ピン番号の変換"));
    right->addWidget(PinCvtEnv);
    right->addStretch();
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    return page;
}

// The option controls carry the option values: every change goes into State.Options at
// once, so the flows that read them see what the page shows.
void TVornExtracts::ConnectOptions() {
    settings::TOptionValues& options = State.Options;
    auto bindText = [this](QLineEdit* edit, std::string& value) {
        connect(edit, &QLineEdit::textEdited, this,
                [&value](const QString& text) { value = Cp(text); });
        // Warned once, when the user leaves the box, not at every key.
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            bool lossy = false;
            Cp(edit->text(), &lossy);
            if (lossy && edit->isModified()) {
                edit->setModified(false);
                ui_.ShowWarning(LossyTextWarning());
            }
        });
    };
    bindText(CvtDir, options.CvtDir);
    bindText(TitleName, options.TitleName);
    bindText(PartsListPreFix, options.PartsListPreFix);
    bindText(PwParts, options.PwParts);
    bindText(Editors, options.Editors);
    bindText(NetSeparator, options.NetSeparator);
    auto bindRadio = [this](QButtonGroup* group, int& value) {
        connect(group, &QButtonGroup::idClicked, this, [&value](int id) { value = id; });
    };
    bindRadio(CR_SilkType, options.CR_SilkType);
    bindRadio(NetNameType, options.NetNameType);
    bindRadio(PListType, options.PListType);
    connect(PinCvtEnv, &QCheckBox::clicked, this, &TVornExtracts::PinCvtEnvClick);
    connect(NameGroup, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        auto row = static_cast<std::size_t>(NameGroup->row(item));
        if (row < State.Options.NameGroup.size()) {
            State.Options.NameGroup[row].Checked = item->checkState() == Qt::Checked;
        }
    });
    model::TTitleFields& titles = State.Titles;
    bindText(Designer, titles.Designer);
    bindText(DesignDate, titles.DesignDate);
    bindText(Project, titles.Project);
    bindText(DesignName, titles.DesignName);
    bindText(DesignNumber, titles.DesignNumber);
    bindText(ListNumber, titles.ListNumber);
}

void TVornExtracts::ApplyOptions() {
    const settings::TOptionValues& options = State.Options;
    CvtDir->setText(Qs(options.CvtDir));
    TitleName->setText(Qs(options.TitleName));
    PartsListPreFix->setText(Qs(options.PartsListPreFix));
    PwParts->setText(Qs(options.PwParts));
    Editors->setText(Qs(options.Editors));
    NetSeparator->setText(Qs(options.NetSeparator));
    CheckRadio(CR_SilkType, options.CR_SilkType);
    CheckRadio(NetNameType, options.NetNameType);
    CheckRadio(PListType, options.PListType);
    PinCvtEnv->setChecked(options.PinCvtEnv);
    ShowNameGroups();
}

void TVornExtracts::ShowNameGroups() {
    QSignalBlocker blocker(NameGroup);
    NameGroup->clear();
    for (const settings::NameGroupItem& group : State.Options.NameGroup) {
        auto* item = new QListWidgetItem(Qs(group.Name), NameGroup);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(group.Checked ? Qt::Checked : Qt::Unchecked);
    }
}

void TVornExtracts::PinCvtEnvClick() {
    State.Options.PinCvtEnv = PinCvtEnv->isChecked();
    State.ShowNets();
    ShowShortsPanel();
}

}  // namespace ui
