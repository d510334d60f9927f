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
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ProgramVersion.h"
#include "partslist/PartsViews.h"
#include "platform/ProgramHome.h"
#include "tables/TableFile.h"
#include "text/Cp932.h"
#include "ui/CvtViewWidget.h"
#include "ui/Dialogs.h"
#include "ui/OpenConfirm.h"
#include "ui/SaveDlg.h"
#include "ui/VornCvtEdit.h"
#include "ui/VornFootEdit.h"
#include "ui/VornPartsEdit.h"

namespace ui {

namespace fs = std::filesystem;

namespace {

std::vector<view::ListView::Column> Columns(const std::vector<std::string>& captions,
                                            const int* widths) {
    std::vector<view::ListView::Column> columns;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        columns.push_back({captions[i], widths[i]});
    }
    return columns;
}

template <std::size_t N>
void ApplyWidths(view::ListView& view, const std::array<int, N>& widths) {
    for (std::size_t i = 0; i < N; ++i) {
        view.SetColumnWidth(static_cast<int>(i), widths[i]);
    }
}

template <std::size_t N>
void ReadWidths(const view::ListView& view, std::array<int, N>& widths) {
    for (std::size_t i = 0; i < N; ++i) {
        widths[i] = view.ColumnWidth(static_cast<int>(i));
    }
}

QPixmap Blank() {
    QPixmap pixmap(15, 15);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon CheckBoxPicture(bool on) {
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 1, 12, 12);
    if (on) {
        painter.setPen(QPen(QColor(0, 110, 0), 2));
        painter.drawPolyline(QPolygon({QPoint(3, 7), QPoint(6, 10), QPoint(11, 3)}));
    }
    return QIcon(pixmap);
}

QIcon DotPicture(const QColor& color, int diameter) {
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color.darker(140), 1));
    painter.setBrush(color);
    int offset = (15 - diameter) / 2;
    painter.drawEllipse(offset, offset, diameter, diameter);
    return QIcon(pixmap);
}

QTreeWidget* NewListWidget(QWidget* parent) {
    auto* widget = new QTreeWidget(parent);
    return widget;
}

QLineEdit* LabelledEdit(QGridLayout* grid, int row, int column, const char* label) {
    auto* edit = new QLineEdit;
    grid->addWidget(new QLabel(U(label)), row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

QButtonGroup* RadioGroup(QVBoxLayout* column, const char* caption,
                         std::initializer_list<const char*> items) {
    auto* box = new QGroupBox(U(caption));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    int id = 0;
    for (const char* item : items) {
        auto* button = new QRadioButton(U(item));
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    column->addWidget(box);
    return group;
}

void CheckRadio(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

}  // namespace

std::vector<QIcon> StateImages() {
    return {CheckBoxPicture(false), CheckBoxPicture(true), DotPicture(QColor(40, 40, 40), 5),
            DotPicture(QColor(255, 140, 0), 9), DotPicture(QColor(220, 0, 0), 9)};
}

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
    std::error_code error;
    startDir_ = fs::current_path(error);
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
    helpFile_ = platform::ProgramPath().parent_path() / "VORNEXTR.hlp";
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

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TVornExtracts::FormShow);
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
    PageControl1 = new QTabWidget(this);
    setCentralWidget(PageControl1);
    PageControl1->addTab(BuildPartsPage(), U("部品リスト(&B)"));
    PageControl1->addTab(BuildNetPage(), U("ネットリスト(&N)"));
    PageControl1->addTab(BuildNameCvtPage(), U("部品名変換リスト(&T)"));
    PageControl1->addTab(new QWidget, QString());
    PageControl1->setTabVisible(WireListTab, false);
    PageControl1->addTab(BuildMakerPage(), U("メーカー名リスト(&M)"));
    PageControl1->addTab(BuildFootPage(), U("フットプリント(&F)"));
    PinCvtView = new QTreeWidget;
    PinCvtView->setHeaderHidden(true);
    PinCvtView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pinCvtView_ = std::make_unique<QtTreeView>(*PinCvtView);
    PageControl1->addTab(PinCvtView, U("ピン変換リスト(&P)"));
    PageControl1->addTab(BuildOptionPage(), U("オプション(&O)"));
    PageControl1->addTab(new QWidget, QString());
    // Hidden before the stored page is applied, so a stored index of it shows the first page.
    PageControl1->setTabVisible(MemoTabSheet, false);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TVornExtracts::PageChanged);
}

