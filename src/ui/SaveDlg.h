// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <filesystem>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace ui {

class TVornExtracts;

// The save dialog: which of the three output files to write, and under which names.
class TSaveDlgForm : public QDialog {
  public:
    explicit TSaveDlgForm(TVornExtracts& owner);

    QPushButton* SaveBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QCheckBox* SavePlistEn = nullptr;
    QCheckBox* SimpleNetEn = nullptr;
    QCheckBox* ProtelNetEn = nullptr;
    QLineEdit* ListFname = nullptr;
    QLineEdit* NetFname = nullptr;
    QLineEdit* ProtelFname = nullptr;

    void SaveBtnClick();
    void done(int result) override;

  private:
    TVornExtracts& owner_;
    std::filesystem::path settingsFile_;
};

}  // namespace ui
