#include "app/figure_description.h"

namespace fendrel {

std::string vectorName(Vec v) { return "Vector " + std::string(letter(v)); }

std::string vectorDescription(const FormState& s, Vec v) {
    std::string text = s.menu(setMenu(v)).caption;
    for (int axis : {0, 1}) text += "; " + s.menu(componentItem(v, axis)).caption;
    if (!s.enabled(setMenu(v))) text += "; locked";
    return text;
}

bool isSelected(const FormState& s, Vec v) { return s.vars.curVec == index(v) + 1; }

}  // namespace fendrel
