#include <QAction>
#include <QElapsedTimer>
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
    const fs::path makers = tables::TMakerLists::FilePath(w.State.Options.CvtDir);
    support::WriteFileBytes(makers.string(), "LM358\tTI\r\n");
    w.State.Options.Editors = script;
    ASSERT_EQ(w.MakerView->topLevelItemCount(), 0);
    w.MakerListEditMnu->trigger();
    EXPECT_FALSE(w.isEnabled());
    ASSERT_TRUE(WaitEnabled());
    EXPECT_EQ(Column(w.MakerView, 0), (std::vector<std::string>{"LM358", "NE5532"}));
    EXPECT_EQ(Column(w.MakerView, 1), (std::vector<std::string>{"TI", "JRC"}));
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
