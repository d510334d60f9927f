// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawingCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "output/DrawingSvg.h"
#include "ui/QtViews.h"

namespace ui {
namespace {

using netlist::ItemLook;
using Palette = output::DrawingPalette;

constexpr double kMinScale = 0.002;  // pixels per drawing unit
constexpr double kMaxScale = 40;
constexpr int kFitMargin = 16;       // pixels around a fitted drawing
constexpr double kReadableText = 6;  // pixels: smaller texts are not painted
constexpr double kTextHeight = 9;    // drawing units, as in the pictures
constexpr double kPinTextHeight = 6;
constexpr double kZoomStep = 1.25;

QColor Colour(const char* hex) {
    return QColor(QString::fromLatin1(hex));
}

QPen Pen(const char* hex, double width) {
    QPen pen(Colour(hex), width);
    pen.setCosmetic(true);  // the same width in pixels at every zoom
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

bool Outside(const model::DrawingRect& visible, std::int32_t left, std::int32_t top,
             std::int32_t right, std::int32_t bottom) {
    return right < visible.Left || left > visible.Right || bottom < visible.Top ||
           top > visible.Bottom;
}

bool Outside(const model::DrawingRect& visible, model::TPoint a, model::TPoint b) {
    return Outside(visible, std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X),
                   std::max(a.Y, b.Y));
}

QRectF RectOf(const model::DrawingRect& r) {
    return QRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

// The looks that are lines of their own, drawn in this order so the warning and the
// highlight lie on top.
enum LineSet { kPlainWires, kPlainPins, kShorted, kHighlighted, kLineSets };

LineSet SetOf(ItemLook look, bool pin) {
    switch (look) {
        case ItemLook::Highlighted:
            return kHighlighted;
        case ItemLook::Shorted:
            return kShorted;
        default:
            return pin ? kPlainPins : kPlainWires;
    }
}

}  // namespace

DrawingCanvas::DrawingCanvas(const model::DrawingGeometry& drawing,
                             const netlist::DrawingMarks& marks, QWidget* parent)
    : QWidget(parent), drawing_(drawing), marks_(marks) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::OpenHandCursor);
    setMinimumSize(200, 150);
}

void DrawingCanvas::SetView(const View& view) {
    view_ = view;
    update();
}

double DrawingCanvas::FitScale(const model::DrawingRect& area) const {
    const double w = std::max(1, width() - 2 * kFitMargin);
    const double h = std::max(1, height() - 2 * kFitMargin);
    const double areaW = std::max(1, area.Right - area.Left);
    const double areaH = std::max(1, area.Bottom - area.Top);
    return std::clamp(std::min(w / areaW, h / areaH), kMinScale, kMaxScale);
}

void DrawingCanvas::CentreOn(const model::DrawingRect& area, double scale) {
    SetCentre(area, scale);
    update();
    emit ViewChanged();
}

void DrawingCanvas::SetCentre(const model::DrawingRect& area, double scale) {
    view_.Scale = scale;
    view_.Left = (area.Left + area.Right) / 2.0 - width() / (2 * scale);
    view_.Top = (area.Top + area.Bottom) / 2.0 - height() / (2 * scale);
}

// The fitted view, set without a repaint: the paint that finds none pending uses it.
void DrawingCanvas::FitView() {
    model::DrawingRect bounds = drawing_.Bounds();
    if (bounds.Empty()) {
        bounds = {0, 0, 100, 100};
    }
    SetCentre(bounds, FitScale(bounds));
}

void DrawingCanvas::FitToWindow() {
    FitView();
    update();
    emit ViewChanged();
}

void DrawingCanvas::ZoomBy(double factor, QPointF around) {
    if (view_.Scale <= 0) {
        FitToWindow();
    }
    const QPointF fixed = ToDrawing(around);
    view_.Scale = std::clamp(view_.Scale * factor, kMinScale, kMaxScale);
    view_.Left = fixed.x() - around.x() / view_.Scale;
    view_.Top = fixed.y() - around.y() / view_.Scale;
    update();
    emit ViewChanged();
}

