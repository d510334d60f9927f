// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CvtViewWidget.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMouseEvent>

#include "ui/ItemModels.h"

namespace ui {

CvtViewWidget::CvtViewWidget(QWidget* parent) : ListWidget(parent) {
    Rows().SetDraggable(true);
}

void CvtViewWidget::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        OnMouseDown(RowAt(event->position().toPoint()));
    }
    ListWidget::mousePressEvent(event);
}

void CvtViewWidget::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void CvtViewWidget::dragMoveEvent(QDragMoveEvent* event) {
    int row = RowAt(event->position().toPoint());
    if (OnDragOver && OnDragOver(event->source(), row)) {
        // A copy, so the view the drag came from keeps its items: the lists redraw both.
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CvtViewWidget::dropEvent(QDropEvent* event) {
    int row = RowAt(event->position().toPoint());
    if (OnDragOver && OnDragOver(event->source(), row) && OnDrop) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        OnDrop(event->source(), row);
    } else {
        event->ignore();
    }
}

}  // namespace ui