QWidget* TVornExtracts::BuildPartsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* buttons = new QHBoxLayout;
    PageControl2Buttons = new QButtonGroup(page);
    PageControl2 = new QStackedWidget;
    int index = 0;
    for (const char* caption : {"部品表形式(&A)", "詳細データ(&D)"}) {
        auto* button = new QPushButton(U(caption));
        button->setCheckable(true);
        PageControl2Buttons->addButton(button, index++);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    connect(PageControl2Buttons, &QButtonGroup::idClicked, PageControl2,
            &QStackedWidget::setCurrentIndex);
    connect(PageControl2, &QStackedWidget::currentChanged, this, [this](int page) {
        if (QAbstractButton* button = PageControl2Buttons->button(page)) {
            button->setChecked(true);
        }
    });
    PartsViewA = NewListWidget(page);
    PartsViewB = NewListWidget(page);
    partsViewA_ = std::make_unique<QtListView>(*PartsViewA);
    partsViewB_ = std::make_unique<QtListView>(*PartsViewB, StateImages());
    PageControl2->addWidget(PartsViewA);
    PageControl2->addWidget(PartsViewB);
    PageControl2Buttons->button(0)->setChecked(true);
    connect(PartsViewA, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit PartsViewADblClick(partsViewA_->RowOf(item)); });
    connect(PartsViewB, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit PartsViewBDblClick(partsViewB_->RowOf(item)); });
    layout->addLayout(buttons);
    layout->addWidget(PageControl2, 1);

    auto* strip = new QGridLayout;
    Designer = LabelledEdit(strip, 0, 0, "設計者");
    DesignDate = LabelledEdit(strip, 0, 2, "設計日");
    Project = LabelledEdit(strip, 0, 4, "形式");
    DesignName = LabelledEdit(strip, 1, 0, "図名");
    DesignNumber = LabelledEdit(strip, 1, 2, "接続図図番");
    ListNumber = LabelledEdit(strip, 1, 4, "部品表図番");
    ProgressLabel = new QLabel;
    WireCountLabel = new QLabel;
    ProgressLabel->setMinimumWidth(120);
    strip->addWidget(ProgressLabel, 0, 6);
    strip->addWidget(WireCountLabel, 1, 6);
    layout->addLayout(strip);
    return page;
}