void DrawingCanvas::ShowArea(const model::DrawingRect& area) {
    if (area.Empty()) {
        return;
    }
    if (view_.Scale <= 0) {
        FitToWindow();
    }
    const QPointF topLeft = ToDrawing(QPointF(0, 0));
    const QPointF bottomRight = ToDrawing(QPointF(width(), height()));
    if (area.Left >= topLeft.x() && area.Right <= bottomRight.x() && area.Top >= topLeft.y() &&
        area.Bottom <= bottomRight.y()) {
        return;
    }
    const model::DrawingRect roomy{area.Left - 20, area.Top - 20, area.Right + 20,
                                   area.Bottom + 20};
    CentreOn(area, std::min(view_.Scale, FitScale(roomy)));
}

void DrawingCanvas::ZoomTo(const model::DrawingRect& area) {
    if (!area.Empty()) {
        CentreOn(area, FitScale(area));
    }
}

QPointF DrawingCanvas::ToWidget(double x, double y) const {
    return QPointF((x - view_.Left) * view_.Scale, (y - view_.Top) * view_.Scale);
}

QPointF DrawingCanvas::ToDrawing(QPointF p) const {
    return QPointF(p.x() / view_.Scale + view_.Left, p.y() / view_.Scale + view_.Top);
}

void DrawingCanvas::PanBy(QPointF pixels) {
    view_.Left -= pixels.x() / view_.Scale;
    view_.Top -= pixels.y() / view_.Scale;
    update();
    emit ViewChanged();
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    if (view_.Scale <= 0) {
        FitView();
    }
    QPainter painter(this);
    painter.fillRect(rect(), Colour(Palette::Background));
    const double s = view_.Scale;
    const QPointF topLeft = ToDrawing(QPointF(0, 0));
    const QPointF bottomRight = ToDrawing(QPointF(width(), height()));
    const model::DrawingRect visible{static_cast<std::int32_t>(std::floor(topLeft.x())) - 1,
                                     static_cast<std::int32_t>(std::floor(topLeft.y())) - 1,
                                     static_cast<std::int32_t>(std::ceil(bottomRight.x())) + 1,
                                     static_cast<std::int32_t>(std::ceil(bottomRight.y())) + 1};
    painter.setTransform(QTransform(s, 0, 0, s, -view_.Left * s, -view_.Top * s));

    // Thin lines take the rasterizer's fast path; wider ones are only worth it up close.
    const bool fine = s >= 0.5;
    // Smoothing costs more than it gives while the drawing is a small picture.
    painter.setRenderHint(QPainter::Antialiasing, fine);
    painter.setBrush(Qt::NoBrush);
    std::vector<QRectF> bodies[3];  // plain, highlighted, of no symbol
    for (const model::DrawingPart& part : drawing_.Parts) {
        const model::DrawingRect outline = part.Outline();
        if (!Outside(visible, outline.Left, outline.Top, outline.Right, outline.Bottom)) {
            const bool marked = marks_.PartLook(part) == ItemLook::Highlighted;
            bodies[marked ? 1 : part.HasBody ? 0 : 2].push_back(RectOf(outline));
        }
    }
    QPen dashed = Pen(Palette::Body, fine ? 1.5 : 0);
    dashed.setStyle(Qt::DashLine);
    const QPen bodyPens[3] = {Pen(Palette::Body, fine ? 1.5 : 0), Pen(Palette::Highlight, 3),
                              dashed};
    for (int kind = 0; kind < 3; ++kind) {
        painter.setPen(bodyPens[kind]);
        painter.drawRects(bodies[kind].data(), static_cast<int>(bodies[kind].size()));
    }

    for (auto& set : lines_) {
        set.clear();
    }
    std::vector<QPointF> unconnected;
    for (const model::DrawingWire& wire : drawing_.Wires) {
        if (!Outside(visible, wire.A, wire.B)) {
            lines_[SetOf(marks_.GroupLook(drawing_, wire.Group), false)].emplace_back(
                wire.A.X, wire.A.Y, wire.B.X, wire.B.Y);
        }
    }
    // A plain pin shorter than a pixel shows nothing its body does not.
    const bool pinsShow = s * 10 >= 1;
    for (const model::DrawingPin& pin : drawing_.Pins) {
        if (Outside(visible, pin.At, pin.BodyEdge)) {
            continue;
        }
        const ItemLook look = marks_.PinLook(drawing_, pin);
        if (!pinsShow && (look == ItemLook::Plain || look == ItemLook::Unconnected)) {
            if (look == ItemLook::Unconnected) {
                unconnected.emplace_back(pin.At.X, pin.At.Y);
            }
            continue;
        }
        lines_[SetOf(look, true)].emplace_back(pin.BodyEdge.X, pin.BodyEdge.Y, pin.At.X, pin.At.Y);
        if (look == ItemLook::Unconnected) {
            unconnected.emplace_back(pin.At.X, pin.At.Y);
        }
    }
    const QPen linePens[kLineSets] = {Pen(Palette::Wire, fine ? 1.5 : 0), Pen(Palette::Body, 1),
                                      Pen(Palette::Shorted, 2.5), Pen(Palette::Highlight, 3.5)};
    for (int set = 0; set < kLineSets; ++set) {
        painter.setPen(linePens[set]);
        painter.drawLines(lines_[set].data(), static_cast<int>(lines_[set].size()));
    }

    painter.setPen(Qt::NoPen);
    const double dot = std::max(3.0, 2.5 / s);
    std::vector<QPointF> dots[kLineSets];
    for (const model::DrawingJunction& j : drawing_.Junctions) {
        if (!Outside(visible, j.At, j.At)) {
            dots[SetOf(marks_.GroupLook(drawing_, j.Group), false)].emplace_back(j.At.X, j.At.Y);
        }
    }
    for (int set : {kPlainWires, kShorted, kHighlighted}) {
        painter.setBrush(linePens[set].color());
        for (const QPointF& at : dots[set]) {
            painter.drawEllipse(at, dot, dot);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Pen(Palette::Unconnected, 1.5));
    for (const QPointF& at : unconnected) {
        painter.drawEllipse(at, 4 / s, 4 / s);
    }
    painter.setPen(Pen(Palette::Label, 1));
    for (const model::DrawingLabel& tag : drawing_.Labels) {
        if (!tag.IsTag ||
            Outside(visible, tag.At.X, tag.At.Y - 6, tag.At.X + tag.Width, tag.At.Y + 6)) {
            continue;
        }
        const double x = tag.At.X, y = tag.At.Y, w = tag.Width;
        painter.drawPolygon(QPolygonF({{x, y},
                                       {x + 5, y - 6},
                                       {x + w - 5, y - 6},
                                       {x + w, y},
                                       {x + w - 5, y + 6},
                                       {x + 5, y + 6}}));
    }
    painter.resetTransform();
    PaintTexts(painter, visible);
}

// Texts are painted in pixels at their anchors: a font scaled with the drawing would be
// hinted badly, and an unreadable text is skipped outright.
void DrawingCanvas::PaintTexts(QPainter& painter, const model::DrawingRect& visible) {
    const double s = view_.Scale;
    if (kTextHeight * s < kReadableText) {
        return;
    }
    // Texts reach beyond their anchors: take in anchors a little outside the view.
    const model::DrawingRect near{visible.Left - 400, visible.Top - 20, visible.Right + 20,
                                  visible.Bottom + 400};
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(kTextHeight * s))));
    painter.setFont(font);
    painter.setPen(Colour(Palette::Text));
    for (std::size_t i = 0; i < drawing_.Parts.size(); ++i) {
        const model::DrawingRect outline = drawing_.Parts[i].Outline();
        if (!near.Contains({static_cast<std::int16_t>(outline.Left),
                            static_cast<std::int16_t>(outline.Top)})) {
            continue;
        }
        painter.drawText(ToWidget(outline.Left, outline.Top - 3), Qs(drawing_.Parts[i].RefText()));
        painter.drawText(ToWidget(outline.Left, outline.Bottom + kTextHeight + 1),
                         Qs(drawing_.Parts[i].NameText()));
    }
    for (std::size_t i = 0; i < drawing_.Comments.size(); ++i) {
        const model::TPoint at = drawing_.Comments[i].At;
        if (near.Contains(at)) {
            painter.drawText(ToWidget(at.X, at.Y), Qs(drawing_.Comments[i].Text));
        }
    }
    for (std::size_t i = 0; i < drawing_.Labels.size(); ++i) {
        const model::DrawingLabel& label = drawing_.Labels[i];
        if (!near.Contains(label.At)) {
            continue;
        }
        const ItemLook look = marks_.GroupLook(drawing_, label.Group);
        painter.setPen(Colour(look == ItemLook::Highlighted ? Palette::Highlight
                              : look == ItemLook::Shorted   ? Palette::Shorted
                                                            : Palette::Label));
        if (label.IsTag) {
            painter.drawText(QRectF(ToWidget(label.At.X, label.At.Y - 6),
                                    ToWidget(label.At.X + label.Width, label.At.Y + 6)),
                             Qt::AlignCenter, Qs(label.Text));
        } else if (label.Vertical) {
            painter.save();
            painter.translate(ToWidget(label.At.X, label.At.Y));
            painter.rotate(-90);
            painter.drawText(QPointF(0, -2 * s), Qs(label.Text));
            painter.restore();
        } else {
            painter.drawText(ToWidget(label.At.X, label.At.Y - 2), Qs(label.Text));
        }
    }
    if (kPinTextHeight * s < kReadableText) {
        return;
    }
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(kPinTextHeight * s))));
    painter.setFont(font);
    painter.setPen(Colour(Palette::Text));
    for (std::size_t i = 0; i < drawing_.Pins.size(); ++i) {
        const model::DrawingPin& pin = drawing_.Pins[i];
        if (near.Contains(pin.At)) {
            painter.drawText(ToWidget((pin.At.X + pin.BodyEdge.X) / 2.0 + 1,
                                      (pin.At.Y + pin.BodyEdge.Y) / 2.0 - 1),
                             Qs(pin.Number));
        }
    }
}

void DrawingCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void DrawingCanvas::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) {
        ZoomBy(std::pow(kZoomStep, steps), event->position());
    }
    event->accept();
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
        pressed_ = true;
        dragging_ = false;
        pressedAt_ = lastAt_ = event->position().toPoint();
    }
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (!dragging_ && (at - pressedAt_).manhattanLength() > 3) {
        dragging_ = true;
        setCursor(Qt::ClosedHandCursor);
    }
    if (dragging_) {
        PanBy(at - lastAt_);
        lastAt_ = at;
    }
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_) {
        return;
    }
    pressed_ = false;
    setCursor(Qt::OpenHandCursor);
    if (!dragging_ && event->button() == Qt::LeftButton && view_.Scale > 0) {
        const QPointF at = ToDrawing(event->position());
        emit ItemClicked(model::HitAt(drawing_, at.x(), at.y(), 5 / view_.Scale));
    }
    dragging_ = false;
}

void DrawingCanvas::keyPressEvent(QKeyEvent* event) {
    const QPointF middle(width() / 2.0, height() / 2.0);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ZoomBy(kZoomStep, middle);
            break;
        case Qt::Key_Minus:
            ZoomBy(1 / kZoomStep, middle);
            break;
        case Qt::Key_0:
        case Qt::Key_Home:
            FitToWindow();
            break;
        case Qt::Key_Left:
            PanBy(QPointF(width() / 8.0, 0));
            break;
        case Qt::Key_Right:
            PanBy(QPointF(-width() / 8.0, 0));
            break;
        case Qt::Key_Up:
            PanBy(QPointF(0, height() / 8.0));
            break;
        case Qt::Key_Down:
            PanBy(QPointF(0, -height() / 8.0));
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace ui
