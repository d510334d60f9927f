// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <filesystem>
#include <map>

#include "model/DrawingGeometry.h"
#include "netlist/DrawingLinks.h"
#include "ui/DrawingCanvas.h"

class QLabel;
class QTabWidget;

namespace ui {

// The drawing page: one tab per drawing read, the nets and parts chosen in the lists
// highlighted on them, and a click on a drawing told as the net or part it hit.
class DrawingPage : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingPage(QWidget* parent = nullptr);

    // Shows the drawings, a tab each, with their shorts marked; a drawing shown before in
    // this session keeps its view.
    void ShowDrawings(const model::DrawingList& drawings);
    // Lets go of the drawings before they are freed.
    void Release();
    // Highlights the net (null: nothing) and, with `bringIntoView`, shows the drawing that
    // holds it, the one in front when it does, with all its items in view.
    void ShowNet(const model::TNetRec* net, bool bringIntoView);
    // The same for a part.
    void ShowPart(const model::TPartRec* part, bool bringIntoView);

    const netlist::DrawingMarks& Marks() const { return marks_; }
    int Count() const;
    DrawingCanvas* Canvas(int index) const;
    DrawingCanvas* CurrentCanvas() const;

    QTabWidget* Tabs = nullptr;
    QLabel* Info = nullptr;

  signals:
    void NetClicked(const model::TNetRec* net);
    void PartClicked(const model::TPartRec* part);

  private:
    void Clicked(const model::DrawingGeometry& drawing, model::DrawingHit hit);
    // The canvas in front when its drawing passes `holds`, else the first that does.
    DrawingCanvas* CanvasWhere(const std::function<bool(const model::DrawingGeometry&)>& holds);
    void RepaintAll();
    void SayHint();

    netlist::DrawingMarks marks_;
    std::map<std::filesystem::path, DrawingCanvas::View> views_;
};

}  // namespace ui
