// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtViews.h"

#include <QAction>
#include <QLabel>
#include <QTreeView>

#include "tables/TableFile.h"
#include "text/Cp932.h"
#include "ui/Dialogs.h"
#include "ui/ItemModels.h"
#include "ui/ListWidget.h"

namespace ui {

namespace {

QString Shown(std::string_view cp932) {
    return QString::fromStdString(text::Cp932ToUtf8(cp932));
}

}  // namespace

QString Qs(std::string_view cp932) {
    return Shown(cp932);
}

std::string Cp(const QString& text, bool* lossy) {
    return text::Utf8ToCp932(text.toStdString(), lossy);
}

std::string LossyTextWarning() {
    return text::Sj("シフトJISで表せない文字を ? に置き換えました");
}

QtListView::QtListView(ListWidget& widget, std::vector<QIcon> stateImages)
    : widget_(widget), rows_(widget.Rows()) {
    rows_.SetStateImages(std::move(stateImages));
}

void QtListView::SetColumns(const std::vector<Column>& columns) {
    QStringList captions;
    for (const Column& column : columns) {
        captions << Shown(column.caption);
    }
    rows_.SetCaptions(captions);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        widget_.setColumnWidth(static_cast<int>(i), columns[i].width);
    }
}

int QtListView::ColumnCount() const {
    return rows_.columnCount();
}

int QtListView::ColumnWidth(int column) const {
    return column >= 0 && column < ColumnCount() ? widget_.columnWidth(column) : 0;
}

void QtListView::SetColumnWidth(int column, int width) {
    if (column >= 0 && column < ColumnCount()) {
        widget_.setColumnWidth(column, width);
    }
}

void QtListView::BeginUpdate() {
    if (updateDepth_++ == 0) {
        widget_.setUpdatesEnabled(false);
        pendingSelect_.reset();
        pendingScroll_ = -1;
    }
    rows_.Hold();
}

// A selection or scroll asked for while the rows were being replaced is made once the view
// has them.
void QtListView::EndUpdate() {
    if (updateDepth_ == 0) {
        return;
    }
    rows_.Release();
    if (--updateDepth_ == 0) {
        if (pendingSelect_) {
            widget_.SelectRow(*pendingSelect_);
        }
        if (pendingScroll_ >= 0) {
            ScrollIntoView(pendingScroll_);
        }
        pendingSelect_.reset();
        pendingScroll_ = -1;
        widget_.setUpdatesEnabled(true);
    }
}

bool QtListView::Deferred() const {
    return updateDepth_ > 0 && rows_.Resetting();
}

void QtListView::Clear() {
    rows_.Clear();
    if (Deferred() && !pendingSelect_) {
        pendingSelect_ = -1;
    }
}

int QtListView::RowCount() const {
    return rows_.Rows().RowCount();
}

bool QtListView::HasRow(int row) const {
    return row >= 0 && row < RowCount();
}

int QtListView::AddRow(const std::vector<std::string>& cells, void* data) {
    return InsertRow(RowCount(), cells, data);
}

int QtListView::InsertRow(int row, const std::vector<std::string>& cells, void* data) {
    int selected = Selected();
    row = rows_.Insert(row, cells, data);
    if (Deferred()) {
        pendingSelect_ = selected >= row ? selected + 1 : selected;
    }
    return row;
}

void QtListView::DeleteRow(int row) {
    int selected = Selected();
    rows_.Delete(row);
    if (Deferred()) {
        pendingSelect_ = selected == row ? -1 : (selected > row ? selected - 1 : selected);
    }
}

std::string QtListView::CellText(int row, int column) const {
    return HasRow(row) && column >= 0 ? rows_.Rows().CellText(row, column) : std::string();
}

bool QtListView::AnyCell(int row, int columns,
                         const std::function<bool(std::string_view)>& matches) const {
    return HasRow(row) && rows_.Rows().AnyCell(row, columns, matches);
}

void QtListView::SetCellText(int row, int column, const std::string& text) {
    rows_.SetCell(row, column, text);
}

void* QtListView::RowData(int row) const {
    return HasRow(row) ? rows_.Rows().RowData(row) : nullptr;
}

void QtListView::SetRowData(int row, void* data) {
    if (HasRow(row)) {
        rows_.SetRowData(row, data);
    }
}

int QtListView::StateImage(int row) const {
    return HasRow(row) ? rows_.Rows().StateImage(row) : -1;
}

void QtListView::SetStateImage(int row, int image) {
    rows_.SetStateImage(row, image);
}

int QtListView::Selected() const {
    if (pendingSelect_) {
        return *pendingSelect_;
    }
    return Deferred() ? -1 : widget_.SelectedRow();
}

void QtListView::Select(int row) {
    row = HasRow(row) ? row : -1;
    if (Deferred()) {
        pendingSelect_ = row;
    } else {
        widget_.SelectRow(row);
    }
}

