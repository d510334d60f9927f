// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include <filesystem>
#include "ui/ListWidget.h"

#include "UiFixture.h"
#include "support/Bytes.h"
#include "support/TableFiles.h"
#include "ui/CvtViewWidget.h"
#include "ui/DrawingPage.h"
#include "ui/OpenConfirm.h"
#include "ui/SaveDlg.h"
#include "ui/VornCvtEdit.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Panel(ui::TVornExtracts& w, int panel) {
    return w.StatusPanels[static_cast<std::size_t>(panel)]->text().toStdString();
}

TEST_F(WindowTest, StartsWithTwoDrawingsAndShowsEveryResult) {
    std::string one = folder.Drawing("one.ce2", {"R1", "R2"});
    std::string two = folder.Drawing("two.ce2", {"R3"});
    ui::TVornExtracts& w = Open({one, two});
    EXPECT_EQ(w.windowTitle().toStdString(), "VORN ﾈｯﾄﾘｽﾄ/部品表 抽出  Ver 1.4.3  Rev 2k3.11.04");
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(Column(w.PartsViewA, 0), (Strings{"R1", "R2", "R3"}));
    EXPECT_EQ(w.PartsViewA->model()->headerData(0, Qt::Horizontal).toString().toStdString(),
              "部品番号");
    EXPECT_EQ(w.PartsViewA->columnWidth(1), 200);
    EXPECT_EQ(w.PartsViewB->RowCount(), 3);
    EXPECT_EQ(w.PartsViewB->model()->columnCount(), 8);
    // R1-2 and R2-1 are joined by a wire; the other pins stand alone.
    ASSERT_GE(w.NetView->RowCount(), 1);
    EXPECT_EQ(w.NetView->model()->headerData(6, Qt::Horizontal).toString().toStdString(), "Pin-5");
    EXPECT_EQ(Panel(w, 0), "部品数：3");
    EXPECT_EQ(Panel(w, 1).rfind("ネット数：", 0), 0u);
    EXPECT_EQ(Panel(w, 2), folder.Path().string());
    EXPECT_EQ(Panel(w, 3), "one.ce2 ; two.ce2 ; ");
    EXPECT_TRUE(w.SaveMnu->isEnabled());
    EXPECT_FALSE(w.ErrorNetDisp->isVisible());
    EXPECT_EQ(w.OpenFileName(), fs::path(two));
    // Two pages never show a tab; the stored page index still counts them. The drawing
    // page comes after them.
    EXPECT_EQ(w.Pages->count(), 10);
    EXPECT_FALSE(w.Pages->isTabVisible(ui::TVornExtracts::WireListTab));
    EXPECT_FALSE(w.Pages->isTabVisible(ui::TVornExtracts::MemoTabSheet));
    EXPECT_EQ(w.Pages->tabText(ui::TVornExtracts::MakerListTab).toStdString(),
              "メーカー名リスト(&M)");
}