QWidget* TVornExtracts::BuildNetPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    ErrorNetDisp = new QWidget;
    auto* errorLayout = new QVBoxLayout(ErrorNetDisp);
    errorLayout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(U("ショートしているネット"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setStyleSheet("color: red;");
    ErrorNetView = NewListWidget(ErrorNetDisp);
    errorLayout->addWidget(heading);
    errorLayout->addWidget(ErrorNetView);
    ErrorNetDisp->setFixedWidth(260);
    ErrorNetDisp->hide();
    NetView = NewListWidget(page);
    netView_ = std::make_unique<QtListView>(*NetView);
    errorNetView_ = std::make_unique<QtListView>(*ErrorNetView);
    ErrorNetView->header()->setStretchLastSection(true);
    layout->addWidget(ErrorNetDisp);
    layout->addWidget(NetView, 1);
    for (QTreeWidget* view : {PartsViewA, NetView, ErrorNetView}) {
        view->installEventFilter(this);
    }
    return page;
}

QWidget* TVornExtracts::BuildNameCvtPage() {
    CvtSplitter = new QSplitter(Qt::Horizontal);
    auto pane = [](const char* heading, CvtViewWidget*& view) {
        auto* panel = new QWidget;
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(new QLabel(U(heading)));
        view = new CvtViewWidget(panel);
        view->setDragEnabled(true);
        view->setAcceptDrops(true);
        view->setDragDropMode(QAbstractItemView::DragDrop);
        view->setDefaultDropAction(Qt::CopyAction);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        layout->addWidget(view);
        return panel;
    };
    LocalCvtPanel = pane("各図個別　変換リスト", EachCvtView);
    CvtSplitter->addWidget(LocalCvtPanel);
    CvtSplitter->addWidget(pane("共通　変換リスト", NameCvtView));
    CvtSplitter->setChildrenCollapsible(false);
    CvtSplitter->setStretchFactor(0, 0);
    CvtSplitter->setStretchFactor(1, 1);
    CvtSplitter->installEventFilter(this);
    connect(CvtSplitter, &QSplitter::splitterMoved, this, [this] { cvtSplitterWanted_.reset(); });
    eachCvtView_ = std::make_unique<QtListView>(*EachCvtView);
    nameCvtView_ = std::make_unique<QtListView>(*NameCvtView);

    NameCvtPopup = new QMenu(this);
    NameCvtEditMnu = NameCvtPopup->addAction(U("修正(&E)"));
    NameCvtInsertMnu = NameCvtPopup->addAction(U("追加(&A)"));
    NameCvtDelMnu = NameCvtPopup->addAction(U("削除(&X)"));
    connect(NameCvtEditMnu, &QAction::triggered, this, [this] { NameCvtEditMnuClick(false); });
    connect(NameCvtInsertMnu, &QAction::triggered, this, [this] { NameCvtEditMnuClick(true); });
    connect(NameCvtDelMnu, &QAction::triggered, this, &TVornExtracts::NameCvtDelMnuClick);
    for (CvtViewWidget* view : {EachCvtView, NameCvtView}) {
        view->OnMouseDown = [this, view](int row) { NameCvtViewMouseDown(view, row); };
        view->OnDragOver = [this, view](QObject* source, int row) {
            return NameCvtViewDragOver(source, view, row);
        };
        view->OnDrop = [this, view](QObject* source, int row) {
            NameCvtViewDragDrop(qobject_cast<QTreeWidget*>(source), view, row);
        };
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& pos) {
            NameCvtPopup->popup(view->viewport()->mapToGlobal(pos));
        });
        connect(view, &QTreeWidget::itemDoubleClicked, this,
                [this] { NameCvtEditMnuClick(false); });
    }
    return CvtSplitter;
}

// A table page: the three buttons and the labelled edit boxes on the left, the view on
// the right.
QWidget* TVornExtracts::BuildTablePage(TablePageControls controls,
                                       std::initializer_list<const char*> labels) {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    std::array<QPushButton**, 3> buttons{controls.Add, controls.Replace, controls.Delete};
    std::array<const char*, 3> captions{"追加(&V)", "更新(&W)", "削除(&X)"};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        *buttons[i] = new QPushButton(U(captions[i]));
        left->addWidget(*buttons[i]);
    }
    std::size_t edit = 0;
    for (const char* label : labels) {
        QLineEdit*& box = *controls.Edits[edit++];
        box = new QLineEdit;
        left->addWidget(new QLabel(U(label)));
        left->addWidget(box);
    }
    left->addStretch();
    *controls.View = NewListWidget(page);
    layout->addLayout(left);
    layout->addWidget(*controls.View, 1);
    return page;
}

QWidget* TVornExtracts::BuildMakerPage() {
    QWidget* page = BuildTablePage({&MakerAddBtn,
                                    &MakerReplaceBtn,
                                    &MakerDeleteBtn,
                                    {&MakerPnameEdit, &MakerNameEdit},
                                    &MakerView},
                                   {"部品名", "メーカー名"});
    makerView_ = std::make_unique<QtListView>(*MakerView);
    connect(MakerAddBtn, &QPushButton::clicked, this, &TVornExtracts::MakerAddBtnClick);
    connect(MakerReplaceBtn, &QPushButton::clicked, this, &TVornExtracts::MakerReplaceBtnClick);
    connect(MakerDeleteBtn, &QPushButton::clicked, this, &TVornExtracts::MakerDeleteBtnClick);
    connect(MakerView, &QTreeWidget::itemSelectionChanged, this,
            &TVornExtracts::MakerViewSelectItem);
    return page;
}

