// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "ui/ListWidget.h"

#include "UiFixture.h"
#include "app/DialogSettings.h"
#include "settings/SettingsFiles.h"
#include "ui/VornPartsEdit.h"

namespace uitest {
namespace {

using Strings = std::vector<std::string>;

class PartsEditTest : public WindowTest {
  protected:
    ui::TVornExtracts& OpenThree() { return Open({folder.Drawing("one.ce2", {"R1", "R2", "R3"})}); }
    // Runs the dialog on `row` of PartsViewA with `step` and the given button.
    void Edit(int row, std::function<void(ui::TPartsEdit&)> step, bool save) {
        dialogs.DialogSteps.push_back([step, save](QDialog& dialog) {
            auto& form = dynamic_cast<ui::TPartsEdit&>(dialog);
            step(form);
            (save ? form.SaveBtn : form.CancelBtn)->click();
            return form.result();
        });
        emit window->PartsViewADblClick(row);
    }
};

TEST_F(PartsEditTest, CancelKeepsThePartButStoresTheWindowAndBoxes) {
    ui::TVornExtracts& w = OpenThree();
    const std::string name = Cell(w.PartsViewA, 1, 1);
    Edit(
        1,
        [&](ui::TPartsEdit& form) {
            EXPECT_EQ(form.RefNum->text().toStdString(), "R2");
            EXPECT_EQ(form.PName->text().toStdString(), name);
            EXPECT_EQ(form.Amount->text().toStdString(), "1");
            EXPECT_TRUE(form.UpdateCvt->isChecked());
            EXPECT_EQ(form.GroupList->currentText(), QString());
            form.PName->setText("CHANGED");
            form.UpdateAll->setChecked(false);
            form.resize(420, 320);
        },
        false);
    EXPECT_EQ(Cell(w.PartsViewA, 1, 1), name);
    EXPECT_EQ(w.ProgressLabel->text().toStdString(), name);
    app::EditDialogSettings stored = app::ReadEditDialogSettings(
        settings::ProgramSettingsPath(), app::kEditParts, app::kEditPartsDesign);
    EXPECT_EQ(stored.Geometry.Width, 420);
    EXPECT_FALSE(stored.UpdateAll);
    EXPECT_TRUE(stored.UpdateCvt);
    // The next dialog opens with what was stored.
    Edit(
        0, [](ui::TPartsEdit& form) { EXPECT_FALSE(form.UpdateAll->isChecked()); }, false);
    EXPECT_EQ(dialogs.DialogsShown, 2);
}

TEST_F(PartsEditTest, SaveCopiesTheNameToPartsOfTheSameNameOnlyWhenAsked) {
    ui::TVornExtracts& w = OpenThree();
    const std::string name = Cell(w.PartsViewA, 0, 1);
    Edit(
        0,
        [](ui::TPartsEdit& form) {
            form.UpdateAll->setChecked(false);
            form.PName->setText("RK73-1K");
        },
        true);
    EXPECT_EQ(Column(w.PartsViewA, 1), (Strings{"RK73-1K", name, name}));
    Edit(
        1,
        [](ui::TPartsEdit& form) {
            form.UpdateAll->setChecked(true);
            form.PName->setText("RK73-2K");
            form.Note->setText("NOTE");
        },
        true);
    EXPECT_EQ(Column(w.PartsViewA, 1), (Strings{"RK73-1K", "RK73-2K", "RK73-2K"}));
    // The note stays with the edited part.
    EXPECT_EQ(Column(w.PartsViewA, 5), (Strings{"", "NOTE", ""}));
    EXPECT_EQ(Cell(w.PartsViewB, 2, 5), "RK73-2K");
    // The second name rewrote the entry the first one taught the drawing's table.
    EXPECT_EQ(w.State.Tables.NameLists->Entries(tables::NameList::Each).size(), 1u);
}

TEST_F(PartsEditTest, EnterGoesToSaveAndTheQuantityTakesDigitsOnly) {
    OpenThree();
    Edit(
        0,
        [](ui::TPartsEdit& form) {
            form.activateWindow();
            form.Amount->setFocus();
            form.Amount->clear();
            for (auto [key, text] : {std::pair{Qt::Key_4, "4"}, std::pair{Qt::Key_A, "a"},
                                     std::pair{Qt::Key_Minus, "-"}, std::pair{Qt::Key_2, "2"}}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
                QApplication::sendEvent(form.Amount, &press);
            }
            EXPECT_EQ(form.Amount->text().toStdString(), "42");
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(form.Maker, &enter);
            EXPECT_TRUE(form.isVisible());
            EXPECT_EQ(form.focusWidget(), form.SaveBtn);
        },
        true);
    EXPECT_EQ(Cell(window->PartsViewA, 0, 2), "42");
}

}  // namespace
}  // namespace uitest
