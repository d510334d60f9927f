// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <filesystem>
#include <string_view>

#include "app/DialogSettings.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace model {
struct TPartRec;
}
namespace view {
class ListView;
}

namespace ui {

class TVornExtracts;

// What the two edit dialogs of the parts views share: one part, the buttons in the first
// column of a grid, the check boxes for the conversion table and the other parts of the
// name, and a settings section with the place and the boxes.
class TPartDialog : public QDialog {
  public:
    QCheckBox* UpdateCvt = nullptr;
    QCheckBox* UpdateAll = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Set once a save changed anything.
    bool Saved() const { return saved_; }
    void done(int result) override;

  protected:
    struct Design {
        std::string_view Section;
        app::DialogGeometry Geometry;
        const char* UpdateCvtCaption;  // UTF-8
        int HelpContext;
        bool BoxesStored;  // false: the boxes start unchecked and are not stored
    };
    TPartDialog(TVornExtracts& owner, model::TPartRec& part, const Design& design);
    // Adds the captioned inputs from the top of the grid, then the two check boxes under
    // them.
    void AddInputs(std::initializer_list<std::pair<const char*, QWidget*>> rows);

    TVornExtracts& owner_;
    model::TPartRec& part_;
    bool saved_ = false;

  private:
    Design design_;
    std::filesystem::path settingsFile_;
    QGridLayout* grid_ = nullptr;
};

QLineEdit* ReadOnlyEdit();

// The part a row of a parts view shows; null for no row.
model::TPartRec* PartOfRow(const view::ListView& view, int row);

}  // namespace ui