QWidget* TVornExtracts::BuildFootPage() {
    QWidget* page = BuildTablePage({&FootAddBtn,
                                    &FootReplaceBtn,
                                    &FootDeleteBtn,
                                    {&FootPnameEdit, &FootNameEdit, &FootSilkEdit},
                                    &FootView},
                                   {"部品名", "フットプリント", "部品シルク"});
    footView_ = std::make_unique<QtListView>(*FootView);
    connect(FootAddBtn, &QPushButton::clicked, this, &TVornExtracts::FootAddBtnClick);
    connect(FootReplaceBtn, &QPushButton::clicked, this, &TVornExtracts::FootReplaceBtnClick);
    connect(FootDeleteBtn, &QPushButton::clicked, this, &TVornExtracts::FootDeleteBtnClick);
    connect(FootView, &QTreeWidget::itemSelectionChanged, this, &TVornExtracts::FootViewSelectItem);
    return page;
}

QWidget* TVornExtracts::BuildOptionPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QGridLayout;
    CvtDir = LabelledEdit(left, 0, 0, "変換ファイルのディレクトリ");
    TitleName = LabelledEdit(left, 1, 0, "タイトル枠部品");
    PartsListPreFix = LabelledEdit(left, 2, 0, "部品表プレフィックス");
    PwParts = LabelledEdit(left, 3, 0, "電源部品");
    NameGroup = new QListWidget;
    left->addWidget(new QLabel(U("部品の種別")), 4, 0, Qt::AlignTop);
    left->addWidget(NameGroup, 4, 1);
    Editors = LabelledEdit(left, 5, 0, "エディタ");
    left->setRowStretch(4, 1);
    auto* right = new QVBoxLayout;
    CR_SilkType =
        RadioGroup(right, "CR類のシルク", {"部品名は空欄", "図面中の部品名", "変換後の部品名"});
    NetNameType = RadioGroup(right, "ネット名の付け方", {"連番", "部品番号・ピン番号"});
    PListType = RadioGroup(right, "部品表ファイル形式", {"NJP", "CSV", "TXT"});
    auto* separator = new QHBoxLayout;
    NetSeparator = new QLineEdit;
    NetSeparator->setMaximumWidth(60);
    separator->addWidget(new QLabel(U("ネット名結合文字")));
    separator->addWidget(NetSeparator);
    separator->addStretch();
    right->addLayout(separator);
    PinCvtEnv = new QCheckBox(U("英字ピン番号の変換"));
    right->addWidget(PinCvtEnv);
    right->addStretch();
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    return page;
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
    CloseBtn = add(file, "終了(&Q)", QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* find = menuBar()->addMenu(U("検索(&S)"));
    FindMnu = add(find, "検索(&F)", QKeySequence(Qt::CTRL | Qt::Key_F));
    FindNextMnu = add(find, "次を検索(&S)", QKeySequence(Qt::Key_F3));
    FindBeforeMnu = add(find, "前を検索(&R)", QKeySequence(Qt::SHIFT | Qt::Key_F3));
    QMenu* edit = menuBar()->addMenu(U("編集(&E)"));
    EachCvtEditMnu = add(edit, "個別　変換リストの編集(&A)");
    CommonCvtEditMnu = add(edit, "共通　変換リストの編集(&V)");
    MakerListEditMnu = add(edit, "メーカー名リストの編集(&M)");
    FootPrintEditMnu = add(edit, "フットプリントリストの編集(&F)");
    PinCvtEditMnu = add(edit, "ピン変換リストの編集(&P)");
    QMenu* tools = menuBar()->addMenu(U("ツール(&T)"));
    RegistrationMnu = add(tools, "関連付けの登録(&R)");
    RegistDelMnu = add(tools, "関連付けの解除(&X)");
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
         std::initializer_list<std::pair<QObject*, int>>{{file, 10000},
                                                         {OpenBtn, 2430},
                                                         {SaveMnu, 2420},
                                                         {find, 3060},
                                                         {tools, 10000},
                                                         {RegistrationMnu, 3010},
                                                         {RegistDelMnu, 3020}}) {
        SetHelpContext(object, context);
    }
    for (QMenu* menu : {file, find, edit, tools}) {
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
    dialogs_.ShowHelp(QString::fromStdString(helpFile_.string()), HelpContextOf(focused));
}

