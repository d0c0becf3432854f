#pragma once

#include <QIcon>

namespace fendrel {

// Three arrows from one point: the icon of the window.
QIcon makeWindowIcon();

}  // namespace fendrel