TEST_F(WindowTest, StartsEmptyWithTheMenusAndOptionsInPlace) {
    ui::TVornExtracts& w = Open({folder / "missing.ce2"});
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(w.PartsViewA->RowCount(), 0);
    EXPECT_FALSE(w.SaveMnu->isEnabled());
    EXPECT_EQ(w.OpenBtn->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(w.SaveMnu->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w.CloseBtn->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(w.FindBeforeMnu->shortcut(), QKeySequence("Shift+F3"));
    // The effective values of a first start.
    EXPECT_EQ(w.PwParts->text().toStdString(), "VCC;VEE;GND");
    EXPECT_EQ(w.TitleName->text().toStdString(), "TITLE2");
    EXPECT_EQ(w.Editors->text().toStdString(), "NOTEPAD.EXE");
    EXPECT_EQ(w.CvtDir->text().toStdString(), folder.Path().string());
    EXPECT_EQ(w.CR_SilkType->checkedId(), 1);
    EXPECT_EQ(w.NetNameType->checkedId(), 0);
    EXPECT_EQ(w.PListType->checkedId(), 0);
    EXPECT_FALSE(w.PinCvtEnv->isChecked());
    EXPECT_EQ(w.Pages->currentIndex(), 0);
    EXPECT_EQ(w.PartsListViews->currentIndex(), 0);
    // The option controls carry the values the flows read.
    w.PListType->button(2)->click();
    w.PwParts->setFocus();
    w.PwParts->selectAll();
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, "G");
    QApplication::sendEvent(w.PwParts, &typed);
    EXPECT_EQ(w.State.Options.PListType, 2);
    EXPECT_EQ(w.State.Options.PwParts, "G");
    // Saving with nothing loaded does nothing; closing right away asks nothing.
    w.SaveDlgClick();
    EXPECT_EQ(dialogs.DialogsShown, 0);
    EXPECT_TRUE(Close());
    EXPECT_TRUE(dialogs.Questions.empty());
}

TEST_F(WindowTest, OpenCommandReplacesAddsOrStopsAsAnswered) {
    std::string one = folder.Drawing("one.ce2", {"R1", "R2"});
    std::string two = folder.Drawing("two.ce2", {"R9"});
    ui::TVornExtracts& w = Open();
    // Nothing loaded: no confirmation, straight to the file dialog.
    dialogs.OpenAnswers.push_back(Q(one));
    w.OpenBtn->trigger();
    EXPECT_EQ(dialogs.DialogsShown, 0);
    ASSERT_EQ(dialogs.OpenRequests.size(), 1u);
    EXPECT_NE(dialogs.OpenRequests[0].toStdString().find("|VORN 回路図 (*.ce2)|*.ce2|"),
              std::string::npos);
    EXPECT_EQ(Column(w.PartsViewA, 0), (Strings{"R1", "R2"}));

    dialogs.DialogSteps.push_back(Confirm(1));
    dialogs.OpenAnswers.push_back(Q(two));
    w.OpenBtnClick();
    EXPECT_EQ(Column(w.PartsViewA, 0), (Strings{"R1", "R2", "R9"}));
    EXPECT_EQ(dialogs.OpenRequests.back().toStdString(),
              folder.Path().string() + "|VORN 回路図 (*.ce2)|*.ce2|one.ce2");

    // Cancelled confirmation: the file dialog is not shown and nothing changes.
    dialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& form = dynamic_cast<ui::TOpenConfirmForm&>(dialog);
        form.ReadStyle->button(0)->click();
        form.CancelBtn->click();
        return form.result();
    });
    w.OpenBtnClick();
    EXPECT_EQ(dialogs.OpenRequests.size(), 2u);
    EXPECT_EQ(w.PartsViewA->RowCount(), 3);
    // The choice was stored all the same, and is proposed next time.
    dialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& form = dynamic_cast<ui::TOpenConfirmForm&>(dialog);
        EXPECT_EQ(form.ReadStyleIndex(), 0);
        EXPECT_EQ(form.windowTitle(), form.parentWidget()->windowTitle());
        form.ReadBtn->click();
        return form.result();
    });
    dialogs.OpenAnswers.push_back(Q(two));
    w.OpenBtnClick();
    EXPECT_EQ(Column(w.PartsViewA, 0), (Strings{"R9"}));
    EXPECT_EQ(Panel(w, 3), "two.ce2 ; ");
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(WindowTest, SaveDialogProposesWritesAndRemembers) {
    std::string amp = folder.Drawing("amp.ce2", {"R1", "R2"});
    ui::TVornExtracts& w = Open({amp});
    w.PListType->button(1)->click();
    std::string base = (folder.Path() / "amp").string();
    dialogs.DialogSteps.push_back([&](QDialog& dialog) {
        auto& form = dynamic_cast<ui::TSaveDlgForm&>(dialog);
        EXPECT_EQ(form.ListFname->text().toStdString(), base + ".csv");
        EXPECT_EQ(form.NetFname->text().toStdString(), base + ".net");
        EXPECT_EQ(form.ProtelFname->text().toStdString(), base + "_Protel.net");
        EXPECT_TRUE(form.SavePlistEn->isChecked());
        EXPECT_FALSE(form.SimpleNetEn->isChecked());
        form.SimpleNetEn->setChecked(true);
        form.NetFname->setText(Q(folder / "mine.net"));
        form.SaveBtn->click();
        return form.result();
    });
    w.SaveMnu->trigger();
    EXPECT_EQ(dialogs.DialogsShown, 1);
    EXPECT_TRUE(fs::exists(base + ".csv"));
    EXPECT_TRUE(fs::exists(folder / "mine.net"));
    EXPECT_FALSE(fs::exists(base + "_Protel.net"));
    EXPECT_FALSE(w.State.NotSaved);
    EXPECT_EQ(w.RememberedNames.SimpleNet, folder / "mine.net");

    // The next save proposes the remembered names, the check boxes as they were left,
    // and the parts list name with the extension of the format now chosen.
    w.PListType->button(2)->click();
    dialogs.DialogSteps.push_back([&](QDialog& dialog) {
        auto& form = dynamic_cast<ui::TSaveDlgForm&>(dialog);
        EXPECT_EQ(form.ListFname->text().toStdString(), base + ".txt");
        EXPECT_EQ(form.NetFname->text().toStdString(), folder / "mine.net");
        EXPECT_TRUE(form.SimpleNetEn->isChecked());
        form.ListFname->setText(Q(folder / "cancelled.txt"));
        form.CancelBtn->click();
        return form.result();
    });
    w.SaveDlgClick();
    EXPECT_EQ(w.RememberedNames.PartsList, base + ".csv");
    EXPECT_NE(support::ReadCp932FileAsUtf8(folder / "vornextract.INI").find("SimpleNetEn=1"),
              std::string::npos);
}

