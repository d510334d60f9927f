// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include "ui/ListWidget.h"

namespace ui {

// A name conversion view: it tells the window the row under the pointer at every mouse
// press, and hands drops of conversion rows to the window instead of moving items itself
// (the lists behind the views decide what a drop does).
class CvtViewWidget : public ListWidget {
  public:
    explicit CvtViewWidget(QWidget* parent = nullptr);

    std::function<void(int row)> OnMouseDown;
    // Whether a drag from `source` may drop on `row` of this view.
    std::function<bool(QObject* source, int row)> OnDragOver;
    std::function<void(QObject* source, int row)> OnDrop;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace ui