void TVornExtracts::SetHelpContexts() {
    SetHelpContext(this, 10000);
    SetHelpContext(PageControl1, 2100);
    for (auto [page, context] : std::initializer_list<std::pair<int, int>>{{PartsListTab, 2120},
                                                                           {NetListTab, 2140},
                                                                           {NameCvtTab, 2150},
                                                                           {MakerListTab, 2160},
                                                                           {FootPrintTab, 2170},
                                                                           {PinCvtTab, 2180},
                                                                           {OptionPage, 2190}}) {
        SetHelpContext(PageControl1->widget(page), context);
    }
    SetHelpContext(PartsViewB, 2130);
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

// The option controls carry the option values: every change goes into State.Options at
// once, so the flows that read them see what the page shows.
void TVornExtracts::ConnectOptions() {
    settings::TOptionValues& options = State.Options;
    auto bindText = [this](QLineEdit* edit, std::string& value) {
        connect(edit, &QLineEdit::textEdited, this,
                [&value](const QString& text) { value = Cp(text); });
        // Warned once, when the user leaves the box, not at every key.
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            bool lossy = false;
            Cp(edit->text(), &lossy);
            if (lossy && edit->isModified()) {
                edit->setModified(false);
                ui_.ShowMessage(LossyTextWarning());
            }
        });
    };
    bindText(CvtDir, options.CvtDir);
    bindText(TitleName, options.TitleName);
    bindText(PartsListPreFix, options.PartsListPreFix);
    bindText(PwParts, options.PwParts);
    bindText(Editors, options.Editors);
    bindText(NetSeparator, options.NetSeparator);
    auto bindRadio = [this](QButtonGroup* group, int& value) {
        connect(group, &QButtonGroup::idClicked, this, [&value](int id) { value = id; });
    };
    bindRadio(CR_SilkType, options.CR_SilkType);
    bindRadio(NetNameType, options.NetNameType);
    bindRadio(PListType, options.PListType);
    connect(PinCvtEnv, &QCheckBox::clicked, this, &TVornExtracts::PinCvtEnvClick);
    connect(NameGroup, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        auto row = static_cast<std::size_t>(NameGroup->row(item));
        if (row < State.Options.NameGroup.size()) {
            State.Options.NameGroup[row].Checked = item->checkState() == Qt::Checked;
        }
    });
    model::TTitleFields& titles = State.Titles;
    bindText(Designer, titles.Designer);
    bindText(DesignDate, titles.DesignDate);
    bindText(Project, titles.Project);
    bindText(DesignName, titles.DesignName);
    bindText(DesignNumber, titles.DesignNumber);
    bindText(ListNumber, titles.ListNumber);
}

void TVornExtracts::ApplyOptions() {
    const settings::TOptionValues& options = State.Options;
    CvtDir->setText(Qs(options.CvtDir));
    TitleName->setText(Qs(options.TitleName));
    PartsListPreFix->setText(Qs(options.PartsListPreFix));
    PwParts->setText(Qs(options.PwParts));
    Editors->setText(Qs(options.Editors));
    NetSeparator->setText(Qs(options.NetSeparator));
    CheckRadio(CR_SilkType, options.CR_SilkType);
    CheckRadio(NetNameType, options.NetNameType);
    CheckRadio(PListType, options.PListType);
    PinCvtEnv->setChecked(options.PinCvtEnv);
    ShowNameGroups();
}

void TVornExtracts::ShowNameGroups() {
    QSignalBlocker blocker(NameGroup);
    NameGroup->clear();
    for (const settings::NameGroupItem& group : State.Options.NameGroup) {
        auto* item = new QListWidgetItem(Qs(group.Name), NameGroup);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(group.Checked ? Qt::Checked : Qt::Unchecked);
    }
}

