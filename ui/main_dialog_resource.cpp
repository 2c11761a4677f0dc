// Natively, the main dialog's template reaches the headless layer as the linked resource script reaches
// the dialog manager on Windows: a program that links main_dialog_resource (ui/CMakeLists.txt) finds
// IDD_MAIN through this registration, made before main runs.
#include "platform/dialog_resources.h"
#include "ui/main_dialog_template.h"

namespace {

struct main_dialog_registration {
    main_dialog_registration() { register_dialog_template(main_dialog_template); }
} const registration;

}  // namespace
