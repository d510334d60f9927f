// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornExtra01.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

#include "ui/CvtViewWidget.h"
#include "ui/Dialogs.h"
#include "ui/PageWidgets.h"
#include "ui/VornCvtEdit.h"

namespace ui {

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
            NameCvtViewDragDrop(qobject_cast<ListWidget*>(source), view, row);
        };
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& pos) {
            NameCvtPopup->popup(view->viewport()->mapToGlobal(pos));
        });
        connect(view, &ListWidget::RowDoubleClicked, this, [this] { NameCvtEditMnuClick(false); });
    }
    return CvtSplitter;
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

void TVornExtracts::NameCvtViewMouseDown(ListWidget* view, int row) {
    std::optional<tables::NameList> which = CvtListOf(view);
    if (which && State.Tables.NameLists) {
        State.Tables.NameLists->MouseDown(*which, row);
    }
}

bool TVornExtracts::NameCvtViewDragOver(const QObject* source, ListWidget* target, int row) {
    return tables::TNameLists::DragOverAccepted(CvtListOf(source), CvtListOf(target), row);
}

void TVornExtracts::NameCvtViewDragDrop(ListWidget* source, ListWidget* target, int row) {
    std::optional<tables::NameList> from = CvtListOf(source);
    std::optional<tables::NameList> to = CvtListOf(target);
    if (from && to && State.Tables.NameLists) {
        State.Tables.NameLists->DragDrop(CvtViews(), *from, *to, row);
    }
}

}  // namespace ui