TEST_F(WindowTest, CloseAsksOnlyWhileDataIsUnsaved) {
    std::string one = folder.Drawing("one.ce2", {"R1"});
    ui::TVornExtracts& w = Open({one});
    dialogs.YesNoAnswers = {false};
    EXPECT_FALSE(Close());
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].toStdString(), "編集中のデータが有ります。\n    破棄しますか？");
    EXPECT_EQ(w.PartsViewA->RowCount(), 1);

    // Writing one file clears the flag; loading again sets it.
    ASSERT_TRUE(w.State.WriteProtelNetFile(folder / "p.net"));
    dialogs.YesNoAnswers = {false};
    dialogs.DialogSteps.push_back(Confirm(1));
    dialogs.OpenAnswers.push_back(Q(one));
    w.OpenBtnClick();
    EXPECT_FALSE(Close());
    EXPECT_EQ(dialogs.Questions.size(), 2u);
    ASSERT_TRUE(w.State.WriteProtelNetFile(folder / "p.net"));
    EXPECT_TRUE(Close());
    EXPECT_EQ(dialogs.Questions.size(), 2u);
}

TEST_F(WindowTest, LayoutAndOptionsComeBackAfterARestart) {
    {
        ui::TVornExtracts& w = Open();
        w.move(40, 50);
        w.resize(900, 600);
        // The user drags the splitter on its page, then goes on to another page.
        w.Pages->setCurrentIndex(ui::TVornExtracts::NameCvtTab);
        w.CvtSplitter->setSizes({200, 600});
        emit w.CvtSplitter->splitterMoved(200, 1);
        w.Pages->setCurrentIndex(ui::TVornExtracts::MakerListTab);
        w.PartsListViews->setCurrentIndex(1);
        w.PartsViewB->setColumnWidth(3, 123);
        w.NetNameType->button(1)->click();
        w.PinCvtEnv->click();
        EXPECT_TRUE(w.State.Options.PinCvtEnv);
        ASSERT_TRUE(Close());
    }
    ui::TVornExtracts& w = Open();
    EXPECT_EQ(w.pos(), QPoint(40, 50));
    EXPECT_EQ(w.size(), QSize(900, 600));
    EXPECT_EQ(w.Pages->currentIndex(), ui::TVornExtracts::MakerListTab);
    EXPECT_EQ(w.PartsListViews->currentIndex(), 1);
    EXPECT_EQ(w.PartsViewB->columnWidth(3), 123);
    w.Pages->setCurrentIndex(ui::TVornExtracts::NameCvtTab);
    QApplication::processEvents();
    EXPECT_EQ(w.CvtSplitter->sizes().front(), 200);
    EXPECT_EQ(w.LocalCvtPanel->width(), 200);
    EXPECT_EQ(w.NetNameType->checkedId(), 1);
    EXPECT_TRUE(w.PinCvtEnv->isChecked());
}

