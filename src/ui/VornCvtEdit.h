// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <filesystem>

#include "tables/NameLists.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ui {

class TVornExtracts;

// The conversion entry dialog: changes the current entry of a name conversion list, or
// inserts a new entry after it.
class TCvtEdit : public QDialog {
  public:
    explicit TCvtEdit(TVornExtracts& owner);

    void SetMode(tables::TNameLists::EditMode mode);

    QLineEdit* OrgName = nullptr;
    QLineEdit* PName = nullptr;
    QComboBox* GroupList = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void SaveBtnClick();
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TVornExtracts& owner_;
    std::filesystem::path settingsFile_;
    tables::TNameLists::EditMode mode_ = tables::TNameLists::EditMode::Update;
};

}  // namespace ui
