// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <filesystem>
#include "ui/ListWidget.h"

#include "UiFixture.h"
#include "support/Bytes.h"
#include "support/ScopedEnv.h"
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
    ASSERT_EQ(w.MakerView->RowCount(), 0);
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
    ASSERT_EQ(w.MakerView->RowCount(), 1);

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
    EXPECT_EQ(w.PinCvtView->model()->rowCount(), 2);
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

// An editor setting is a command: its words, with %1 for the file wherever it stands.
TEST_F(ExternalEditTest, EditorCommandTakesArgumentsAndTheFileWhereItSays) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1"})});
    const std::string script = folder / "my editor.sh";
    support::WriteFileBytes(script, "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done > '" +
                                        (folder / "args.log") +
                                        "'\nprintf 'NE5532\\tJRC\\r\\n' >> \"$2\"\n");
    fs::permissions(script, fs::perms::owner_all);
    const fs::path makers = w.State.Tables.Makers->FilePath();
    w.State.Options.Editors = "\"" + script + "\" --wait %1 --line=1";
    w.MakerListEditMnu->trigger();
    ASSERT_TRUE(WaitEnabled());
    EXPECT_EQ(support::ReadBytesFile(folder / "args.log"),
              "[--wait]\n[" + makers.string() + "]\n[--line=1]\n");
    EXPECT_EQ(Column(w.MakerView, 1), (std::vector<std::string>{"JRC"}));
}

// No such program here (the setting's default NOTEPAD.EXE among them): the desktop's text
// editor opens the file and returns at once, so the window asks to be told when the edit
// is done and reads the table then.
TEST_F(ExternalEditTest, MissingEditorOpensTheDesktopsEditorAndReloadsAfterOK) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1"})});
    const fs::path bin = folder.Path() / "bin";
    fs::create_directories(bin);
    support::WriteFileBytes((bin / "xdg-open").string(),
                            "#!/bin/sh\necho \"$1\" > '" + (folder / "opened.log") + "'\n");
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const char* path = std::getenv("PATH");
    support::ScopedEnv onPath("PATH", bin.string() + ":" + (path ? path : "/usr/bin:/bin"));
    const fs::path each = w.State.DrawingFolder() / "NameTable.Txt";
    w.State.Options.Editors = "NOTEPAD.EXE";
    // The user edits while the message is up.
    dialogs.MessageSteps.push_back(
        [&] { support::WriteFileBytes(each.string(), "10k\tLOCAL\r\n"); });
    w.EachCvtEditMnu->trigger();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(support::ReadBytesFile(folder / "opened.log"), each.string() + "\n");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(dialogs.Messages[0].toStdString().find("OK を押してください"), std::string::npos);
    ASSERT_EQ(w.EachCvtView->RowCount(), 1);
    EXPECT_EQ(Cell(w.EachCvtView, 0, 2), "LOCAL");

    // Without a desktop editor either, the user is told what to set.
    support::ScopedEnv noPath("PATH", (folder.Path() / "empty").string());
    w.EachCvtEditMnu->trigger();
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_NE(dialogs.Messages[1].toStdString().find("gedit --wait %1"), std::string::npos);
    EXPECT_TRUE(w.isEnabled());
}

}  // namespace
}  // namespace uitest
