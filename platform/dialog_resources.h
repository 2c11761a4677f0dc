// The dialog templates of the headless layer, found by resource id (native builds only).
//
// On Windows a dialog template is a resource linked into the program: DialogBoxParamA and
// CreateDialogParamA find it by the id the caller names. The headless stand-ins find it the same way,
// among the templates their owners registered here: the owner of a dialog (ui/, or a test with a
// template of its own) registers each template once, before a dialog is made from it, and the layer
// itself knows no dialog. A table of ids rather than a template handed to each call keeps the
// callers' code the same on both systems.
#ifndef MORVANE_PLATFORM_DIALOG_RESOURCES_H
#define MORVANE_PLATFORM_DIALOG_RESOURCES_H

#include "platform/dialog_template.h"

// Makes the template the one of its id for the dialogs made from now on (replacing one registered
// before under that id). The layer keeps a reference: the template must outlive those dialogs.
void register_dialog_template(const dialog_template& t);

#endif
