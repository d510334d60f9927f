// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornExtra01.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ProgramVersion.h"
#include "partslist/PartsViews.h"
#include "platform/ProgramHome.h"
#include "tables/TableFile.h"
#include "text/Cp932.h"
#include "ui/CvtViewWidget.h"
#include "ui/Dialogs.h"
#include "ui/DrawingPage.h"
#include "ui/Help.h"
#include "ui/HelpContexts.h"
#include "ui/OpenConfirm.h"
#include "ui/PageWidgets.h"
#include "ui/SaveDlg.h"
#include "ui/VornCvtEdit.h"
#include "ui/VornFootEdit.h"
#include "ui/VornPartsEdit.h"

namespace ui {

namespace fs = std::filesystem;

QString MainCaption() {
    return Qs(tables::ProgramTitle()) + U("  ") + U(app::kProgramVersion);
}

// What the load flows ask of the window.
class TVornExtracts::LoadHost : public app::LoadHost {
  public:
    explicit LoadHost(TVornExtracts& window) : w_(window) {}

    std::optional<app::OpenStyle> ConfirmOpen() override {
        TOpenConfirmForm form(w_);
        w_.dialogs_.Exec(form);
        if (!form.Confirmed()) {
            return std::nullopt;
        }
        return form.ReadStyleIndex() == 1 ? app::OpenStyle::Add : app::OpenStyle::Replace;
    }

    std::optional<fs::path> ChooseDrawing(const std::string& filter, const std::string& folder,
                                          const std::string& proposed) override {
        std::optional<QString> file =
            w_.dialogs_.OpenFile(&w_, QString::fromStdString(folder),
                                 QString::fromStdString(filter), QString::fromStdString(proposed));
        if (!file) {
            return std::nullopt;
        }
        return fs::path(file->toStdString());
    }

    void SaveSettings() override { w_.SaveSettings(); }

    void ReadDrawing(const fs::path& file, const std::string& shownName) override {
        w_.ReadDrawing(file, shownName);
    }

