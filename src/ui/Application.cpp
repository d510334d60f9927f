// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>
#include <new>

#include "tables/TableFile.h"
#include "ui/Dialogs.h"
#include "ui/QtViews.h"
#include "ui/VornExtra01.h"

namespace ui {

namespace {

// An exception that escapes a handler is shown, and the program goes on.
class VornApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            // What was read so far stays; the window goes on with it.
            dialogs.Message(activeWindow(), Qs(tables::ProgramTitle()),
                            Qs(tables::OutOfMemoryMessage()));
        } catch (const std::exception& error) {
            dialogs.Message(activeWindow(), Qs(tables::ProgramTitle()),
                            QString::fromLocal8Bit(error.what()));
        } catch (...) {
            dialogs.Message(activeWindow(), Qs(tables::ProgramTitle()), QStringLiteral("?"));
        }
        return false;
    }

    QtDialogService dialogs;
};

}  // namespace

QTranslator* LoadQtTranslations(QCoreApplication& application, const QLocale& locale) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

int RunApplication(int argc, char** argv, const std::vector<std::string>& drawings) {
    VornApplication application(argc, argv);
    LoadQtTranslations(application, QLocale::system());
    TVornExtracts window(application.dialogs, drawings);
    window.show();
    return application.exec();
}

}  // namespace ui