void QtListView::ScrollIntoView(int row) {
    if (Deferred()) {
        pendingScroll_ = row;
    } else if (HasRow(row)) {
        widget_.scrollTo(rows_.index(row, 0));
    }
}

QtTreeView::QtTreeView(QTreeView& widget) : widget_(widget), nodes_(new TreeNodesModel(&widget)) {
    widget_.setModel(nodes_);
}

bool QtTreeView::HasNode(Node node) const {
    return node >= 0 && static_cast<std::size_t>(node) < nodes_->Nodes().Items.size();
}

void QtTreeView::BeginUpdate() {
    widget_.setUpdatesEnabled(false);
    nodes_->Hold();
}

void QtTreeView::EndUpdate() {
    nodes_->Release();
    widget_.setUpdatesEnabled(true);
}

void QtTreeView::Clear() {
    nodes_->Clear();
}

view::TreeView::Node QtTreeView::AddNode(Node parent, const std::string& text) {
    return nodes_->Add(parent, text);
}

std::string QtTreeView::NodeText(Node node) const {
    return HasNode(node) ? nodes_->Nodes().NodeText(node) : std::string();
}

view::TreeView::Node QtTreeView::Parent(Node node) const {
    return HasNode(node) ? nodes_->Nodes().Parent(node) : kNone;
}

int QtTreeView::ChildCount(Node parent) const {
    return parent == kNone || HasNode(parent) ? nodes_->Nodes().ChildCount(parent) : 0;
}

view::TreeView::Node QtTreeView::Child(Node parent, int index) const {
    return index >= 0 && index < ChildCount(parent) ? nodes_->Nodes().Child(parent, index) : kNone;
}

view::TreeView::Node QtTreeView::Selected() const {
    const QModelIndexList selected = widget_.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? kNone : TreeNodesModel::NodeOf(selected.first());
}

void QtTreeView::Select(Node node) {
    QModelIndex index = nodes_->IndexOf(node);
    if (index.isValid()) {
        widget_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        widget_.selectionModel()->clear();
    }
}

void QtTreeView::Expand(Node node) {
    widget_.expand(nodes_->IndexOf(node));
}

QtUserInterface::QtUserInterface(DialogService& dialogs, QWidget& owner)
    : dialogs_(dialogs), owner_(owner) {}

// The core's plain messages are its failures; what went well says so through
// ShowInformation.
void QtUserInterface::ShowMessage(const std::string& text) {
    dialogs_.Message(&owner_, Shown(tables::ProgramTitle()), Shown(text),
                     DialogService::Kind::Error);
}

void QtUserInterface::ShowWarning(const std::string& text) {
    dialogs_.Message(&owner_, Shown(tables::ProgramTitle()), Shown(text),
                     DialogService::Kind::Warning);
}

void QtUserInterface::ShowInformation(const std::string& text) {
    dialogs_.Message(&owner_, Shown(tables::ProgramTitle()), Shown(text),
                     DialogService::Kind::Information);
}

bool QtUserInterface::AskYesNo(const std::string& caption, const std::string& text) {
    return dialogs_.YesNo(&owner_, Shown(caption), Shown(text));
}

bool QtUserInterface::Prompt(const std::string& caption, const std::string& label,
                             std::string& value) {
    QString answer = Shown(value);
    if (!dialogs_.Prompt(&owner_, Shown(caption), Shown(label), answer)) {
        return false;
    }
    bool lossy = false;
    value = Cp(answer, &lossy);
    if (lossy) {
        ShowWarning(LossyTextWarning());
    }
    return true;
}

// The core is busy while it sets these: they are painted at once, not when it returns.
void QtUserInterface::SetProgressText(const std::string& text) {
    if (widgets_.ProgressLabel) {
        widgets_.ProgressLabel->setText(Shown(text));
        widgets_.ProgressLabel->repaint();
    }
}

void QtUserInterface::SetWireCount(const std::string& text) {
    if (widgets_.WireCountLabel) {
        widgets_.WireCountLabel->setText(Shown(text));
        widgets_.WireCountLabel->repaint();
    }
}

void QtUserInterface::SetStatusPanel(int panel, const std::string& text) {
    if (panel < 0 || panel >= view::kStatusPanels) {
        return;
    }
    auto index = static_cast<std::size_t>(panel);
    panels_[index] = text;
    if (QLabel* label = widgets_.Panels[index]) {
        label->setText(Shown(text));
    }
}

std::string QtUserInterface::StatusPanel(int panel) const {
    return panel >= 0 && panel < view::kStatusPanels ? panels_[static_cast<std::size_t>(panel)]
                                                     : std::string();
}

void QtUserInterface::RepaintStatus() {
    for (QLabel* label : widgets_.Panels) {
        if (label) {
            label->repaint();
        }
    }
}

void QtUserInterface::EnableSaveMenu(bool enabled) {
    if (widgets_.SaveMnu) {
        widgets_.SaveMnu->setEnabled(enabled);
    }
}

}  // namespace ui