  private:
    TVornExtracts& w_;
};

// Window creation: the controls first, then the settings, the lists and the tables in
// their order.
TVornExtracts::TVornExtracts(DialogService& dialogs, std::vector<std::string> drawings,
                             QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      ui_(dialogs, *this),
      State(ui_),
      drawings_(std::move(drawings)) {
    startDir_ = app::MainWindowState::WorkingFolder();
    BuildPages();
    BuildMenus();
    BuildStatusBar();
    SetHelpContexts();
    ui_.Attach({ProgressLabel, WireCountLabel, StatusPanels, SaveMnu});
    State.PartsViewA = partsViewA_.get();
    State.PartsViewB = partsViewB_.get();
    State.NetView = netView_.get();
    State.ErrorNetView = errorNetView_.get();
    SetColumns();

    setWindowTitle(MainCaption());
    State.LoadSettings();
    ApplyOptions();
    ApplyLayout();
    State.Tables.Views = {eachCvtView_.get(), nameCvtView_.get(), makerView_.get(), footView_.get(),
                          pinCvtView_.get()};
    State.CreateTables();
    ShowNameGroups();
    State.NotSaved = false;
    ui_.EnableSaveMenu(false);
    State.ShortHeaderShown = false;
    State.NetList.NetCounter = -1;
    ConnectOptions();

    FirstLoadTimer = new QTimer(this);
    FirstLoadTimer->setSingleShot(true);
    FirstLoadTimer->setInterval(100);
    connect(FirstLoadTimer, &QTimer::timeout, this, &TVornExtracts::FormShow);
    connect(this, &TVornExtracts::PartsViewADblClick, this,
            [this](int row) { EditPart(*this, row); });
    connect(this, &TVornExtracts::PartsViewBDblClick, this,
            [this](int row) { EditFootPrint(*this, row); });
}

// The controls die after the state they show: none of them may call back into it on the
// way out.
TVornExtracts::~TVornExtracts() {
    if (editorWait_.joinable()) {
        editorWait_.join();
    }
    for (QObject* child : findChildren<QObject*>()) {
        child->blockSignals(true);
    }
}

void TVornExtracts::BuildPages() {
    Pages = new QTabWidget(this);
    setCentralWidget(Pages);
    Pages->addTab(BuildPartsPage(), U("部品リスト(&B)"));
    Pages->addTab(BuildNetPage(), U("ネットリスト(&N)"));
    Pages->addTab(BuildNameCvtPage(), U("部品名変換リスト(&T)"));
    Pages->addTab(new QWidget, QString());
    Pages->setTabVisible(WireListTab, false);
    Pages->addTab(BuildMakerPage(), U("メーカー名リスト(&M)"));
    Pages->addTab(BuildFootPage(), U("フットプリント(&F)"));
    Pages->addTab(BuildPinPage(), U("ピン変換リスト(&P)"));
    Pages->addTab(BuildOptionPage(), U("オプション(&O)"));
    Pages->addTab(new QWidget, QString());
    // Hidden before the stored page is applied, so a stored index of it shows the first page.
    Pages->setTabVisible(MemoTabSheet, false);
    Pages->addTab(BuildDrawingPage(), U("図面(&Z)"));
    connect(Pages, &QTabWidget::currentChanged, this, &TVornExtracts::PageChanged);
    Pages->tabBar()->installEventFilter(this);
}

void TVornExtracts::BuildMenus() {
    auto add = [](QMenu* menu, const char* caption, QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(U(caption));
        action->setShortcut(shortcut);
        return action;
    };
    QMenu* file = menuBar()->addMenu(U("ファイル(&F)"));
    OpenBtn = add(file, "開く(&R)", QKeySequence(Qt::CTRL | Qt::Key_R));
    SaveMnu = add(file, "データ保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* exportMenu = file->addMenu(U("エクスポート(&X)"));
    ExportBomMnu = add(exportMenu, "部品表 (部品ごとにまとめた CSV)(&B)...");
    ExportJsonMnu = add(exportMenu, "集計結果 (JSON)(&J)...");
    ExportKicadMnu = add(exportMenu, "KiCad ネットリスト(&K)...");
    for (auto [item, kind] : {std::pair{ExportBomMnu, ExportKind::GroupedPartsList},
                              std::pair{ExportJsonMnu, ExportKind::JsonResult},
                              std::pair{ExportKicadMnu, ExportKind::KicadNetlist}}) {
        connect(item, &QAction::triggered, this, [this, kind = kind] { ExportClick(kind); });
    }
    CloseBtn = add(file, "終了(&Q)", QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* find = menuBar()->addMenu(U("検索(&S)"));
    FindMnu = add(find, "検索(&F)", QKeySequence(Qt::CTRL | Qt::Key_F));
    FindNextMnu = add(find, "次を検索(&S)", QKeySequence(Qt::Key_F3));
    FindBeforeMnu = add(find, "前を検索(&R)", QKeySequence(Qt::SHIFT | Qt::Key_F3));
    find->addSeparator();
    ShowOnDrawingMnu = add(find, "図面で表示(&D)", QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(ShowOnDrawingMnu, &QAction::triggered, this, &TVornExtracts::ShowOnDrawingMnuClick);
    QMenu* edit = menuBar()->addMenu(U("編集(&E)"));
    EachCvtEditMnu = add(edit, "個別　変換リストの編集(&A)");
    CommonCvtEditMnu = add(edit, "共通　変換リストの編集(&V)");
    MakerListEditMnu = add(edit, "メーカー名リストの編集(&M)");
    FootPrintEditMnu = add(edit, "フットプリントリストの編集(&F)");
    PinCvtEditMnu = add(edit, "ピン変換リストの編集(&P)");
    QMenu* tools = menuBar()->addMenu(U("ツール(&T)"));
    RegistrationMnu = add(tools, "関連付けの登録(&R)");
    RegistDelMnu = add(tools, "関連付けの解除(&X)");
    QMenu* help = menuBar()->addMenu(U("ヘルプ(&H)"));
    ManualMnu = add(help, "マニュアル(&M)");
    AboutMnu = add(help, "バージョン情報(&A)");
    connect(ManualMnu, &QAction::triggered, this, [this] { ShowHelp(this); });
    connect(AboutMnu, &QAction::triggered, this,
            [this] { dialogs_.Message(this, windowTitle(), AboutText()); });
    connect(OpenBtn, &QAction::triggered, this, &TVornExtracts::OpenBtnClick);
    connect(SaveMnu, &QAction::triggered, this, &TVornExtracts::SaveDlgClick);
    connect(FindMnu, &QAction::triggered, this, &TVornExtracts::FindMnuClick);
    connect(FindNextMnu, &QAction::triggered, this, &TVornExtracts::FindNextMnuClick);
    connect(FindBeforeMnu, &QAction::triggered, this, &TVornExtracts::FindBeforeMnuClick);
    connect(RegistrationMnu, &QAction::triggered, this, &TVornExtracts::RegistrationMnuClick);
    connect(RegistDelMnu, &QAction::triggered, this, &TVornExtracts::RegistDelMnuClick);
    for (auto [item, table] : {std::pair{EachCvtEditMnu, app::EditedTable::EachNames},
                               std::pair{CommonCvtEditMnu, app::EditedTable::CommonNames},
                               std::pair{MakerListEditMnu, app::EditedTable::Makers},
                               std::pair{FootPrintEditMnu, app::EditedTable::Footprints},
                               std::pair{PinCvtEditMnu, app::EditedTable::PinCvt}}) {
        connect(item, &QAction::triggered, this, [this, table = table] { EditorMnuClick(table); });
    }
    connect(CloseBtn, &QAction::triggered, this, &TVornExtracts::CloseBtnClick);
    for (auto [object, context] :
         std::initializer_list<std::pair<QObject*, int>>{{file, kHelpContents},
                                                         {OpenBtn, kHelpOpen},
                                                         {SaveMnu, kHelpSave},
                                                         {find, kHelpSearch},
                                                         {tools, kHelpContents},
                                                         {RegistrationMnu, kHelpRegister},
                                                         {RegistDelMnu, kHelpUnregister}}) {
        SetHelpContext(object, context);
    }
    for (QMenu* menu : {file, find, edit, tools, help}) {
        menu->installEventFilter(this);
    }
}

// F1 opens the topic of the focused element: in an open menu, of its highlighted item.
void TVornExtracts::AddHelpKey(QWidget& window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, [this, &window] {
        QWidget* focused = window.focusWidget();
        ShowHelp(focused ? focused : &window);
    });
}

void TVornExtracts::ShowHelp(const QObject* focused) {
    const QUrl url = ManualUrl(HelpContextOf(focused));
    if (url.isEmpty()) {
        dialogs_.Message(this, windowTitle(), U("マニュアルが見つかりません。"));
        return;
    }
    dialogs_.OpenUrl(url);
}

void TVornExtracts::SetHelpContexts() {
    SetHelpContext(this, kHelpContents);
    SetHelpContext(Pages, kHelpPages);
    for (auto [page, context] :
         std::initializer_list<std::pair<int, int>>{{PartsListTab, kHelpPartsPage},
                                                    {NetListTab, kHelpNetPage},
                                                    {NameCvtTab, kHelpNameCvtPage},
                                                    {MakerListTab, kHelpMakerPage},
                                                    {FootPrintTab, kHelpFootPage},
                                                    {PinCvtTab, kHelpPinCvtPage},
                                                    {OptionPage, kHelpOptionPage},
                                                    {DrawingTab, kHelpDrawingPage}}) {
        SetHelpContext(Pages->widget(page), context);
    }
    SetHelpContext(PartsViewB, kHelpPartsDetail);
    AddHelpKey(*this);
}

void TVornExtracts::BuildStatusBar() {
    const int widths[] = {80, 80, 250, 50};
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        auto* panel = new QLabel;
        panel->setMinimumWidth(widths[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        StatusPanels[i] = panel;
        statusBar()->addWidget(panel, i + 1 == StatusPanels.size() ? 1 : 0);
    }
}

void TVornExtracts::SetColumns() {
    settings::TWindowLayout& layout = State.Layout;
    partsViewA_->SetColumns(Columns(partslist::PartsViewAColumns(), layout.PartsViewA.data()));
    partsViewB_->SetColumns(Columns(partslist::PartsViewBColumns(), layout.PartsViewB.data()));
    std::vector<view::ListView::Column> net{{"No", 40}, {"Net", 80}};
    for (int pin = 1; pin <= 5; ++pin) {
        net.push_back({"Pin-" + std::to_string(pin), 80});
    }
    netView_->SetColumns(net);
    errorNetView_->SetColumns({{"Net1", 80}, {"Net2", 80}});
    const auto& each = layout.EachCvtView;
    const auto& common = layout.NameCvtView;
    eachCvtView_->SetColumns(tables::NameCvtColumns(each[0], each[1], each[2]));
    nameCvtView_->SetColumns(tables::NameCvtColumns(common[0], common[1], common[2]));
    makerView_->SetColumns(tables::MakerColumns(layout.MakerView[0], layout.MakerView[1]));
    footView_->SetColumns(
        tables::FootColumns(layout.FootView[0], layout.FootView[1], layout.FootView[2]));
}

// A stored page that cannot be shown (out of range or one of the hidden pages) shows
// the first page instead, on either page control.
void TVornExtracts::ApplyLayout() {
    const settings::TWindowLayout& layout = State.Layout;
    move(layout.Left, layout.Top);
    int width = layout.Width;
    // The first start's size fits every page's tab, whatever the fonts make of them.
    if (width == settings::TWindowLayout().Width) {
        const int frame = std::max(0, this->width() - Pages->width());
        width = std::max(width, Pages->tabBar()->sizeHint().width() + frame + 8);
    }
    resize(width, layout.Height);
    int page = layout.ActivePage;
    if (page < 0 || page >= Pages->count() || !Pages->isTabVisible(page)) {
        page = PartsListTab;
    }
    Pages->setCurrentIndex(page);
    bool partsPageKnown = layout.PartsPage >= 0 && layout.PartsPage < PartsListViews->count();
    PartsListViews->setCurrentIndex(partsPageKnown ? layout.PartsPage : 0);
    ApplyWidths(*partsViewA_, layout.PartsViewA);
    ApplyWidths(*partsViewB_, layout.PartsViewB);
    ApplyWidths(*makerView_, layout.MakerView);
    ApplyWidths(*footView_, layout.FootView);
    ApplyWidths(*eachCvtView_, layout.EachCvtView);
    ApplyWidths(*nameCvtView_, layout.NameCvtView);
    cvtSplitterWanted_ = layout.CvtSplitter;
    ApplyCvtSplitter();
}

void TVornExtracts::ReadLayout() {
    settings::TWindowLayout& layout = State.Layout;
    layout.Left = pos().x();
    layout.Top = pos().y();
    layout.Width = width();
    layout.Height = height();
    layout.ActivePage = Pages->currentIndex();
    layout.PartsPage = PartsListViews->currentIndex();
    ReadWidths(*partsViewA_, layout.PartsViewA);
    ReadWidths(*partsViewB_, layout.PartsViewB);
    ReadWidths(*makerView_, layout.MakerView);
    ReadWidths(*footView_, layout.FootView);
    ReadWidths(*eachCvtView_, layout.EachCvtView);
    ReadWidths(*nameCvtView_, layout.NameCvtView);
    if (cvtSplitterWanted_) {
        layout.CvtSplitter = *cvtSplitterWanted_;
    } else if (QList<int> sizes = CvtSplitter->sizes(); !sizes.isEmpty()) {
        layout.CvtSplitter = sizes.front();
    }
}

// A read loads the folder's settings on the way: the window shows them afterwards, and a
// changed PinCvtEnv redraws the net view as a click on it would.
void TVornExtracts::ReadDrawing(const fs::path& file, const std::string& shownName) {
    ReadLayout();
    bool pinCvtEnv = State.Options.PinCvtEnv;
    State.ReadDrawing(file.string(), shownName);
    ApplyOptions();
    ApplyLayout();
    ShowTitles();
    if (State.Options.PinCvtEnv != pinCvtEnv) {
        State.ShowNets();
        ShowShortsPanel();
    }
}

void TVornExtracts::SaveSettings() {
    ReadLayout();
    State.SaveSettings();
}

void TVornExtracts::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FirstLoadTimer->start();
    }
}

void TVornExtracts::FormShow() {
    FirstLoadTimer->stop();
    LoadHost host(*this);
    if (std::optional<fs::path> last = app::FirstLoad(State, host, drawings_, startDir_)) {
        openFileName_ = last;
    }
    drawings_.clear();
    ShowShortsPanel();
    ShowNameGroups();
    ShowDrawings();
}

void TVornExtracts::OpenBtnClick() {
    DrawingView->Release();  // a replacing load frees the drawings it shows
    LoadHost host(*this);
    std::optional<fs::path> file = app::OpenCommand(State, host);
    if (file) {
        openFileName_ = file;
    }
    ShowShortsPanel();
    ShowNameGroups();
    ShowDrawings();
}

void TVornExtracts::SaveDlgClick() {
    if (State.PartsList.Count() == 0) {
        return;
    }
    TSaveDlgForm form(*this);
    dialogs_.Exec(form);
}

void TVornExtracts::CloseBtnClick() {
    close();
}

void TVornExtracts::PageChanged(int index) {
    if (currentPage_ == NameCvtTab && index != NameCvtTab) {
        NameCvtTabExit();
    }
    currentPage_ = index;
}

std::string TVornExtracts::Typed(const QString& text) {
    bool lossy = false;
    std::string bytes = Cp(text, &lossy);
    if (lossy) {
        ui_.ShowWarning(LossyTextWarning());
    }
    return bytes;
}

// Enter in PartsViewA, NetView or ErrorNetView edits the part selected in PartsViewA.
bool TVornExtracts::eventFilter(QObject* watched, QEvent* event) {
    if (auto* menu = qobject_cast<QMenu*>(watched);
        menu && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        QAction* item = menu->activeAction();
        bool own = item && item->property("helpContext").isValid();
        ShowHelp(own ? static_cast<QObject*>(item) : menu);
        return true;
    }
    // Alt with a letter that a menu and a tab share opens the menu, as on the platform the
    // drawings come from; Qt would otherwise take turns between the two.
    if (watched == Pages->tabBar() && event->type() == QEvent::Shortcut) {
        const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
        for (QAction* menu : menuBar()->actions()) {
            if (menu->isVisible() && QKeySequence::mnemonic(menu->text()) == key) {
                menuBar()->setActiveAction(menu);
                return true;
            }
        }
    }
    if (watched == CvtSplitter && event->type() == QEvent::Resize) {
        ApplyCvtSplitter();
        return false;
    }
    if (event->type() == QEvent::KeyPress &&
        (watched == PartsViewA || watched == NetView || watched == ErrorNetView)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            int row = partsViewA_->Selected();
            if (row >= 0) {
                emit PartsViewADblClick(row);
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TVornExtracts::FormCloseQuery() {
    // Closing now would drop the reload of the table being edited and leave the program
    // waiting for the editor after its window is gone.
    if (tableEditRunning_) {
        ui_.ShowMessage(
            text::Sj("外部エディタで編集中です。\nエディタを閉じてから終了してください。"));
        return false;
    }
    NameCvtTabExit();
    if (!State.NotSaved) {
        return true;
    }
    return ui_.AskYesNo(tables::ProgramTitle(),
                        text::Sj("編集中のデータが有ります。\n    破棄しますか？"));
}

void TVornExtracts::FormClose() {
    SaveSettings();
}

void TVornExtracts::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    closed_ = true;
    event->accept();
}

}  // namespace ui
