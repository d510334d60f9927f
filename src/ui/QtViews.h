// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "view/ListView.h"
#include "view/TreeView.h"
#include "view/UserInterface.h"

class QAction;
class QLabel;
class QTreeView;
class QWidget;

namespace ui {

class DialogService;
class ListRowsModel;
class ListWidget;
class TreeNodesModel;

QString Qs(std::string_view cp932);  // CP932 to a Qt text
// A fixed text of the window, written in the source as UTF-8.
inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}
// Qt text to CP932: what CP932 lacks becomes "?", and `lossy` tells whether that happened.
std::string Cp(const QString& text, bool* lossy = nullptr);
// The warning shown when typed text had characters CP932 lacks.
std::string LossyTextWarning();

// The core's list view on a ListWidget: the rows live in the widget's model, packed as the
// CP932 bytes the core gave, so what it reads back is exactly what it wrote.
class QtListView : public view::ListView {
  public:
    // `stateImages` are the pictures of the state image indexes (may be empty).
    explicit QtListView(ListWidget& widget, std::vector<QIcon> stateImages = {});

    ListWidget& Widget() { return widget_; }

    void SetColumns(const std::vector<Column>& columns) override;
    int ColumnCount() const override;
    int ColumnWidth(int column) const override;
    void SetColumnWidth(int column, int width) override;
    void BeginUpdate() override;
    void EndUpdate() override;
    void Clear() override;
    int RowCount() const override;
    int AddRow(const std::vector<std::string>& cells, void* data) override;
    int InsertRow(int row, const std::vector<std::string>& cells, void* data) override;
    void DeleteRow(int row) override;
    std::string CellText(int row, int column) const override;
    bool AnyCell(int row, int columns,
                 const std::function<bool(std::string_view)>& matches) const override;
    void SetCellText(int row, int column, const std::string& text) override;
    void* RowData(int row) const override;
    void SetRowData(int row, void* data) override;
    int StateImage(int row) const override;
    void SetStateImage(int row, int image) override;
    int Selected() const override;
    void Select(int row) override;
    void ScrollIntoView(int row) override;

  private:
    bool HasRow(int row) const;
    // Whether the rows changed inside an update the view has not been told of yet.
    bool Deferred() const;

    ListWidget& widget_;
    ListRowsModel& rows_;
    int updateDepth_ = 0;
    std::optional<int> pendingSelect_;
    int pendingScroll_ = -1;
};

class QtTreeView : public view::TreeView {
  public:
    explicit QtTreeView(QTreeView& widget);

    void BeginUpdate() override;
    void EndUpdate() override;
    void Clear() override;
    Node AddNode(Node parent, const std::string& text) override;
    std::string NodeText(Node node) const override;
    Node Parent(Node node) const override;
    int ChildCount(Node parent) const override;
    Node Child(Node parent, int index) const override;
    Node Selected() const override;
    void Select(Node node) override;
    void Expand(Node node) override;

  private:
    bool HasNode(Node node) const;

    QTreeView& widget_;
    TreeNodesModel* nodes_;
};

// The window's labels, status bar and save command as the core sees them.
class QtUserInterface : public view::UserInterface {
  public:
    QtUserInterface(DialogService& dialogs, QWidget& owner);

    struct Widgets {
        QLabel* ProgressLabel = nullptr;
        QLabel* WireCountLabel = nullptr;
        std::array<QLabel*, view::kStatusPanels> Panels{};
        QAction* SaveMnu = nullptr;
    };
    void Attach(const Widgets& widgets) { widgets_ = widgets; }

    void ShowMessage(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    bool Prompt(const std::string& caption, const std::string& label, std::string& value) override;
    void SetProgressText(const std::string& text) override;
    void SetWireCount(const std::string& text) override;
    void SetStatusPanel(int panel, const std::string& text) override;
    std::string StatusPanel(int panel) const override;
    void RepaintStatus() override;
    void EnableSaveMenu(bool enabled) override;

  private:
    DialogService& dialogs_;
    QWidget& owner_;
    Widgets widgets_;
    std::array<std::string, view::kStatusPanels> panels_;
};

}  // namespace ui
