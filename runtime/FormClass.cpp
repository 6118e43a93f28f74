#include "runtime/FormClass.h"

#include <map>

#include "runtime/RuntimeError.h"
#include "runtime/StdPicture.h"

namespace rt {
namespace {

struct ClassWithIcons {
    FormClass formClass;
    PictureRef icon, smallIcon;  // own the handles
};

ClassWithIcons classFor(int iconResource) {
    ClassWithIcons made;
    made.formClass.name = L"tarnwicketForm";
    if (!iconResource) return made;
    made.formClass.name += L"." + std::to_wstring(iconResource);
    try {
        made.icon = StdPicture::fromIconResource(iconResource, GetSystemMetrics(SM_CXICON));
        made.smallIcon = StdPicture::fromIconResource(iconResource, GetSystemMetrics(SM_CXSMICON));
    } catch (const RuntimeError&) {
        made.icon = made.smallIcon = nullptr;
        return made;
    }
    made.formClass.icon = made.icon->icon();
    made.formClass.smallIcon = made.smallIcon->icon();
    return made;
}

}  // namespace

const FormClass& formClass(int iconResource) {
    static std::map<int, ClassWithIcons> classes;
    auto found = classes.find(iconResource);
    if (found == classes.end()) found = classes.emplace(iconResource, classFor(iconResource)).first;
    return found->second.formClass;
}

}  // namespace rt
