// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "UiFixture.h"
#include "ui/Application.h"

namespace uitest {
namespace {

// Qt's own buttons speak Japanese in a Japanese session, as the window does.
TEST(QtTranslations, StandardButtonsReadJapanese) {
    App();
    QTranslator* translator =
        ui::LoadQtTranslations(App(), QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_NE(translator, nullptr) << "Qt's Japanese translations are not installed";
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("はい")))
        << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("いいえ")));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace uitest