TEST_F(WindowTest, EnterInTheResultViewsEditsThePartSelectedInPartsViewA) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1", "R2"})});
    std::vector<int> edited;
    QObject::connect(&w, &ui::TVornExtracts::PartsViewADblClick,
                     [&edited](int row) { edited.push_back(row); });
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w.NetView, &enter);
    EXPECT_TRUE(edited.empty());
    w.PartsViewA->SelectRow(1);
    QApplication::sendEvent(w.NetView, &enter);
    QApplication::sendEvent(w.PartsViewA, &enter);
    EXPECT_EQ(edited, (std::vector<int>{1, 1}));
    // Other keys go on to the view.
    w.PartsViewA->setFocus();
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(w.PartsViewA, &up);
    EXPECT_EQ(w.PartsViewA->currentIndex().row(), 0);
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

TEST_F(WindowTest, TheFirstLoadRunsOnceAfterTheWindowIsShown) {
    std::string one = folder.Drawing("one.ce2", {"R1"});
    window = std::make_unique<ui::TVornExtracts>(dialogs, std::vector<std::string>{one});
    EXPECT_EQ(window->PartsViewA->RowCount(), 0);
    window->show();
    QElapsedTimer clock;
    clock.start();
    while (window->PartsViewA->RowCount() == 0 && clock.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(window->PartsViewA->RowCount(), 1);
    EXPECT_FALSE(window->FirstLoadTimer->isActive());
    window->hide();
    window->show();
    QApplication::processEvents();
    EXPECT_FALSE(window->FirstLoadTimer->isActive());
    EXPECT_EQ(window->PartsViewA->RowCount(), 1);
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

TEST(WindowPieces, FileFilterAndStatePictures) {
    App();
    EXPECT_EQ(ui::QtFileFilter(QString::fromUtf8("VORN 回路図 (*.ce2)|*.ce2")).toStdString(),
              "VORN 回路図 (*.ce2)");
    EXPECT_EQ(ui::QtFileFilter("Tables|*.txt;*.Txt|All|*").toStdString(),
              "Tables (*.txt *.Txt);;All (*)");
    std::vector<QIcon> pictures = ui::StateImages();
    ASSERT_EQ(pictures.size(), 5u);
    std::vector<QImage> images;
    for (const QIcon& picture : pictures) {
        QList<QSize> sizes = picture.availableSizes();
        ASSERT_EQ(sizes.size(), 1);
        EXPECT_EQ(sizes[0], QSize(15, 15));
        images.push_back(picture.pixmap(15, 15).toImage());
    }
    // Five different pictures; the orange and red dots differ in colour at their centre.
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (std::size_t j = i + 1; j < images.size(); ++j) {
            EXPECT_NE(images[i], images[j]) << i << " " << j;
        }
    }
    EXPECT_GT(images[4].pixelColor(7, 7).red(), 200);
    EXPECT_LT(images[4].pixelColor(7, 7).green(), 60);
    EXPECT_GT(images[3].pixelColor(7, 7).green(), 100);
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

TEST_F(WindowTest, F1OpensTheTopicOfTheFocusedElement) {
    ui::TVornExtracts& w = Open({folder.Drawing("one.ce2", {"R1"})});
    w.activateWindow();
    auto pressF1 = [](QWidget* target) {
        QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(target, &key);
    };
    // The section of the manual the last F1 opened ("" for its first page).
    auto lastContext = [this] {
        return dialogs.OpenedUrls.empty() ? std::string("none")
                                          : dialogs.OpenedUrls.back().fragment().toStdString();
    };
    w.PartsListViews->setCurrentIndex(1);
    w.PartsViewB->setFocus();
    // The window's F1 key, as the shortcut machinery fires it.
    QShortcut* help = w.findChild<QShortcut*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->key(), QKeySequence(Qt::Key_F1));
    emit help->activated();
    EXPECT_EQ(lastContext(), "parts-detail");
    // The manual the build folder holds beside the program, with the section it names.
    const QUrl manual = dialogs.OpenedUrls.back();
    ASSERT_TRUE(manual.isLocalFile());
    const std::string page = support::ReadBytesFile(manual.toLocalFile().toStdString());
    EXPECT_NE(page.find("id=\"parts-detail\""), std::string::npos);
    w.Pages->setCurrentIndex(ui::TVornExtracts::MakerListTab);
    w.ShowHelp(w.MakerPnameEdit);
    EXPECT_EQ(lastContext(), "makers");
    w.ShowHelp(w.DrawingView->Tabs);
    EXPECT_EQ(lastContext(), "drawing");
    EXPECT_NE(page.find("id=\"drawing\""), std::string::npos);
    w.ShowHelp(w.Pages->tabBar());
    EXPECT_EQ(lastContext(), "pages");
    w.ShowHelp(w.StatusPanels[0]);
    EXPECT_EQ(lastContext(), "");

    // F1 in an open menu names its highlighted item.
    QMenu* file = w.OpenBtn->associatedObjects().isEmpty()
                      ? nullptr
                      : qobject_cast<QMenu*>(w.OpenBtn->associatedObjects().front());
    ASSERT_NE(file, nullptr);
    file->setActiveAction(w.SaveMnu);
    pressF1(file);
    EXPECT_EQ(lastContext(), "save");
    file->setActiveAction(w.CloseBtn);
    pressF1(file);
    EXPECT_EQ(lastContext(), "");

    // The dialogs have their own.
    dialogs.DialogSteps.push_back([&](QDialog& dialog) {
        w.ShowHelp(dynamic_cast<ui::TSaveDlgForm&>(dialog).NetFname);
        return QDialog::Rejected;
    });
    w.SaveDlgClick();
    EXPECT_EQ(lastContext(), "save");

    // The help menu: the manual, and a version box naming the licence and Qt.
    w.ManualMnu->trigger();
    EXPECT_EQ(lastContext(), "");
    w.AboutMnu->trigger();
    const std::string about = dialogs.Messages.back().toStdString();
    EXPECT_NE(about.find("GPL-3.0-or-later"), std::string::npos) << about;
    EXPECT_NE(about.find(std::string("Qt ") + qVersion()), std::string::npos) << about;
}

}  // namespace
}  // namespace uitest

namespace uitest {
namespace {

TEST_F(WindowTest, StoredPagesThatCannotShowFallBackToTheFirst) {
    support::WriteCp932File(folder / "vornextract.INI",
                            "[Option]\r\nActivePage=8\r\nPartsPage=5\r\n");
    ui::TVornExtracts& first = Open();
    EXPECT_EQ(first.Pages->currentIndex(), ui::TVornExtracts::PartsListTab);
    EXPECT_EQ(first.PartsListViews->currentIndex(), 0);
    window.reset();
    support::WriteCp932File(folder / "vornextract.INI", "[Option]\r\nActivePage=4\r\n");
    EXPECT_EQ(Open().Pages->currentIndex(), ui::TVornExtracts::MakerListTab);
}

}  // namespace
}  // namespace uitest