// A stored page that cannot be shown (out of range or one of the hidden pages) shows
// the first page instead, on either page control.
void TVornExtracts::ApplyLayout() {
    const settings::TWindowLayout& layout = State.Layout;
    move(layout.Left, layout.Top);
    resize(layout.Width, layout.Height);
    int page = layout.ActivePage;
    if (page < 0 || page >= PageControl1->count() || !PageControl1->isTabVisible(page)) {
        page = PartsListTab;
    }
    PageControl1->setCurrentIndex(page);
    bool partsPageKnown = layout.PartsPage >= 0 && layout.PartsPage < PageControl2->count();
    PageControl2->setCurrentIndex(partsPageKnown ? layout.PartsPage : 0);
    ApplyWidths(*partsViewA_, layout.PartsViewA);
    ApplyWidths(*partsViewB_, layout.PartsViewB);
    ApplyWidths(*makerView_, layout.MakerView);
    ApplyWidths(*footView_, layout.FootView);
    ApplyWidths(*eachCvtView_, layout.EachCvtView);
    ApplyWidths(*nameCvtView_, layout.NameCvtView);
    cvtSplitterWanted_ = layout.CvtSplitter;
    ApplyCvtSplitter();
}

// The splitter only takes a position once its page has a size: until the user moves it,
// the stored position is applied again whenever the splitter is resized.
void TVornExtracts::ApplyCvtSplitter() {
    if (!cvtSplitterWanted_) {
        return;
    }
    int left = *cvtSplitterWanted_;
    int total = std::max(CvtSplitter->width(), left + 1);
    QSignalBlocker blocker(CvtSplitter);
    CvtSplitter->setSizes({left, std::max(total - left - CvtSplitter->handleWidth(), 1)});
}

void TVornExtracts::ReadLayout() {
    settings::TWindowLayout& layout = State.Layout;
    layout.Left = pos().x();
    layout.Top = pos().y();
    layout.Width = width();
    layout.Height = height();
    layout.ActivePage = PageControl1->currentIndex();
    layout.PartsPage = PageControl2->currentIndex();
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

void TVornExtracts::ShowTitles() {
    const model::TTitleFields& titles = State.Titles;
    Designer->setText(Qs(titles.Designer));
    DesignDate->setText(Qs(titles.DesignDate));
    Project->setText(Qs(titles.Project));
    DesignName->setText(Qs(titles.DesignName));
    DesignNumber->setText(Qs(titles.DesignNumber));
    ListNumber->setText(Qs(titles.ListNumber));
}

void TVornExtracts::ShowShortsPanel() {
    ErrorNetDisp->setVisible(State.ErrorNetDispVisible);
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
        Timer1->start();
    }
}

void TVornExtracts::FormShow() {
    Timer1->stop();
    LoadHost host(*this);
    if (std::optional<fs::path> last = app::FirstLoad(State, host, drawings_, startDir_)) {
        openFileName_ = last;
    }
    drawings_.clear();
    ShowShortsPanel();
    ShowNameGroups();
}

