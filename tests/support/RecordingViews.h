#pragma once

#include <array>
#include <string>
#include <vector>

#include "view/ListView.h"
#include "view/TreeView.h"
#include "view/UserInterface.h"

namespace support {

// Keeps every row as the core wrote it; cells are CP932.
class RecordingListView : public view::ListView {
  public:
    struct Row {
        std::vector<std::string> Cells;
        void* Data = nullptr;
        int StateImage = -1;
    };

    std::vector<Column> Columns;
    std::vector<Row> Rows;
    int SelectedRow = -1;
    int ScrolledTo = -1;
    int UpdateDepth = 0;

    void SetColumns(const std::vector<Column>& columns) override { Columns = columns; }
    int ColumnCount() const override { return static_cast<int>(Columns.size()); }
    int ColumnWidth(int column) const override;
    void SetColumnWidth(int column, int width) override;
    void BeginUpdate() override { ++UpdateDepth; }
    void EndUpdate() override { --UpdateDepth; }
    void Clear() override;
    int RowCount() const override { return static_cast<int>(Rows.size()); }
    int AddRow(const std::vector<std::string>& cells, void* data) override;
    int InsertRow(int row, const std::vector<std::string>& cells, void* data) override;
    void DeleteRow(int row) override;
    std::string CellText(int row, int column) const override;
    void SetCellText(int row, int column, const std::string& text) override;
    void* RowData(int row) const override;
    void SetRowData(int row, void* data) override;
    int StateImage(int row) const override;
    void SetStateImage(int row, int image) override;
    int Selected() const override { return SelectedRow; }
    void Select(int row) override { SelectedRow = row; }
    void ScrollIntoView(int row) override { ScrolledTo = row; }

    // Cell texts of a row as UTF-8, for readable assertions.
    std::vector<std::string> RowUtf8(int row) const;
};

class RecordingTreeView : public view::TreeView {
  public:
    struct Item {
        std::string Text;
        Node Parent = kNone;
        std::vector<Node> Children;
        bool Expanded = false;
    };

    std::vector<Item> Items;
    std::vector<Node> TopLevel;
    Node SelectedNode = kNone;

    void BeginUpdate() override {}
    void EndUpdate() override {}
    void Clear() override;
    Node AddNode(Node parent, const std::string& text) override;
    std::string NodeText(Node node) const override {
        return Items.at(static_cast<std::size_t>(node)).Text;
    }
    Node Parent(Node node) const override {
        return Items.at(static_cast<std::size_t>(node)).Parent;
    }
    int ChildCount(Node parent) const override;
    Node Child(Node parent, int index) const override;
    Node Selected() const override { return SelectedNode; }
    void Select(Node node) override { SelectedNode = node; }
    void Expand(Node node) override { Items.at(static_cast<std::size_t>(node)).Expanded = true; }
};

// Records everything the core shows, in order. Questions and prompts take scripted
// answers (default: Yes, and prompts cancelled).
class RecordingUserInterface : public view::UserInterface {
  public:
    std::vector<std::string> Messages;  // CP932, in order
    std::vector<std::string> Questions;
    std::vector<std::string> Label1History;
    std::vector<std::string> Label9History;
    std::array<std::string, kStatusPanels> Panels;
    int StatusRepaints = 0;
    bool SaveMenuEnabled = false;

    std::vector<bool> YesNoAnswers;          // consumed in order; Yes when none left
    std::vector<std::string> PromptAnswers;  // consumed in order; cancelled when none left

    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    bool Prompt(const std::string& caption, const std::string& label, std::string& value) override;
    void SetLabel1(const std::string& text) override { Label1History.push_back(text); }
    void SetLabel9(const std::string& text) override { Label9History.push_back(text); }
    void SetStatusPanel(int panel, const std::string& text) override;
    std::string StatusPanel(int panel) const override;
    void RepaintStatus() override { ++StatusRepaints; }
    void EnableSaveMenu(bool enabled) override { SaveMenuEnabled = enabled; }

    // Messages and labels as UTF-8, for readable assertions.
    std::vector<std::string> MessagesUtf8() const;
    std::string PanelUtf8(int panel) const;
};

}  // namespace support
