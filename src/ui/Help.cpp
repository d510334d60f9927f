// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Help.h"

#include <QtGlobal>

#include "app/ProgramVersion.h"
#include "platform/ProgramHome.h"
#include "ui/HelpContexts.h"

namespace ui {
namespace fs = std::filesystem;

namespace {

const char* SectionOf(int context) {
    switch (context) {
        case kHelpPages:
            return "pages";
        case kHelpPartsPage:
            return "parts";
        case kHelpPartsDetail:
            return "parts-detail";
        case kHelpNetPage:
            return "nets";
        case kHelpNameCvtPage:
            return "namecvt";
        case kHelpMakerPage:
            return "makers";
        case kHelpFootPage:
            return "footprints";
        case kHelpPinCvtPage:
            return "pins";
        case kHelpOptionPage:
            return "options";
        case kHelpDrawingPage:
            return "drawing";
        case kHelpPartEdit:
            return "part-edit";
        case kHelpFootEdit:
            return "foot-edit";
        case kHelpSave:
            return "save";
        case kHelpOpen:
            return "loading";
        case kHelpRegister:
        case kHelpUnregister:
            return "association";
        case kHelpSearch:
            return "search";
        default:
            return nullptr;
    }
}

}  // namespace

fs::path ManualFile() {
    const fs::path folder = platform::ProgramPath().parent_path();
    std::error_code ec;
    for (const fs::path& candidate : {(folder / app::kManualFromProgram).lexically_normal(),
                                      folder / "manual" / "index.html"}) {
        if (fs::is_regular_file(candidate, ec)) {
            return candidate;
        }
    }
    return {};
}

QUrl ManualUrl(int context) {
    const fs::path file = ManualFile();
    if (file.empty()) {
        return {};
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(file.string()));
    if (const char* section = SectionOf(context)) {
        url.setFragment(QString::fromLatin1(section));
    }
    return url;
}

QString AboutText() {
    return QString::fromUtf8(
               "vornextract %1\n\nライセンス: GPL-3.0-or-later\n"
               "このプログラムは無保証です。GNU 一般公衆利用許諾書 第3版以降の"
               "条件で再配布できます。\n\nQt %2")
        .arg(QString::fromUtf8(app::kProgramVersion), QString::fromLatin1(qVersion()));
}

}  // namespace ui
