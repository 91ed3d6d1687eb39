// SPDX-License-Identifier: GPL-3.0-or-later
#include "Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initHmdxResources() {
    Q_INIT_RESOURCE(hmdx);
}

namespace hmdx {

void InitUiResources() {
    static const bool done = (initHmdxResources(), true);
    (void)done;
}

} // namespace hmdx
