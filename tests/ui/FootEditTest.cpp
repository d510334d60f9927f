// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "ui/ListWidget.h"

#include "UiFixture.h"
#include "app/DialogSettings.h"
#include "settings/IniFile.h"
#include "settings/SettingsFiles.h"
#include "ui/VornFootEdit.h"

namespace uitest {
namespace {

using Strings = std::vector<std::string>;

class FootEditTest : public WindowTest {
  protected:
    void Edit(int row, std::function<void(ui::TFootPrintEdit&)> step, bool save) {
        dialogs.DialogSteps.push_back([step, save](QDialog& dialog) {
            auto& form = dynamic_cast<ui::TFootPrintEdit&>(dialog);
            step(form);
            (save ? form.SaveBtn : form.CancelBtn)->click();
            return form.result();
        });
        emit window->PartsViewBDblClick(row);
    }
    void Type(QWidget* target, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
};

TEST_F(FootEditTest, DerivedSilkLeavesTheBoxesAloneAndTypedLettersBecomeCapitals) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1", "R2"})});
    ASSERT_EQ(w.State.PartsList[0]->SilkSet, 1);  // a resistor's silk follows the option
    Edit(
        0,
        [&](ui::TFootPrintEdit& form) {
            EXPECT_EQ(form.PNumber->text().toStdString(), "R1");
            EXPECT_FALSE(form.UpdateCvt->isChecked());
            EXPECT_FALSE(form.UpdateAll->isChecked());
            form.UpdateCvt->setChecked(true);
            form.UpdateAll->setChecked(true);
            form.FootPrint->lineEdit()->clear();
            Type(form.FootPrint->lineEdit(), "qfp-1");
            EXPECT_EQ(form.FootPrint->currentText().toStdString(), "QFP-1");
            Type(form.PSilk, "x");
            EXPECT_TRUE(form.PSilk->text().endsWith("x"));  // only the footprint is raised
        },
        true);
    // Saved under the part's name and copied to the other resistor.
    EXPECT_EQ(Column(w.PartsViewB, 4), (Strings{"QFP-1", "QFP-1"}));
    ASSERT_EQ(w.State.Tables.Foot->Entries().size(), 1u);
    EXPECT_EQ(w.FootView->RowCount(), 1);
    EXPECT_EQ(w.FootView->SelectedRow(), 0);
    // The check boxes of a derived silk name were not stored.
    settings::TIniFile ini(settings::ProgramSettingsPath());
    EXPECT_FALSE(ini.Value("FootEdit", "UpdateCvt"));
    EXPECT_TRUE(ini.Value("FootEdit", "Width"));
}

TEST_F(FootEditTest, ItemsAreTheListsFootprintsAndNoChangeIsNoSave) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1", "R2"})});
    w.State.PartsList[0]->SilkSet = 0;
    Edit(
        0,
        [](ui::TFootPrintEdit& form) {
            EXPECT_TRUE(form.UpdateCvt->isChecked());  // stored default for own silk names
            form.UpdateAll->setChecked(false);
            form.FootPrint->setEditText("SOP8");
        },
        true);
    Edit(
        1,
        [](ui::TFootPrintEdit& form) {
            ASSERT_EQ(form.FootPrint->count(), 1);
            EXPECT_EQ(form.FootPrint->itemText(0).toStdString(), "SOP8");
            form.UpdateAll->setChecked(true);
        },
        true);
    // The second part's save changed nothing, so its empty footprint was not copied.
    EXPECT_EQ(Column(w.PartsViewB, 4), (Strings{"SOP8", ""}));
    EXPECT_EQ(dialogs.DialogsShown, 2);
}

}  // namespace
}  // namespace uitest
