// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtViews.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

#include "tables/TableFile.h"
#include "text/Cp932.h"
#include "ui/Dialogs.h"

namespace ui {

namespace {

// Each cell keeps its CP932 bytes under a role of its own, beside the text shown.
constexpr int kBytesRole = Qt::UserRole;
constexpr int kDataRole = Qt::UserRole + 1;
constexpr int kStateRole = Qt::UserRole + 2;

QString Shown(const std::string& cp932) {
    return QString::fromStdString(text::Cp932ToUtf8(cp932));
}

}  // namespace

QString Qs(const std::string& cp932) {
    return Shown(cp932);
}

std::string Cp(const QString& text, bool* lossy) {
    return text::Utf8ToCp932(text.toStdString(), lossy);
}

std::string LossyTextWarning() {
    return text::Sj("シフトJISで表せない文字を ? に置き換えました");
}

QtListView::QtListView(QTreeWidget& widget, std::vector<QIcon> stateImages)
    : widget_(widget), stateImages_(std::move(stateImages)) {
    widget_.setRootIsDecorated(false);
    widget_.setUniformRowHeights(true);
    widget_.setSelectionBehavior(QAbstractItemView::SelectRows);
    widget_.setSelectionMode(QAbstractItemView::SingleSelection);
    widget_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget_.setAllColumnsShowFocus(true);
    widget_.header()->setStretchLastSection(false);
    widget_.header()->setSectionsMovable(false);
}

int QtListView::RowOf(const QTreeWidgetItem* item) const {
    return item ? widget_.indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) : -1;
}

QTreeWidgetItem* QtListView::Item(int row) const {
    return row >= 0 && row < widget_.topLevelItemCount() ? widget_.topLevelItem(row) : nullptr;
}

void QtListView::SetColumns(const std::vector<Column>& columns) {
    QStringList captions;
    for (const Column& column : columns) {
        captions << Shown(column.caption);
    }
    widget_.setColumnCount(static_cast<int>(columns.size()));
    widget_.setHeaderLabels(captions);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        widget_.setColumnWidth(static_cast<int>(i), columns[i].width);
    }
}

int QtListView::ColumnCount() const {
    return widget_.columnCount();
}

int QtListView::ColumnWidth(int column) const {
    return column >= 0 && column < widget_.columnCount() ? widget_.columnWidth(column) : 0;
}

void QtListView::SetColumnWidth(int column, int width) {
    if (column >= 0 && column < widget_.columnCount()) {
        widget_.setColumnWidth(column, width);
    }
}

void QtListView::BeginUpdate() {
    if (updateDepth_++ == 0) {
        widget_.setUpdatesEnabled(false);
    }
}

void QtListView::EndUpdate() {
    if (updateDepth_ > 0 && --updateDepth_ == 0) {
        widget_.setUpdatesEnabled(true);
    }
}

void QtListView::Clear() {
    widget_.clear();
}

int QtListView::RowCount() const {
    return widget_.topLevelItemCount();
}

int QtListView::AddRow(const std::vector<std::string>& cells, void* data) {
    return InsertRow(RowCount(), cells, data);
}

int QtListView::InsertRow(int row, const std::vector<std::string>& cells, void* data) {
    row = std::clamp(row, 0, RowCount());
    auto* item = new QTreeWidgetItem();
    item->setData(0, kDataRole, QVariant::fromValue(reinterpret_cast<quintptr>(data)));
    item->setData(0, kStateRole, -1);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        int column = static_cast<int>(i);
        item->setText(column, Shown(cells[i]));
        item->setData(column, kBytesRole, QByteArray::fromStdString(cells[i]));
    }
    widget_.insertTopLevelItem(row, item);
    return row;
}

void QtListView::DeleteRow(int row) {
    delete Item(row);
}

std::string QtListView::CellText(int row, int column) const {
    QTreeWidgetItem* item = Item(row);
    if (!item || column < 0) {
        return {};
    }
    return item->data(column, kBytesRole).toByteArray().toStdString();
}

void QtListView::SetCellText(int row, int column, const std::string& text) {
    if (QTreeWidgetItem* item = Item(row); item && column >= 0) {
        item->setText(column, Shown(text));
        item->setData(column, kBytesRole, QByteArray::fromStdString(text));
    }
}

