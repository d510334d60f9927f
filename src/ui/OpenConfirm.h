// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <filesystem>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace ui {

class TVornExtracts;

// Asked by the open command while data is loaded: replace it or add the new drawing.
class TOpenConfirmForm : public QDialog {
  public:
    explicit TOpenConfirmForm(TVornExtracts& owner);

    bool Confirmed() const { return confirmed_; }
    // 0 "破棄して新規読み込み", 1 "追加読み込み".
    int ReadStyleIndex() const;

    QLabel* EditedDataLabel = nullptr;
    QButtonGroup* ReadStyle = nullptr;
    QPushButton* ReadBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void done(int result) override;

  private:
    void ReadBtnClick();

    TVornExtracts& owner_;
    std::filesystem::path settingsFile_;
    bool confirmed_ = false;
};

}  // namespace ui
