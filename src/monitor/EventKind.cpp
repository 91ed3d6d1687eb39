// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventKind.h"

#include <QtGlobal>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace hmdx {
namespace {

using K = EventKind;
using N = Notice;

// Kind, word, notice, whether the alert command runs.
constexpr EventKindInfo kKinds[] = {
    {K::Start, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "start"), N::None, false},
    {K::End, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "end"), N::EveryItemBack, false},
    {K::WarningRaised, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "warning raised"), N::ItemWarning,
     true},
    {K::WarningCleared, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "warning cleared"), N::ItemBack,
     true},
    {K::Ignore, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "ignore"), N::None, false},
    {K::Disable, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "disable"), N::ItemBack, false},
    {K::ShutDown, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "shut down"), N::None, false},
    {K::LimitChanged, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "limit changed"), N::None, false},
    {K::Default, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "default"), N::None, false},
    {K::Save, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "save"), N::None, false},
    {K::SaveFailed, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "save failed"), N::SaveFailed, false},
    {K::ConfigurationChanged, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "configuration changed"),
     N::None, false},
    {K::PasswordAccepted, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "password accepted"), N::None,
     false},
    {K::PasswordRefused, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "password refused"), N::None,
     false},
    {K::ChipReprogrammed, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "chip reprogrammed"),
     N::Reprogrammed, true},
    {K::FanSettingsChanged, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "fan settings changed"),
     N::None, false},
    {K::FanFailsafe, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "fan failsafe"), N::FanFailsafe,
     true},
    {K::FanControlResumed, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "fan control resumed"),
     N::FanResumed, false},
    {K::FanGuardianEnded, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "fan guardian ended"), N::None,
     false},
    {K::FanGuardianNotStarted, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "fan guardian not started"),
     N::None, false},
    {K::MetricsWriteFailed, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "metrics write failed"),
     N::None, false},
    {K::AlertCommandOutput, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "alert command output"),
     N::None, false},
    {K::AlertCommandFailed, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "alert command failed"),
     N::None, false},
    {K::AlertEventsDropped, QT_TRANSLATE_NOOP("hmdx::EventLogModel", "alert events dropped"),
     N::None, false},
    // Never in the window: nothing to translate.
    {K::EventsNotWritten, "events not written", N::None, false},
};

// A word shared by two kinds would make the log file and the journal ambiguous.
constexpr bool OneRowPerKindWithAWordOfItsOwn() {
    for (std::size_t i = 0; i < std::size(kKinds); ++i) {
        if (kKinds[i].kind != EventKind(i))
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (std::string_view(kKinds[i].word) == kKinds[j].word)
                return false;
    }
    return std::size(kKinds) == std::size_t(EventKind::EventsNotWritten) + 1;
}
static_assert(OneRowPerKindWithAWordOfItsOwn());

} // namespace

const EventKindInfo& InfoOf(EventKind kind) {
    return kKinds[std::size_t(kind)];
}

} // namespace hmdx
