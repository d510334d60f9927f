// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include "ui/ListWidget.h"

#include "UiFixture.h"
#include "support/TableFiles.h"
#include "ui/CvtViewWidget.h"
#include "ui/VornCvtEdit.h"

namespace uitest {
namespace {

using Strings = std::vector<std::string>;

// A common table in the conversion folder (the program home) and a per-drawing table
// beside the drawing.
class ConversionPagesTest : public WindowTest {
  protected:
    ConversionPagesTest() {
        support::WriteCp932File(folder / "NameTable.Txt",
                                "[CHIP_C]\r\nC1u\tCC1608\r\nC2u\tCC2012\r\n");
        std::string drawing = folder.Drawing("sub/one.ce2", {"R1"});
        support::WriteCp932File(folder / "sub/NameTable.Txt", "[Local]\r\nLM358\tLM358-X\r\n");
        Open({drawing});
        window->Pages->setCurrentIndex(ui::TVornExtracts::NameCvtTab);
        QApplication::processEvents();
    }

    // A left-button press on a row of a conversion view (-1: below the last row).
    void Press(ui::CvtViewWidget* view, int row) {
        QPoint at =
            row >= 0 ? view->RowRect(row).center() : QPoint(5, view->viewport()->height() - 3);
        QMouseEvent press(QEvent::MouseButtonPress, at, view->viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &release);
    }

    // Runs the conversion entry dialog with `fill` and then its save button.
    void EditWith(QAction* command, const std::function<void(ui::TCvtEdit&)>& fill) {
        dialogs.DialogSteps.push_back([fill](QDialog& dialog) {
            auto& form = dynamic_cast<ui::TCvtEdit&>(dialog);
            fill(form);
            form.SaveBtn->click();
            return form.result();
        });
        command->trigger();
    }

    Strings Row(ui::ListWidget* view, int row) {
        return {Cell(view, row, 0), Cell(view, row, 1), Cell(view, row, 2)};
    }
};

TEST_F(ConversionPagesTest, EntryDialogUpdatesInsertsOrLeavesAsItWas) {
    ui::TVornExtracts& w = *window;
    ASSERT_EQ(w.EachCvtView->RowCount(), 1);
    ASSERT_EQ(w.NameCvtView->RowCount(), 2);
    tables::TNameLists& lists = *w.State.Tables.NameLists;

    // Only the letter case changed: nothing is updated or marked.
    Press(w.EachCvtView, 0);
    EditWith(w.NameCvtEditMnu, [](ui::TCvtEdit& form) {
        EXPECT_EQ(form.SaveBtn->text().toStdString(), "更新(&U)");
        EXPECT_EQ(form.OrgName->text().toStdString(), "LM358");
        EXPECT_EQ(form.PName->text().toStdString(), "LM358-X");
        EXPECT_EQ(form.GroupList->currentText().toStdString(), "Local");
        EXPECT_EQ(form.GroupList->count(), 2);
        form.PName->setText("lm358-x");
    });
    EXPECT_EQ(Row(w.EachCvtView, 0), (Strings{"Local", "LM358", "LM358-X"}));
    EXPECT_FALSE(lists.EachModified);

    // Insert after the current entry, under a group nobody knew yet.
    EditWith(w.NameCvtInsertMnu, [](ui::TCvtEdit& form) {
        EXPECT_EQ(form.SaveBtn->text().toStdString(), "追加(&A)");
        form.OrgName->setText("NE5532");
        form.GroupList->setEditText("OPAMP");
    });
    EXPECT_EQ(Row(w.EachCvtView, 1), (Strings{"OPAMP", "NE5532", "LM358-X"}));
    EXPECT_EQ(Row(w.EachCvtView, 0), (Strings{"Local", "LM358", "LM358-X"}));
    EXPECT_TRUE(lists.EachModified);
    QList<QListWidgetItem*> found = w.NameGroup->findItems("OPAMP", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0]->checkState(), Qt::Checked);

    // Leaving the page writes the changed list back beside the drawing.
    w.Pages->setCurrentIndex(ui::TVornExtracts::PartsListTab);
    EXPECT_FALSE(lists.EachModified);
    EXPECT_NE(support::ReadCp932FileAsUtf8(folder / "sub/NameTable.Txt").find("NE5532"),
              std::string::npos);
    EXPECT_NE(support::ReadCp932FileAsUtf8(folder / "vornextract.INI").find("[CvtEdit]"),
              std::string::npos);

