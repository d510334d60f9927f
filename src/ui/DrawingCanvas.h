// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

#include "model/DrawingGeometry.h"
#include "netlist/DrawingLinks.h"

class QPainter;

namespace ui {

// One drawing painted to scale: wires, junctions, part bodies with reference and name,
// pins, labels, tags and comments, in the looks the marks give. The wheel and the keys
// zoom (+, -, 0 fits), dragging and the arrow keys pan, a click names the item under the
// pointer. Only what is in view is painted, and texts only once they are large enough to
// read, so a drawing of a hundred thousand wires stays quick.
class DrawingCanvas : public QWidget {
    Q_OBJECT

  public:
    // Where the view stands: pixels per drawing unit and the drawing point at the top left.
    // A scale of 0 fits the drawing to the window.
    struct View {
        double Scale = 0;
        double Left = 0;
        double Top = 0;
    };

    DrawingCanvas(const model::DrawingGeometry& drawing, const netlist::DrawingMarks& marks,
                  QWidget* parent = nullptr);

    const model::DrawingGeometry& Drawing() const { return drawing_; }
    View CurrentView() const { return view_; }
    void SetView(const View& view);
    void FitToWindow();
    void ZoomBy(double factor, QPointF around);
    // Brings `area` whole into view around its middle, zooming out only when it does not fit
    // and leaving the view alone when it is in view already.
    void ShowArea(const model::DrawingRect& area);
    // Fills the window with `area`.
    void ZoomTo(const model::DrawingRect& area);

    QPointF ToWidget(double x, double y) const;
    QPointF ToDrawing(QPointF widgetPoint) const;

  signals:
    // A click on the drawing (not a drag): the item under the pointer, perhaps none.
    void ItemClicked(model::DrawingHit hit);
    void ViewChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    double FitScale(const model::DrawingRect& area) const;
    void SetCentre(const model::DrawingRect& area, double scale);
    void CentreOn(const model::DrawingRect& area, double scale);
    void FitView();
    void PanBy(QPointF pixels);
    void PaintTexts(QPainter& painter, const model::DrawingRect& visible);

    const model::DrawingGeometry& drawing_;
    const netlist::DrawingMarks& marks_;
    View view_;
    // Reused by every paint, so panning does not allocate.
    std::vector<QLineF> lines_[4];
    QPoint pressedAt_;
    QPoint lastAt_;
    bool dragging_ = false;
    bool pressed_ = false;
};

}  // namespace ui
