#include "support/RecordingViews.h"

#include <stdexcept>

#include "text/Cp932.h"

namespace support {

int RecordingListView::ColumnWidth(int column) const {
    return Columns.at(static_cast<std::size_t>(column)).width;
}

void RecordingListView::SetColumnWidth(int column, int width) {
    Columns.at(static_cast<std::size_t>(column)).width = width;
}

void RecordingListView::Clear() {
    Rows.clear();
    SelectedRow = -1;
}

int RecordingListView::AddRow(const std::vector<std::string>& cells, void* data) {
    Rows.push_back({cells, data, -1});
    return RowCount() - 1;
}

int RecordingListView::InsertRow(int row, const std::vector<std::string>& cells, void* data) {
    if (row < 0 || row > RowCount()) {
        throw std::out_of_range("InsertRow");
    }
    Rows.insert(Rows.begin() + row, Row{cells, data, -1});
    if (SelectedRow >= row) {
        ++SelectedRow;
    }
    return row;
}

void RecordingListView::DeleteRow(int row) {
    Rows.erase(Rows.begin() + row);
    if (SelectedRow == row) {
        SelectedRow = -1;
    } else if (SelectedRow > row) {
        --SelectedRow;
    }
}

std::string RecordingListView::CellText(int row, int column) const {
    const Row& r = Rows.at(static_cast<std::size_t>(row));
    return static_cast<std::size_t>(column) < r.Cells.size()
               ? r.Cells[static_cast<std::size_t>(column)]
               : std::string();
}

void RecordingListView::SetCellText(int row, int column, const std::string& text) {
    Row& r = Rows.at(static_cast<std::size_t>(row));
    if (r.Cells.size() <= static_cast<std::size_t>(column)) {
        r.Cells.resize(static_cast<std::size_t>(column) + 1);
    }
    r.Cells[static_cast<std::size_t>(column)] = text;
}

void* RecordingListView::RowData(int row) const {
    return Rows.at(static_cast<std::size_t>(row)).Data;
}

void RecordingListView::SetRowData(int row, void* data) {
    Rows.at(static_cast<std::size_t>(row)).Data = data;
}

int RecordingListView::StateImage(int row) const {
    return Rows.at(static_cast<std::size_t>(row)).StateImage;
}

void RecordingListView::SetStateImage(int row, int image) {
    Rows.at(static_cast<std::size_t>(row)).StateImage = image;
}

std::vector<std::string> RecordingListView::RowUtf8(int row) const {
    std::vector<std::string> out;
    for (const std::string& cell : Rows.at(static_cast<std::size_t>(row)).Cells) {
        out.push_back(text::Cp932ToUtf8(cell));
    }
    return out;
}

void RecordingTreeView::Clear() {
    Items.clear();
    TopLevel.clear();
    SelectedNode = kNone;
}

RecordingTreeView::Node RecordingTreeView::AddNode(Node parent, const std::string& text) {
    Node node = static_cast<Node>(Items.size());
    Items.push_back({text, parent, {}, false});
    if (parent == kNone) {
        TopLevel.push_back(node);
    } else {
        Items.at(static_cast<std::size_t>(parent)).Children.push_back(node);
    }
    return node;
}

int RecordingTreeView::ChildCount(Node parent) const {
    return static_cast<int>(parent == kNone
                                ? TopLevel.size()
                                : Items.at(static_cast<std::size_t>(parent)).Children.size());
}

RecordingTreeView::Node RecordingTreeView::Child(Node parent, int index) const {
    const std::vector<Node>& children =
        parent == kNone ? TopLevel : Items.at(static_cast<std::size_t>(parent)).Children;
    return children.at(static_cast<std::size_t>(index));
}

bool RecordingUserInterface::AskYesNo(const std::string&, const std::string& text) {
    Questions.push_back(text);
    if (YesNoAnswers.empty()) {
        return true;
    }
    bool answer = YesNoAnswers.front();
    YesNoAnswers.erase(YesNoAnswers.begin());
    return answer;
}

bool RecordingUserInterface::Prompt(const std::string&, const std::string& label,
                                    std::string& value) {
    Questions.push_back(label);
    if (PromptAnswers.empty()) {
        return false;
    }
    value = PromptAnswers.front();
    PromptAnswers.erase(PromptAnswers.begin());
    return true;
}

void RecordingUserInterface::SetStatusPanel(int panel, const std::string& text) {
    Panels.at(static_cast<std::size_t>(panel)) = text;
}

std::string RecordingUserInterface::StatusPanel(int panel) const {
    return Panels.at(static_cast<std::size_t>(panel));
}

std::vector<std::string> RecordingUserInterface::MessagesUtf8() const {
    std::vector<std::string> out;
    for (const std::string& m : Messages) {
        out.push_back(text::Cp932ToUtf8(m));
    }
    return out;
}

std::string RecordingUserInterface::PanelUtf8(int panel) const {
    return text::Cp932ToUtf8(StatusPanel(panel));
}

}  // namespace support
