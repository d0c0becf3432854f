#pragma once

namespace fendrel {

// The benchmarks run without a display unless QT_QPA_PLATFORM names a platform.
void useOffscreenUnlessChosen();

}  // namespace fendrel
