// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "view/ListView.h"

class QButtonGroup;
class QGridLayout;
class QLineEdit;
class QVBoxLayout;
class QWidget;

// Small builders the main window's pages share.
namespace ui {

// Columns with the captions and the stored widths (one per caption).
std::vector<view::ListView::Column> Columns(const std::vector<std::string>& captions,
                                            const int* widths);

template <std::size_t N>
void ApplyWidths(view::ListView& view, const std::array<int, N>& widths) {
    for (std::size_t i = 0; i < N; ++i) {
        view.SetColumnWidth(static_cast<int>(i), widths[i]);
    }
}

template <std::size_t N>
void ReadWidths(const view::ListView& view, std::array<int, N>& widths) {
    for (std::size_t i = 0; i < N; ++i) {
        widths[i] = view.ColumnWidth(static_cast<int>(i));
    }
}

// An edit box in `column` + 1 of the grid's `row`, its label (UTF-8) before it.
QLineEdit* LabelledEdit(QGridLayout* grid, int row, int column, const char* label);
// A captioned box of radio buttons (UTF-8 items), numbered from 0, added to `column`.
QButtonGroup* RadioGroup(QVBoxLayout* column, const char* caption,
                         std::initializer_list<const char*> items);
// Checks button `index`; an index the group lacks leaves no button checked.
void CheckRadio(QButtonGroup* group, int index);

}  // namespace ui
