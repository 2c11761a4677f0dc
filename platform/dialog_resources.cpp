// The registered dialog templates, and the font each one's dialogs draw with.
#include "platform/dialog_resources.h"

#include <map>

#include "platform/window.h"

namespace {

// Made on first use: a template may be registered by a static object, before main runs.
std::map<int, dialog_resource>& resources()
{
    static std::map<int, dialog_resource> by_id;
    return by_id;
}

}  // namespace

void register_dialog_template(const dialog_template& t)
{
    resources()[t.id] = dialog_resource{&t, nullptr};
}

const dialog_resource* find_dialog_resource(int id)
{
    auto found = resources().find(id);
    if (found == resources().end())
        return nullptr;
    dialog_resource& resource = found->second;
    if (!resource.font)
        resource.font = template_font(*resource.dialog);
    return &resource;
}
