// Made by the dialog manager of the platform, from a template it is handed, never from ui/ itself.
#include "platform/dialog_template.h"
#include "ui/resource.h"