    // A press below the rows names no entry: the commands open nothing.
    w.Pages->setCurrentIndex(ui::TVornExtracts::NameCvtTab);
    Press(w.NameCvtView, -1);
    int shown = dialogs.DialogsShown;
    w.NameCvtEditMnu->trigger();
    EXPECT_EQ(dialogs.DialogsShown, shown);
}

TEST_F(ConversionPagesTest, EnterInTheInputsMovesToTheButton) {
    ui::TVornExtracts& w = *window;
    Press(w.NameCvtView, 1);
    dialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& form = dynamic_cast<ui::TCvtEdit&>(dialog);
        form.activateWindow();
        form.PName->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(form.PName, &enter);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.focusWidget(), form.SaveBtn);
        form.PName->setText("CC2012-B");
        form.SaveBtn->click();
        return form.result();
    });
    w.NameCvtEditMnu->trigger();
    EXPECT_EQ(Row(w.NameCvtView, 1), (Strings{"CHIP_C", "C2u", "CC2012-B"}));
    EXPECT_TRUE(w.State.Tables.NameLists->CommonModified);
}

TEST_F(ConversionPagesTest, DropCopiesBetweenViewsAndDeleteAsksFirst) {
    ui::TVornExtracts& w = *window;
    w.EachCvtView->SelectRow(0);
    EXPECT_FALSE(w.NameCvtViewDragOver(w.MakerView, w.NameCvtView, 0));
    EXPECT_FALSE(w.NameCvtViewDragOver(w.EachCvtView, w.NameCvtView, -1));
    EXPECT_TRUE(w.NameCvtViewDragOver(w.EachCvtView, w.NameCvtView, 0));
    w.NameCvtViewDragDrop(w.EachCvtView, w.NameCvtView, 0);
    EXPECT_EQ(Column(w.NameCvtView, 1), (Strings{"C1u", "LM358", "C2u"}));
    EXPECT_EQ(w.EachCvtView->RowCount(), 1);

    Press(w.NameCvtView, 0);
    dialogs.YesNoAnswers = {false, true};
    w.NameCvtDelMnu->trigger();
    EXPECT_EQ(w.NameCvtView->RowCount(), 3);
    w.NameCvtDelMnu->trigger();
    EXPECT_EQ(Column(w.NameCvtView, 1), (Strings{"LM358", "C2u"}));
    ASSERT_EQ(dialogs.Questions.size(), 2u);
    EXPECT_NE(dialogs.Questions[1].toStdString().find("C1u"), std::string::npos);
}

TEST_F(ConversionPagesTest, MakerAndFootprintPagesEditThroughTheirBoxes) {
    ui::TVornExtracts& w = *window;
    w.MakerPnameEdit->setText("LM358-X");
    w.MakerNameEdit->setText("テキサス");
    w.MakerAddBtn->click();
    ASSERT_EQ(w.MakerView->RowCount(), 1);
    EXPECT_EQ(Cell(w.MakerView, 0, 1), "テキサス");
    EXPECT_NE(support::ReadCp932FileAsUtf8(folder / "MakerTable.Txt").find("テキサス"),
              std::string::npos);
    w.MakerPnameEdit->clear();
    w.MakerView->clearSelection();
    w.MakerView->SelectRow(0);
    EXPECT_EQ(w.MakerPnameEdit->text().toStdString(), "LM358-X");

    // A character CP932 lacks becomes "?" with a warning, never dropped in silence.
    w.MakerPnameEdit->setText("NE5532");
    w.MakerNameEdit->setText("한국");
    w.MakerAddBtn->click();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].toStdString(), "シフトJISで表せない文字を ? に置き換えました");
    EXPECT_EQ(Cell(w.MakerView, 1, 1), "??");

    w.FootPnameEdit->setText("CC1608");
    w.FootNameEdit->setText("C1608");
    w.FootSilkEdit->setText("C");
    w.FootAddBtn->click();
    ASSERT_EQ(w.FootView->RowCount(), 1);
    EXPECT_EQ(Column(w.FootView, 2), (Strings{"C"}));
    w.FootSilkEdit->setText("CAP");
    w.FootReplaceBtn->click();
    EXPECT_EQ(Column(w.FootView, 2), (Strings{"CAP"}));
    dialogs.YesNoAnswers = {true};
    w.FootDeleteBtn->click();
    EXPECT_EQ(w.FootView->RowCount(), 0);
}

}  // namespace
}  // namespace uitest
