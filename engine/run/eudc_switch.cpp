#include "engine/run/eudc_switch.h"

#include "engine/report/texts.h"
#include "platform/interaction.h"

void SwitchEudc(EudcSwitch requested, Notifier& notifier) {
    if (requested == EudcSwitch::kNone) return;
    const bool on = requested == EudcSwitch::kOn;
    platform::EnableEudc(on ? platform::kEudcOn : platform::kEudcOff);
    notifier.Notify(texts::Format(texts::kEudcSwitched, {on ? texts::kStateOn : texts::kStateOff}));
}
