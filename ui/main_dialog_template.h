#pragma once
// The main dialog's template as data: generated at build time from the DIALOGEX block of ui/morvane.rc
// (ui/gen/dialog_table.cmake), so the resource script stays the one source. Natively it is the template
// the headless layer builds IDD_MAIN from (ui/main_dialog_resource.cpp); the tests compare the
// controls made, real or headless, against it.
#include "platform/dialog_template.h"

// The template IDD_MAIN.
extern const dialog_template main_dialog_template;
