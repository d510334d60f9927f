// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/ExternalEdit.h"
#include "app/LoadFlow.h"
#include "app/MainWindowState.h"
#include "app/SaveFlow.h"
#include "ui/QtViews.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QTreeView;
class QWidget;

namespace ui {

class CvtViewWidget;
class ListWidget;
class DrawingPage;
class DialogService;

// The main window: the pages of results, the tables and the options, the menus, and the
// flows of loading and saving. Its state lives in State; the widgets show it.
class TVornExtracts : public QMainWindow {
    Q_OBJECT

  public:
    // `drawings`: the command line's drawing names, read at the first tick of FirstLoadTimer.
    TVornExtracts(DialogService& dialogs, std::vector<std::string> drawings,
                  QWidget* parent = nullptr);
    ~TVornExtracts() override;

    // The tabs of Pages by index (what the settings store as ActivePage).
    enum Page {
        PartsListTab,
        NetListTab,
        NameCvtTab,
        WireListTab,
        MakerListTab,
        FootPrintTab,
        PinCvtTab,
        OptionPage,
        MemoTabSheet,
        DrawingTab,  // after the stored ones, so the stored page numbers keep their pages
    };

    // Handlers, named after their control and event.
    void FormShow();
    void OpenBtnClick();
    void SaveDlgClick();
    void CloseBtnClick();
    void PinCvtEnvClick();
    void NameCvtEditMnuClick(bool insert);
    void NameCvtDelMnuClick();
    void NameCvtTabExit();
    void MakerAddBtnClick();
    void MakerReplaceBtnClick();
    void MakerDeleteBtnClick();
    void FootAddBtnClick();
    void FootReplaceBtnClick();
    void FootDeleteBtnClick();
    // The row under the pointer at a press in a conversion view (-1: none).
    void NameCvtViewMouseDown(ListWidget* view, int row);
    bool NameCvtViewDragOver(const QObject* source, ListWidget* target, int row);
    // A row of one conversion view dropped on `row` of the other (or the same) view.
    void NameCvtViewDragDrop(ListWidget* source, ListWidget* target, int row);
    void MakerViewSelectItem();
    void FootViewSelectItem();
    // The drawing page: the selection of the parts or net page shown on the drawing.
    void ShowOnDrawingMnuClick();
    // A net or part clicked on a drawing, chosen in the lists.
    void DrawingNetClicked(const model::TNetRec* net);
    void DrawingPartClicked(const model::TPartRec* part);
    // The search commands of the active page.
    void FindMnuClick();
    void FindNextMnuClick();
    void FindBeforeMnuClick();
    // The file association commands on the key store of the platform.
    void RegistrationMnuClick();
    void RegistDelMnuClick();
    // Opens the table's file in the editor of the options; the window stays disabled until
    // the editor has ended and the table is reloaded.
    void EditorMnuClick(app::EditedTable table);
    // The export menu: a file for another tool, through the same writers and safe save.
    enum class ExportKind { GroupedPartsList, JsonResult, KicadNetlist };
    void ExportClick(ExportKind kind);
    // The same when the editor setting names no program here: the desktop's text editor.
    void EditInDesktopEditor(app::EditedTable table, const std::filesystem::path& file);

    DialogService& Dialogs() { return dialogs_; }
    QtUserInterface& Ui() { return ui_; }
    // The name the open dialog holds: the drawing last opened or named on the command line.
    const std::optional<std::filesystem::path>& OpenFileName() const { return openFileName_; }
    // The views of the name conversion page as the lists work on them.
    tables::NameCvtViews CvtViews();
    // The option page's group list shows State.Options.NameGroup again.
    void ShowNameGroups();
    // F1 in `window` (the main window or one of its dialogs) opens the help topic of the
    // focused element.
    void AddHelpKey(QWidget& window);
    void ShowHelp(const QObject* focused);
    // Typed text as CP932; characters CP932 lacks become "?" with a warning.
    std::string Typed(const QString& text);
    // Reads the window's geometry, pages, column widths and splitter into State.Layout.
    void ReadLayout();

