#pragma once

#include "accounts/usermanager.h"
#include "support/stdoutcapture.h"
#include "timer/defaultviewmodel.h"

// A signed-out view-model, with what it prints kept out of the test log.
struct ModelFixture
{
    StdoutCapture capture;
    UserManager users{nullptr};
    DefaultViewModel model{Alarm::makeDefault(), [](DefaultViewModel &) {}, &users};

    // Counts down `seconds`, or until the phase ends.
    void run(int seconds = -1)
    {
        model.setIsTimerRunning(true);
        for (int i = 0; seconds < 0 ? model.isTimerRunning() : i < seconds; ++i)
            model.tick();
    }
};
