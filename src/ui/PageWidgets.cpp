// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PageWidgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/QtViews.h"

namespace ui {

std::vector<view::ListView::Column> Columns(const std::vector<std::string>& captions,
                                            const int* widths) {
    std::vector<view::ListView::Column> columns;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        columns.push_back({captions[i], widths[i]});
    }
    return columns;
}

QLineEdit* LabelledEdit(QGridLayout* grid, int row, int column, const char* label) {
    auto* edit = new QLineEdit;
    grid->addWidget(new QLabel(U(label)), row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

QButtonGroup* RadioGroup(QVBoxLayout* column, const char* caption,
                         std::initializer_list<const char*> items) {
    auto* box = new QGroupBox(U(caption));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    int id = 0;
    for (const char* item : items) {
        auto* button = new QRadioButton(U(item));
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    column->addWidget(box);
    return group;
}

void CheckRadio(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

}  // namespace ui