  signals:
    // Double-click or Enter on a row of PartsViewA: the part edit dialog's command.
    void PartsViewADblClick(int row);
    // Double-click on a row of PartsViewB: the footprint edit dialog's command.
    void PartsViewBDblClick(int row);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class LoadHost;

    void BuildPages();
    QWidget* BuildPartsPage();
    QWidget* BuildNetPage();
    QWidget* BuildNameCvtPage();
    struct TablePageControls {
        QPushButton** Add;
        QPushButton** Replace;
        QPushButton** Delete;
        std::vector<QLineEdit**> Edits;
        ListWidget** View;
    };
    QWidget* BuildTablePage(TablePageControls controls, std::initializer_list<const char*> labels);
    QWidget* BuildMakerPage();
    QWidget* BuildFootPage();
    QWidget* BuildPinPage();
    QWidget* BuildOptionPage();
    QWidget* BuildDrawingPage();
    // The drawings of the state on the drawing page, after every load.
    void ShowDrawings();
    // The net chosen in the net view or the shorts view, the part chosen in parts view A or
    // B; null for none.
    const model::TNetRec* SelectedNet(bool inShorts) const;
    const model::TPartRec* SelectedPart(bool detailView) const;
    void BuildMenus();
    void BuildStatusBar();
    void SetHelpContexts();
    void SetColumns();
    void ConnectOptions();

    void ApplyOptions();
    void ApplyLayout();
    void ApplyCvtSplitter();
    void ShowTitles();
    void ShowShortsPanel();
    void ReadDrawing(const std::filesystem::path& file, const std::string& shownName);
    void SaveSettings();
    bool FormCloseQuery();
    void FormClose();
    void PageChanged(int index);
    std::optional<tables::NameList> CvtListOf(const QObject* widget) const;
    tables::TMakerLists::Boxes MakerBoxes();
    tables::TFootList::Boxes FootBoxes();
    enum class FindStep { First, Next, Before };
    // Searches the view of the active page with its search text.
    void RunFind(FindStep step);
    // The search text of the active page; null on a page without one.
    std::string* SearchTextOfPage();

    DialogService& dialogs_;
    QtUserInterface ui_;

  public:
    app::MainWindowState State;
    // The output names the save dialog remembers while the program runs.
    app::OutputFileNames RememberedNames;

