// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>

#include "UiFixture.h"
#include "support/Bytes.h"
#include "support/TableFiles.h"
#include "tables/MakerLists.h"
#include "ui/CvtViewWidget.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;

class ExternalEditTest : public WindowTest {
  protected:
    // Lets the window's events run until the editor's wait has handed back (at most 10 s).
    bool WaitEnabled() {
        QElapsedTimer timer;
        timer.start();
        while (!window->isEnabled() && timer.elapsed() < 10000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return window->isEnabled();
    }
};

TEST_F(ExternalEditTest, EditorAppendsALineAndTheViewIsReloaded) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1"})});
    const std::string script = folder / "editor.sh";
    support::WriteFileBytes(script, "#!/bin/sh\nprintf 'NE5532\\tJRC\\r\\n' >> \"$1\"\n");
    fs::permissions(script, fs::perms::owner_all);
    const fs::path makers = w.State.Tables.Makers->FilePath();
    support::WriteFileBytes(makers.string(), "LM358\tTI\r\n");
    w.State.Options.Editors = script;
    ASSERT_EQ(w.MakerView->topLevelItemCount(), 0);
    w.MakerListEditMnu->trigger();
    EXPECT_FALSE(w.isEnabled());
    ASSERT_TRUE(WaitEnabled());
    EXPECT_EQ(Column(w.MakerView, 0), (std::vector<std::string>{"LM358", "NE5532"}));
    EXPECT_EQ(Column(w.MakerView, 1), (std::vector<std::string>{"TI", "JRC"}));
}

// A relative conversion folder is the one beside the window's start, also after reading a
// drawing from another folder has made that folder current.
TEST_F(ExternalEditTest, RelativeConversionFolderKeepsEveryTableWhereItWasRead) {
    const fs::path cvt = fs::current_path() / "cvt";
    support::WriteFileBytes(folder / "vornextract.INI", "[Option]\r\nCvtDir=cvt\r\n");
    support::WriteFileBytes(cvt / "NameTable.Txt", "C1u\tCC1608\r\n");
    support::WriteFileBytes(cvt / "MakerTable.Txt", "LM358\tTI\r\n");
    support::WriteFileBytes(cvt / "FootPrintList.txt", "LM358\tSOP8\r\n");
    support::WriteFileBytes(cvt / "PinCvtList.txt", "BGA\r\n\t1\tA1\r\n");
    ui::TVornExtracts& w = Open({folder.Drawing("sub/one.ce2", {"R1"})});
    ASSERT_EQ(w.MakerView->topLevelItemCount(), 1);

    w.MakerPnameEdit->setText("NE5532");
    w.MakerNameEdit->setText("JRC");
    w.MakerAddBtn->click();
    w.FootPnameEdit->setText("NE5532");
    w.FootNameEdit->setText("DIP8");
    w.FootAddBtn->click();
    tables::TNameLists& names = *w.State.Tables.NameLists;
    names.Entries(tables::NameList::Common).emplace_back("C2u", "CC2012", -1);
    names.CommonModified = true;
    names.SaveModified(w.State.DrawingFolder());
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_FALSE(fs::exists(folder / "sub/cvt"));
    EXPECT_NE(support::ReadBytesFile(cvt / "MakerTable.Txt").find("JRC"), std::string::npos);
    EXPECT_NE(support::ReadBytesFile(cvt / "FootPrintList.txt").find("DIP8"), std::string::npos);
    EXPECT_NE(support::ReadBytesFile(cvt / "NameTable.Txt").find("C2u"), std::string::npos);

    // The editor gets, and the tables are reloaded from, those same files.
    const std::string script = folder / "editor.sh";
    support::WriteFileBytes(script, "#!/bin/sh\necho \"$1\" >> '" + (folder / "edited.log") +
                                        "'\nprintf 'ZZ\\tYY\\r\\n' >> \"$1\"\n");
    fs::permissions(script, fs::perms::owner_all);
    w.State.Options.Editors = script;
    for (QAction* item :
         {w.CommonCvtEditMnu, w.MakerListEditMnu, w.FootPrintEditMnu, w.PinCvtEditMnu}) {
        item->trigger();
        ASSERT_TRUE(WaitEnabled());
    }
    EXPECT_EQ(support::ReadBytesFile(folder / "edited.log"),
              (cvt / "NameTable.Txt").string() + "\n" + (cvt / "MakerTable.Txt").string() + "\n" +
                  (cvt / "FootPrintList.txt").string() + "\n" + (cvt / "PinCvtList.txt").string() +
                  "\n");
    EXPECT_EQ(Column(w.NameCvtView, 1), (std::vector<std::string>{"C1u", "C2u", "ZZ"}));
    EXPECT_EQ(Column(w.MakerView, 0), (std::vector<std::string>{"LM358", "NE5532", "ZZ"}));
    EXPECT_EQ(Column(w.FootView, 0), (std::vector<std::string>{"LM358", "NE5532", "ZZ"}));
    EXPECT_EQ(w.PinCvtView->topLevelItemCount(), 2);
}

// Closing while the editor runs would lose the reload and leave the process waiting on it.
TEST_F(ExternalEditTest, ClosingIsRefusedUntilTheEditedTableIsReloaded) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1"})});
    const std::string release = folder / "release";
    const std::string script = folder / "editor.sh";
    support::WriteFileBytes(script, "#!/bin/sh\nwhile [ ! -e '" + release +
                                        "' ]; do sleep 0.02; done\nprintf 'NE5532\\tJRC\\r\\n' "
                                        ">> \"$1\"\n");
    fs::permissions(script, fs::perms::owner_all);
    // However the test ends, the editor ends too: the window's teardown waits for it.
    struct ReleaseAtEnd {
        std::string Path;
        ~ReleaseAtEnd() { support::WriteFileBytes(Path, ""); }
    } releaseAtEnd{release};
    w.State.Options.Editors = script;
    w.MakerListEditMnu->trigger();
    EXPECT_FALSE(Close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].toStdString(),
              "外部エディタで編集中です。\nエディタを閉じてから終了してください。");

    support::WriteFileBytes(release, "");
    ASSERT_TRUE(WaitEnabled());
    EXPECT_EQ(Column(w.MakerView, 1), (std::vector<std::string>{"JRC"}));
    EXPECT_TRUE(Close());
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST_F(ExternalEditTest, MissingEditorStillReloadsAndEnablesTheWindow) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1"})});
    support::WriteFileBytes("NameTable.Txt", "10k\tLOCAL\r\n");  // the drawing's folder
    w.State.Options.Editors = (folder.Path() / "no-such-editor").string();
    w.EachCvtEditMnu->trigger();
    ASSERT_TRUE(WaitEnabled());
    ASSERT_EQ(w.EachCvtView->topLevelItemCount(), 1);
    EXPECT_EQ(Cell(w.EachCvtView, 0, 2), "LOCAL");
    EXPECT_TRUE(dialogs.Messages.empty());
}

}  // namespace
}  // namespace uitest
