// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a fixed text for lupdate; it is translated where it is shown. Spelled as Qt spells it,
// so that layers built without Qt (the fuzzers) compile and Qt's own definition still agrees.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
