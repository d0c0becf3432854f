#include "ui/window_units.h"

#include <QScreen>
#include <QWidget>

namespace fendrel {

WindowUnits WindowUnits::of(const QWidget& w) {
    const QScreen& screen = *w.screen();
    return {screen.logicalDotsPerInchX(), screen.logicalDotsPerInchY()};
}

}  // namespace fendrel
