// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornExtra01.h"

#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include "ui/ListWidget.h"

#include "ui/PageWidgets.h"

namespace ui {

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
    ErrorNetView = new ListWidget(ErrorNetDisp);
    errorLayout->addWidget(heading);
    errorLayout->addWidget(ErrorNetView);
    ErrorNetDisp->setFixedWidth(260);
    ErrorNetDisp->hide();
    NetView = new ListWidget(page);
    netView_ = std::make_unique<QtListView>(*NetView);
    errorNetView_ = std::make_unique<QtListView>(*ErrorNetView);
    ErrorNetView->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(ErrorNetDisp);
    layout->addWidget(NetView, 1);
    for (ListWidget* view : {PartsViewA, NetView, ErrorNetView}) {
        view->installEventFilter(this);
    }
    return page;
}

void TVornExtracts::ShowShortsPanel() {
    ErrorNetDisp->setVisible(State.ErrorNetDispVisible);
}

}  // namespace ui
