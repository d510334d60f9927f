#include "app/FileAssociation.h"
#include "platform/KeyStore.h"
#include "platform/ProgramHome.h"
#include "text/Cp932.h"
#include "ui/VornExtra01.h"

namespace ui {

// The store is read afresh for each command, so changes made meanwhile are kept.
void TVornExtracts::RegistrationMnuClick() {
    platform::KeyStore store;
    app::RegisterAssociation(store, text::Utf8ToCp932(platform::ProgramPath().string()), ui_);
}

void TVornExtracts::RegistDelMnuClick() {
    platform::KeyStore store;
    app::RemoveAssociation(store, ui_);
}

}  // namespace ui
