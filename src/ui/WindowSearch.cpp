// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeView>

#include "app/Search.h"
#include "tables/TableFile.h"
#include "ui/CvtViewWidget.h"
#include "ui/Dialogs.h"
#include "ui/VornExtra01.h"

namespace ui {

std::string* TVornExtracts::SearchTextOfPage() {
    switch (Pages->currentIndex()) {
        case PartsListTab:
            return &searchTexts_[0];
        case NetListTab:
            return &searchTexts_[1];
        case NameCvtTab:
            return &searchTexts_[2];
        case MakerListTab:
            return &searchTexts_[3];
        case FootPrintTab:
            return &searchTexts_[4];
        case PinCvtTab:
            return &searchTexts_[5];
        default:
            return nullptr;
    }
}

void TVornExtracts::FindMnuClick() {
    std::string* text = SearchTextOfPage();
    if (!text) {
        return;
    }
    QString typed = Qs(*text);
    if (!dialogs_.Prompt(this, Qs(tables::ProgramTitle()), QString::fromUtf8("検索文字列"),
                         typed)) {
        return;
    }
    *text = Typed(typed);
    RunFind(FindStep::First);
}

void TVornExtracts::FindNextMnuClick() {
    RunFind(FindStep::Next);
}

void TVornExtracts::FindBeforeMnuClick() {
    RunFind(FindStep::Before);
}

// The view is chosen when the search runs: on the name page the per-drawing list only
// while it holds the focus.
void TVornExtracts::RunFind(FindStep step) {
    std::string* text = SearchTextOfPage();
    if (!text || (step != FindStep::First && text->empty())) {
        return;
    }
    if (Pages->currentIndex() == PinCvtTab) {
        PinCvtView->setFocus();
        if (step == FindStep::Before) {
            app::FindBackInTree(*pinCvtView_, ui_, *text);
        } else {
            app::FindInTree(*pinCvtView_, ui_, *text, step == FindStep::Next);
        }
        return;
    }
    QtListView* view = nullptr;
    switch (Pages->currentIndex()) {
        case PartsListTab:
            view = PartsListViews->currentWidget() == PartsViewA ? partsViewA_.get()
                                                                 : partsViewB_.get();
            break;
        case NetListTab:
            view = netView_.get();
            break;
        case NameCvtTab:
            view = EachCvtView->hasFocus() ? eachCvtView_.get() : nameCvtView_.get();
            break;
        case MakerListTab:
            view = makerView_.get();
            break;
        default:
            view = footView_.get();
            break;
    }
    view->Widget().setFocus();
    if (step == FindStep::Before) {
        app::FindBackInList(*view, ui_, *text);
    } else {
        app::FindInList(*view, ui_, *text, step == FindStep::Next);
    }
}

}  // namespace ui
