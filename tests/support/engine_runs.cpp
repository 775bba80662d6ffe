#include "tests/support/test_support.h"

namespace testing_support {

// The registry's table as the operation left it becomes the run's, as the
// main window keeps it.
Result AcquireFor(RunParameters& run, AcquireReport& report) {
    Notifier notifier(run.options.silent, run.options.Asks());
    const Result result = AcquireEudc({run.folders, run.options, run.target, notifier}, report);
    run.fontLinks = report.registryLinks;
    return result;
}

Result InstallFor(RunParameters& run, InstallReport& report) {
    Notifier notifier(run.options.silent, run.options.Asks());
    const Result result = InstallEudc({run.folders, run.options, run.target, notifier}, report);
    run.fontLinks = report.registryLinks;
    return result;
}

}  // namespace testing_support
