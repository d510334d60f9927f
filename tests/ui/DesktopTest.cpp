// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include "UiFixture.h"
#include "support/Bytes.h"
#include "support/TableFiles.h"
#include "ui/Application.h"

namespace uitest {
namespace {

// Qt's own buttons speak Japanese in a Japanese session, as the window does.
TEST(QtTranslations, StandardButtonsReadJapanese) {
    App();
    QTranslator* translator =
        ui::LoadQtTranslations(App(), QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_NE(translator, nullptr) << "Qt's Japanese translations are not installed";
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("はい")))
        << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("いいえ")));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

// At the size a first start gives it, the window shows every page's tab whole, and Alt with
// a letter that a menu and a tab share opens the menu, as on the platform the drawings
// come from.
TEST_F(WindowTest, DefaultSizeShowsEveryTabAndAltOpensTheMenuFirst) {
    ui::TVornExtracts& w = Open();
    QApplication::processEvents();
    QTabBar* tabs = w.Pages->tabBar();
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->isTabVisible(i)) {
            EXPECT_LE(tabs->tabRect(i).right(), tabs->width()) << tabs->tabText(i).toStdString();
        }
    }
    EXPECT_LE(tabs->sizeHint().width(), w.Pages->width());

    // "ツール(&T)" and "部品名変換リスト(&T)", "ファイル(&F)" and "フットプリント(&F)".
    w.activateWindow();
    for (Qt::Key key : {Qt::Key_T, Qt::Key_F}) {
        const int page = w.Pages->currentIndex();
        QTest::keyClick(&w, key, Qt::AltModifier);
        QApplication::processEvents();
        QAction* open = w.menuBar()->activeAction();
        ASSERT_NE(open, nullptr) << "no menu opened for Alt+" << char(key);
        EXPECT_TRUE(open->text().contains(QStringLiteral("&") + QChar(key)));
        EXPECT_EQ(w.Pages->currentIndex(), page);
        if (open->menu()) {
            open->menu()->close();
        }
        QApplication::processEvents();
    }
    // A letter of a tab alone still opens its page.
    QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(w.Pages->currentIndex(), ui::TVornExtracts::NetListTab);
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

// The dialogs are at least as wide as their caption, so the title bar can show it whole.
TEST_F(WindowTest, DialogsAreWideEnoughForTheirCaption) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1"})});
    int checked = 0;
    auto check = [&](QDialog& dialog) {
        EXPECT_GE(dialog.width(), dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()))
            << dialog.metaObject()->className();
        ++checked;
        return QDialog::Rejected;
    };
    dialogs.DialogSteps.push_back(check);
    w.SaveDlgClick();
    dialogs.DialogSteps.push_back(check);
    w.OpenBtnClick();  // parts are loaded: the replace-or-add question first
    EXPECT_EQ(checked, 2);
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

// The export menu proposes names beside the drawing, writes through the same writers, and
// the folder keeps the grouped list's columns for the next time.
TEST_F(WindowTest, ExportMenuWritesTheFilesForOtherTools) {
    ui::TVornExtracts& w = Open({folder.Drawing("boards/one.ce2", {"R1", "R2", "R3"})});
    const std::string out = folder / "out";
    dialogs.PromptAnswers.push_back("quantity,references,name");
    dialogs.SaveAnswers.push_back(QString::fromStdString(out + ".csv"));
    w.ExportBomMnu->trigger();
    EXPECT_EQ(dialogs.SaveProposals.back().toStdString(), folder / "boards/one_bom.csv");
    // The resistors' silk names differ here, so each is a row of its own.
    EXPECT_EQ(support::ReadBytesFile(out + ".csv"),
              "Quantity,References,Name\r\n1,R1,R\r\n1,R2,R\r\n1,R3,R\r\n");

    dialogs.SaveAnswers.push_back(QString::fromStdString(out + ".json"));
    dialogs.SaveChoices.push_back(1);  // UTF-8 with the byte order mark
    w.ExportJsonMnu->trigger();
    EXPECT_EQ(support::ReadBytesFile(out + ".json").rfind("\xEF\xBB\xBF{", 0), 0u);
    EXPECT_NE(support::ReadBytesFile(out + ".json").find("\"schema_version\": 1"),
              std::string::npos);
    dialogs.SaveAnswers.push_back(QString::fromStdString(out + ".net"));
    w.ExportKicadMnu->trigger();
    EXPECT_EQ(support::ReadBytesFile(out + ".net").rfind("(export (version \"E\")", 0), 0u);
    dialogs.SaveAnswers.push_back("");  // cancelled: nothing
    w.ExportKicadMnu->trigger();

    // An unknown column is told, and nothing is asked or written.
    dialogs.PromptAnswers.push_back("name,price");
    w.ExportBomMnu->trigger();
    EXPECT_NE(dialogs.Messages.back().toStdString().find("\"price\""), std::string::npos);
    EXPECT_EQ(dialogs.SaveProposals.size(), 4u);

    w.State.SaveSettings();
    const std::string kept = support::ReadBytesFile(folder / "boards/vornextract.INI");
    EXPECT_NE(kept.find("Fields=quantity,references,name"), std::string::npos);
    EXPECT_NE(kept.find("Encoding=utf-8-bom"), std::string::npos);
    // The next export starts from the encoding chosen last.
    dialogs.SaveAnswers.push_back("");
    w.ExportJsonMnu->trigger();
    EXPECT_EQ(dialogs.SaveChoicesShown.back(), 1);
}

}  // namespace
}  // namespace uitest
