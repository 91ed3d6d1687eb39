#include "Shutdown.h"

namespace hmdx {

void ShutdownSystem(MessageBoxes& boxes, PortIo& io, PowerOff& power) {
    if (!boxes.askYesNo(kShutdownQuestion, kShutdownTitle))
        return;
    if (io.EnablePri() == 0) {
        boxes.inform(kShutdownRefused);
        return;
    }
    // Nothing is saved on this road: the user asked to go down now.
    power.requestPowerOff();
    io.DisablePri();
}

} // namespace hmdx
