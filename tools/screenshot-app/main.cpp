// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the main window with the drawings of the command line and saves a picture of
// every page that has a tab, then of the parts page's second view, the drawing page with
// a net chosen, and the save dialog.
// Run under a display (tools/screenshot starts one).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "netlist/DrawingLinks.h"
#include "ui/Dialogs.h"
#include "ui/DrawingPage.h"
#include "ui/SaveDlg.h"
#include "ui/VornExtra01.h"

namespace {

// Messages are printed, not shown: nobody is there to press OK.
class PrintingDialogs : public ui::QtDialogService {
  public:
    void Message(QWidget*, const QString& caption, const QString& text, Kind) override {
        std::fprintf(stderr, "%s: %s\n", caption.toStdString().c_str(), text.toStdString().c_str());
    }
    bool YesNo(QWidget*, const QString&, const QString&) override { return true; }
};

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
    }
}

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    Settle();
    QString path = folder.filePath(name + ".png");
    bool saved = widget.grab().save(path);
    std::printf("%s\n", path.toStdString().c_str());
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_COLLATE, "");
    std::setlocale(LC_CTYPE, "");
    QApplication application(argc, argv);
    QStringList args = application.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: vornextract_screenshot OUTPUT_FOLDER [DRAWING...]\n");
        return 2;
    }
    QDir folder(args[1]);
    folder.mkpath(".");
    std::vector<std::string> drawings;
    for (qsizetype i = 2; i < args.size(); ++i) {
        drawings.push_back(QDir::current().absoluteFilePath(args[i]).toStdString());
    }
    PrintingDialogs dialogs;
    ui::TVornExtracts window(dialogs, drawings);
    window.resize(std::max(window.width(), 900), std::max(window.height(), 560));
    window.show();
    window.FormShow();
    bool ok = true;
    const char* names[] = {"0-parts",      "1-nets", "2-name-conversion", "3-wires", "4-makers",
                           "5-footprints", "6-pins", "7-options",         "8-memo",  "9-drawing"};
    for (int page = 0; page < window.Pages->count(); ++page) {
        if (!window.Pages->isTabVisible(page)) {
            continue;
        }
        window.Pages->setCurrentIndex(page);
        ok = Save(window, folder, names[page]) && ok;
        if (page == ui::TVornExtracts::PartsListTab) {
            window.PartsListViews->setCurrentIndex(1);
            ok = Save(window, folder, "0-parts-detail") && ok;
            window.PartsListViews->setCurrentIndex(0);
        }
    }
    // The drawing with a net chosen in the net list, as a designer checks where it runs.
    if (const model::TNetRec* net = netlist::NetNamed(window.State.NetList, "VREF")) {
        window.DrawingNetClicked(net);
        window.ShowOnDrawingMnuClick();
        if (ui::DrawingCanvas* canvas = window.DrawingView->CurrentCanvas()) {
            model::DrawingRect area = model::NetBounds(canvas->Drawing(), net);
            area = {area.Left - 150, area.Top - 100, area.Right + 150, area.Bottom + 100};
            canvas->ZoomTo(area);
        }
        ok = Save(window, folder, "9-drawing-net") && ok;
    }
    window.Pages->setCurrentIndex(0);
    if (window.State.PartsList.Count() > 0) {
        ui::TSaveDlgForm saveDialog(window);
        saveDialog.show();
        ok = Save(saveDialog, folder, "save-dialog") && ok;
        saveDialog.hide();
    }
    // Nothing is to be asked or stored on the way out.
    window.State.NotSaved = false;
    return ok ? 0 : 1;
}