void* QtListView::RowData(int row) const {
    QTreeWidgetItem* item = Item(row);
    return item ? reinterpret_cast<void*>(item->data(0, kDataRole).value<quintptr>()) : nullptr;
}

void QtListView::SetRowData(int row, void* data) {
    if (QTreeWidgetItem* item = Item(row)) {
        item->setData(0, kDataRole, QVariant::fromValue(reinterpret_cast<quintptr>(data)));
    }
}

int QtListView::StateImage(int row) const {
    QTreeWidgetItem* item = Item(row);
    return item ? item->data(0, kStateRole).toInt() : -1;
}

void QtListView::SetStateImage(int row, int image) {
    QTreeWidgetItem* item = Item(row);
    if (!item) {
        return;
    }
    item->setData(0, kStateRole, image);
    bool known = image >= 0 && static_cast<std::size_t>(image) < stateImages_.size();
    item->setIcon(0, known ? stateImages_[static_cast<std::size_t>(image)] : QIcon());
}

int QtListView::Selected() const {
    const QList<QTreeWidgetItem*> items = widget_.selectedItems();
    return items.isEmpty() ? -1 : RowOf(items.first());
}

void QtListView::Select(int row) {
    QTreeWidgetItem* item = Item(row);
    widget_.clearSelection();
    if (item) {
        widget_.setCurrentItem(item);
        item->setSelected(true);
    } else {
        widget_.setCurrentItem(nullptr);
    }
}

void QtListView::ScrollIntoView(int row) {
    if (QTreeWidgetItem* item = Item(row)) {
        widget_.scrollToItem(item);
    }
}

void QtTreeView::BeginUpdate() {
    widget_.setUpdatesEnabled(false);
}

void QtTreeView::EndUpdate() {
    widget_.setUpdatesEnabled(true);
}

void QtTreeView::Clear() {
    widget_.clear();
    nodes_.clear();
    texts_.clear();
}

QTreeWidgetItem* QtTreeView::At(Node node) const {
    return node >= 0 && static_cast<std::size_t>(node) < nodes_.size()
               ? nodes_[static_cast<std::size_t>(node)]
               : nullptr;
}

view::TreeView::Node QtTreeView::HandleOf(const QTreeWidgetItem* item) const {
    return item ? item->data(0, kDataRole).toInt() : kNone;
}

view::TreeView::Node QtTreeView::AddNode(Node parent, const std::string& text) {
    auto* item = new QTreeWidgetItem(QStringList{Shown(text)});
    Node node = static_cast<Node>(nodes_.size());
    item->setData(0, kDataRole, node);
    if (QTreeWidgetItem* owner = At(parent)) {
        owner->addChild(item);
    } else {
        widget_.addTopLevelItem(item);
    }
    nodes_.push_back(item);
    texts_.push_back(text);
    return node;
}

std::string QtTreeView::NodeText(Node node) const {
    return At(node) ? texts_[static_cast<std::size_t>(node)] : std::string();
}

view::TreeView::Node QtTreeView::Parent(Node node) const {
    QTreeWidgetItem* item = At(node);
    return item ? HandleOf(item->parent()) : kNone;
}

int QtTreeView::ChildCount(Node parent) const {
    if (parent == kNone) {
        return widget_.topLevelItemCount();
    }
    QTreeWidgetItem* item = At(parent);
    return item ? item->childCount() : 0;
}

view::TreeView::Node QtTreeView::Child(Node parent, int index) const {
    if (parent == kNone) {
        return HandleOf(widget_.topLevelItem(index));
    }
    QTreeWidgetItem* item = At(parent);
    return item ? HandleOf(item->child(index)) : kNone;
}

view::TreeView::Node QtTreeView::Selected() const {
    const QList<QTreeWidgetItem*> items = widget_.selectedItems();
    return items.isEmpty() ? kNone : HandleOf(items.first());
}

void QtTreeView::Select(Node node) {
    widget_.clearSelection();
    if (QTreeWidgetItem* item = At(node)) {
        widget_.setCurrentItem(item);
        item->setSelected(true);
    }
}

void QtTreeView::Expand(Node node) {
    if (QTreeWidgetItem* item = At(node)) {
        item->setExpanded(true);
    }
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
