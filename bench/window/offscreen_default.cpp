#include "offscreen_default.h"

#include <QByteArray>
#include <QtGlobal>

namespace fendrel {

void useOffscreenUnlessChosen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

}  // namespace fendrel
