// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornExtra01.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/ListWidget.h"
#include "ui/PageWidgets.h"

namespace ui {

namespace {

// One command of the maker or footprint page on the table, its view and the edit boxes.
template <class Table, class Boxes>
void RunTableCommand(const std::unique_ptr<Table>& table,
                     void (Table::*command)(view::ListView&, const Boxes&), view::ListView& view,
                     const Boxes& boxes) {
    if (table) {
        ((*table).*command)(view, boxes);
    }
}

}  // namespace

// A table page: the three buttons and the labelled edit boxes on the left, the view on
// the right.
QWidget* TVornExtracts::BuildTablePage(TablePageControls controls,
                                       std::initializer_list<const char*> labels) {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    std::array<QPushButton**, 3> buttons{controls.Add, controls.Replace, controls.Delete};
    std::array<const char*, 3> captions{"追加(&V)", "更新(&W)", "削除(&X)"};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        *buttons[i] = new QPushButton(U(captions[i]));
        left->addWidget(*buttons[i]);
    }
    std::size_t edit = 0;
    for (const char* label : labels) {
        QLineEdit*& box = *controls.Edits[edit++];
        box = new QLineEdit;
        left->addWidget(new QLabel(U(label)));
        left->addWidget(box);
    }
    left->addStretch();
    *controls.View = new ListWidget(page);
    layout->addLayout(left);
    layout->addWidget(*controls.View, 1);
    return page;
}

QWidget* TVornExtracts::BuildMakerPage() {
    QWidget* page = BuildTablePage({&MakerAddBtn,
                                    &MakerReplaceBtn,
                                    &MakerDeleteBtn,
                                    {&MakerPnameEdit, &MakerNameEdit},
                                    &MakerView},
                                   {"部品名", "メーカー名"});
    makerView_ = std::make_unique<QtListView>(*MakerView);
    connect(MakerAddBtn, &QPushButton::clicked, this, &TVornExtracts::MakerAddBtnClick);
    connect(MakerReplaceBtn, &QPushButton::clicked, this, &TVornExtracts::MakerReplaceBtnClick);
    connect(MakerDeleteBtn, &QPushButton::clicked, this, &TVornExtracts::MakerDeleteBtnClick);
    connect(MakerView, &ListWidget::SelectionChanged, this, &TVornExtracts::MakerViewSelectItem);
    return page;
}

QWidget* TVornExtracts::BuildFootPage() {
    QWidget* page = BuildTablePage({&FootAddBtn,
                                    &FootReplaceBtn,
                                    &FootDeleteBtn,
                                    {&FootPnameEdit, &FootNameEdit, &FootSilkEdit},
                                    &FootView},
                                   {"部品名", "フットプリント", "部品シルク"});
    footView_ = std::make_unique<QtListView>(*FootView);
    connect(FootAddBtn, &QPushButton::clicked, this, &TVornExtracts::FootAddBtnClick);
    connect(FootReplaceBtn, &QPushButton::clicked, this, &TVornExtracts::FootReplaceBtnClick);
    connect(FootDeleteBtn, &QPushButton::clicked, this, &TVornExtracts::FootDeleteBtnClick);
    connect(FootView, &ListWidget::SelectionChanged, this, &TVornExtracts::FootViewSelectItem);
    return page;
}

QWidget* TVornExtracts::BuildPinPage() {
    PinCvtView = new QTreeView;
    PinCvtView->setHeaderHidden(true);
    PinCvtView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pinCvtView_ = std::make_unique<QtTreeView>(*PinCvtView);
    return PinCvtView;
}

void TVornExtracts::MakerViewSelectItem() {
    int row = makerView_->Selected();
    if (row >= 0 && State.Tables.Makers) {
        tables::TMakerLists::Boxes boxes = State.Tables.Makers->BoxesOf(row);
        MakerPnameEdit->setText(Qs(boxes.PartName));
        MakerNameEdit->setText(Qs(boxes.Maker));
    }
}

void TVornExtracts::FootViewSelectItem() {
    int row = footView_->Selected();
    if (row >= 0 && State.Tables.Foot) {
        tables::TFootList::Boxes boxes = State.Tables.Foot->BoxesOf(row);
        FootPnameEdit->setText(Qs(boxes.PartName));
        FootNameEdit->setText(Qs(boxes.FootPrint));
        FootSilkEdit->setText(Qs(boxes.Silk));
    }
}

tables::TMakerLists::Boxes TVornExtracts::MakerBoxes() {
    return {Typed(MakerPnameEdit->text()), Typed(MakerNameEdit->text())};
}

tables::TFootList::Boxes TVornExtracts::FootBoxes() {
    return {Typed(FootPnameEdit->text()), Typed(FootNameEdit->text()), Typed(FootSilkEdit->text())};
}

void TVornExtracts::MakerAddBtnClick() {
    RunTableCommand(State.Tables.Makers, &tables::TMakerLists::AddFromBoxes, *makerView_,
                    MakerBoxes());
}

void TVornExtracts::MakerReplaceBtnClick() {
    RunTableCommand(State.Tables.Makers, &tables::TMakerLists::ReplaceSelected, *makerView_,
                    MakerBoxes());
}

void TVornExtracts::MakerDeleteBtnClick() {
    RunTableCommand(State.Tables.Makers, &tables::TMakerLists::DeleteSelected, *makerView_,
                    MakerBoxes());
}

void TVornExtracts::FootAddBtnClick() {
    RunTableCommand(State.Tables.Foot, &tables::TFootList::AddFromBoxes, *footView_, FootBoxes());
}

void TVornExtracts::FootReplaceBtnClick() {
    RunTableCommand(State.Tables.Foot, &tables::TFootList::ReplaceSelected, *footView_,
                    FootBoxes());
}

void TVornExtracts::FootDeleteBtnClick() {
    RunTableCommand(State.Tables.Foot, &tables::TFootList::DeleteSelected, *footView_, FootBoxes());
}

}  // namespace ui
