// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/VornExtra01.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include "ui/ListWidget.h"

#include "ui/PageWidgets.h"

namespace ui {

namespace {

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

}  // namespace

QWidget* TVornExtracts::BuildPartsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* buttons = new QHBoxLayout;
    PartsListViewButtons = new QButtonGroup(page);
    PartsListViews = new QStackedWidget;
    int index = 0;
    for (const char* caption : {"部品表形式(&A)", "詳細データ(&D)"}) {
        auto* button = new QPushButton(U(caption));
        button->setCheckable(true);
        PartsListViewButtons->addButton(button, index++);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    connect(PartsListViewButtons, &QButtonGroup::idClicked, PartsListViews,
            &QStackedWidget::setCurrentIndex);
    connect(PartsListViews, &QStackedWidget::currentChanged, this, [this](int page) {
        if (QAbstractButton* button = PartsListViewButtons->button(page)) {
            button->setChecked(true);
        }
    });
    PartsViewA = new ListWidget(page);
    PartsViewB = new ListWidget(page);
    partsViewA_ = std::make_unique<QtListView>(*PartsViewA);
    partsViewB_ = std::make_unique<QtListView>(*PartsViewB, StateImages());
    PartsListViews->addWidget(PartsViewA);
    PartsListViews->addWidget(PartsViewB);
    PartsListViewButtons->button(0)->setChecked(true);
    connect(PartsViewA, &ListWidget::RowDoubleClicked, this, &TVornExtracts::PartsViewADblClick);
    connect(PartsViewB, &ListWidget::RowDoubleClicked, this, &TVornExtracts::PartsViewBDblClick);
    layout->addLayout(buttons);
    layout->addWidget(PartsListViews, 1);

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

void TVornExtracts::ShowTitles() {
    const model::TTitleFields& titles = State.Titles;
    Designer->setText(Qs(titles.Designer));
    DesignDate->setText(Qs(titles.DesignDate));
    Project->setText(Qs(titles.Project));
    DesignName->setText(Qs(titles.DesignName));
    DesignNumber->setText(Qs(titles.DesignNumber));
    ListNumber->setText(Qs(titles.ListNumber));
}

std::vector<QIcon> StateImages() {
    return {CheckBoxPicture(false), CheckBoxPicture(true), DotPicture(QColor(40, 40, 40), 5),
            DotPicture(QColor(255, 140, 0), 9), DotPicture(QColor(220, 0, 0), 9)};
}

}  // namespace ui