void TVornExtracts::OpenBtnClick() {
    LoadHost host(*this);
    std::optional<fs::path> file = app::OpenCommand(State, host);
    if (file) {
        openFileName_ = file;
    }
    ShowShortsPanel();
    ShowNameGroups();
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

void TVornExtracts::PinCvtEnvClick() {
    State.Options.PinCvtEnv = PinCvtEnv->isChecked();
    State.ShowNets();
    ShowShortsPanel();
}

tables::NameCvtViews TVornExtracts::CvtViews() {
    return {*eachCvtView_, *nameCvtView_};
}

void TVornExtracts::NameCvtEditMnuClick(bool insert) {
    if (!State.Tables.NameLists || !State.Tables.NameLists->CurrentRow) {
        return;
    }
    TCvtEdit form(*this);
    form.SetMode(insert ? tables::TNameLists::EditMode::Insert
                        : tables::TNameLists::EditMode::Update);
    dialogs_.Exec(form);
    ShowNameGroups();
}

void TVornExtracts::NameCvtDelMnuClick() {
    if (State.Tables.NameLists) {
        State.Tables.NameLists->DeleteCurrent(CvtViews());
    }
}

void TVornExtracts::NameCvtTabExit() {
    if (State.Tables.NameLists) {
        State.Tables.NameLists->SaveModified(State.DrawingFolder());
    }
}

std::optional<tables::NameList> TVornExtracts::CvtListOf(const QObject* widget) const {
    if (widget == EachCvtView) {
        return tables::NameList::Each;
    }
    if (widget == NameCvtView) {
        return tables::NameList::Common;
    }
    return std::nullopt;
}

void TVornExtracts::NameCvtViewMouseDown(QTreeWidget* view, int row) {
    std::optional<tables::NameList> which = CvtListOf(view);
    if (which && State.Tables.NameLists) {
        State.Tables.NameLists->MouseDown(*which, row);
    }
}

bool TVornExtracts::NameCvtViewDragOver(const QObject* source, QTreeWidget* target, int row) {
    return tables::TNameLists::DragOverAccepted(CvtListOf(source), CvtListOf(target), row);
}

void TVornExtracts::NameCvtViewDragDrop(QTreeWidget* source, QTreeWidget* target, int row) {
    std::optional<tables::NameList> from = CvtListOf(source);
    std::optional<tables::NameList> to = CvtListOf(target);
    if (from && to && State.Tables.NameLists) {
        State.Tables.NameLists->DragDrop(CvtViews(), *from, *to, row);
    }
}

void TVornExtracts::MakerViewSelectItem() {
    int row = makerView_->Selected();
    if (row >= 0 && State.Tables.Makers) {
        tables::TMakerLists::Boxes boxes = State.Tables.Makers->BoxesOf(row);
        MakerPnameEdit->setText(Qs(boxes.PartName));
        MakerNameEdit->setText(Qs(boxes.Maker));
    }
}

void TVornExtracts::FootViewSelectItem() {
    int row = footView_->Selected();
    if (row >= 0 && State.Tables.Foot) {
        tables::TFootList::Boxes boxes = State.Tables.Foot->BoxesOf(row);
        FootPnameEdit->setText(Qs(boxes.PartName));
        FootNameEdit->setText(Qs(boxes.FootPrint));
        FootSilkEdit->setText(Qs(boxes.Silk));
    }
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
        ui_.ShowMessage(LossyTextWarning());
    }
    return bytes;
}

tables::TMakerLists::Boxes TVornExtracts::MakerBoxes() {
    return {Typed(MakerPnameEdit->text()), Typed(MakerNameEdit->text())};
}

tables::TFootList::Boxes TVornExtracts::FootBoxes() {
    return {Typed(FootPnameEdit->text()), Typed(FootNameEdit->text()), Typed(FootSilkEdit->text())};
}

// One command of the maker or footprint page on the table, its view and the edit boxes.
template <class Table, class Boxes>
void RunTableCommand(const std::unique_ptr<Table>& table,
                     void (Table::*command)(view::ListView&, const Boxes&), view::ListView& view,
                     const Boxes& boxes) {
    if (table) {
        ((*table).*command)(view, boxes);
    }
}

void TVornExtracts::MakerAddBtnClick() {
    RunTableCommand(State.Tables.Makers, &tables::TMakerLists::AddFromBoxes, *makerView_,
                    MakerBoxes());
}

void TVornExtracts::MakerReplaceBtnClick() {
    RunTableCommand(State.Tables.Makers, &tables::TMakerLists::ReplaceSelected, *makerView_,
                    MakerBoxes());
}

void TVornExtracts::MakerDeleteBtnClick() {
    RunTableCommand(State.Tables.Makers, &tables::TMakerLists::DeleteSelected, *makerView_,
                    MakerBoxes());
}

void TVornExtracts::FootAddBtnClick() {
    RunTableCommand(State.Tables.Foot, &tables::TFootList::AddFromBoxes, *footView_, FootBoxes());
}

void TVornExtracts::FootReplaceBtnClick() {
    RunTableCommand(State.Tables.Foot, &tables::TFootList::ReplaceSelected, *footView_,
                    FootBoxes());
}

void TVornExtracts::FootDeleteBtnClick() {
    RunTableCommand(State.Tables.Foot, &tables::TFootList::DeleteSelected, *footView_, FootBoxes());
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
