#include "tests/support/test_support.h"

namespace testing_support {

Result AcquireFor(RunParameters& run, AcquireReport& report) {
    Notifier notifier(run.options.silent);
    return AcquireEudc({run.folders, run.options, run.target, run.fontLinks, notifier}, report);
}

Result InstallFor(RunParameters& run, InstallReport& report) {
    Notifier notifier(run.options.silent);
    return InstallEudc({run.folders, run.options, run.target, run.fontLinks, notifier}, report);
}

}  // namespace testing_support