    // Controls. The tables' controls keep the names the program's documents give them.
    QTabWidget* Pages = nullptr;
    // The parts page's two views (printed layout, detail data) and the buttons choosing one.
    QStackedWidget* PartsListViews = nullptr;
    QButtonGroup* PartsListViewButtons = nullptr;
    ListWidget* PartsViewA = nullptr;
    ListWidget* PartsViewB = nullptr;
    ListWidget* NetView = nullptr;
    ListWidget* ErrorNetView = nullptr;
    DrawingPage* DrawingView = nullptr;
    QWidget* ErrorNetDisp = nullptr;
    CvtViewWidget* EachCvtView = nullptr;
    CvtViewWidget* NameCvtView = nullptr;
    QSplitter* CvtSplitter = nullptr;
    QWidget* LocalCvtPanel = nullptr;
    ListWidget* MakerView = nullptr;
    ListWidget* FootView = nullptr;
    QTreeView* PinCvtView = nullptr;
    QLineEdit* MakerPnameEdit = nullptr;
    QLineEdit* MakerNameEdit = nullptr;
    QPushButton* MakerAddBtn = nullptr;
    QPushButton* MakerReplaceBtn = nullptr;
    QPushButton* MakerDeleteBtn = nullptr;
    QLineEdit* FootPnameEdit = nullptr;
    QLineEdit* FootNameEdit = nullptr;
    QLineEdit* FootSilkEdit = nullptr;
    QPushButton* FootAddBtn = nullptr;
    QPushButton* FootReplaceBtn = nullptr;
    QPushButton* FootDeleteBtn = nullptr;
    QLineEdit* Designer = nullptr;
    QLineEdit* DesignDate = nullptr;
    QLineEdit* Project = nullptr;
    QLineEdit* DesignName = nullptr;
    QLineEdit* DesignNumber = nullptr;
    QLineEdit* ListNumber = nullptr;
    QLabel* ProgressLabel = nullptr;
    QLabel* WireCountLabel = nullptr;
    QLineEdit* CvtDir = nullptr;
    QLineEdit* TitleName = nullptr;
    QLineEdit* PartsListPreFix = nullptr;
    QLineEdit* PwParts = nullptr;
    QListWidget* NameGroup = nullptr;
    QLineEdit* Editors = nullptr;
    QButtonGroup* CR_SilkType = nullptr;
    QButtonGroup* NetNameType = nullptr;
    QButtonGroup* PListType = nullptr;
    QLineEdit* NetSeparator = nullptr;
    QCheckBox* PinCvtEnv = nullptr;
    std::array<QLabel*, view::kStatusPanels> StatusPanels{};
    QMenu* NameCvtPopup = nullptr;
    QAction* OpenBtn = nullptr;
    QAction* SaveMnu = nullptr;
    QAction* ExportBomMnu = nullptr;
    QAction* ExportJsonMnu = nullptr;
    QAction* ExportKicadMnu = nullptr;
    QAction* CloseBtn = nullptr;
    QAction* FindMnu = nullptr;
    QAction* FindNextMnu = nullptr;
    QAction* FindBeforeMnu = nullptr;
    QAction* ShowOnDrawingMnu = nullptr;
    QAction* EachCvtEditMnu = nullptr;
    QAction* CommonCvtEditMnu = nullptr;
    QAction* MakerListEditMnu = nullptr;
    QAction* FootPrintEditMnu = nullptr;
    QAction* PinCvtEditMnu = nullptr;
    QAction* RegistrationMnu = nullptr;
    QAction* RegistDelMnu = nullptr;
    QAction* ManualMnu = nullptr;
    QAction* AboutMnu = nullptr;
    QAction* NameCvtEditMnu = nullptr;
    QAction* NameCvtInsertMnu = nullptr;
    QAction* NameCvtDelMnu = nullptr;
    QTimer* FirstLoadTimer = nullptr;

  private:
    std::unique_ptr<QtListView> partsViewA_;
    std::unique_ptr<QtListView> partsViewB_;
    std::unique_ptr<QtListView> netView_;
    std::unique_ptr<QtListView> errorNetView_;
    std::unique_ptr<QtListView> eachCvtView_;
    std::unique_ptr<QtListView> nameCvtView_;
    std::unique_ptr<QtListView> makerView_;
    std::unique_ptr<QtListView> footView_;
    std::unique_ptr<QtTreeView> pinCvtView_;
    std::vector<std::string> drawings_;
    std::filesystem::path startDir_;
    std::optional<std::filesystem::path> openFileName_;
    std::optional<int> cvtSplitterWanted_;
    // One search text per searchable page (parts, nets, names, makers, footprints, pins).
    std::array<std::string, 6> searchTexts_;
    // Waits for the external editor; joined before the window goes.
    std::thread editorWait_;
    // From the start of an external edit until its table is reloaded.
    bool tableEditRunning_ = false;
    int currentPage_ = 0;
    bool shownOnce_ = false;
    // A list row chosen from the drawing: the drawing's view then stays where it is.
    bool choosingFromDrawing_ = false;
    bool closed_ = false;
};

// The five 15 x 15 state pictures of PartsViewB: check off, check on, check dot, orange
// dot, red dot.
std::vector<QIcon> StateImages();

// The window's full caption: the program title and the version.
QString MainCaption();

}  // namespace ui
