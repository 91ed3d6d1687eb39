// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "Translations.h"
#include "chip/sim/Scenario.h"

#include <utility>

namespace hmdx {
namespace {

// Options that take a file or folder, as "--opt VALUE" or "--opt=VALUE".
struct ValueOption {
    const char* name;
    std::string CommandLine::*target;
};

constexpr ValueOption kValueOptions[] = {
    {"--scenario", &CommandLine::scenarioFile},      {"--sim-trace", &CommandLine::traceFile},
    {"--sim-dump", &CommandLine::dumpFile},          {"--data-dir", &CommandLine::dataDir},
    {"--event-log", &CommandLine::eventLogFile},     {"--metrics-file", &CommandLine::metricsFile},
    {"--alert-command", &CommandLine::alertCommand},
};

std::optional<std::string> takeValue(const std::vector<std::string>& args, size_t& i,
                                     const std::string& name) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0)
        return arg.substr(name.size() + 1);
    if (arg == name && i + 1 < args.size())
        return args[++i];
    return std::nullopt;
}

constexpr int kMostSeconds = 86400;

// Whole seconds, `least` to a day.
std::optional<int> parseSeconds(const std::string& text, int least) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int seconds = std::stoi(text);
    return seconds >= least && seconds <= kMostSeconds ? std::optional<int>(seconds) : std::nullopt;
}

// "--opt N" or "--opt=N": whole seconds from `least` to a day, or a message naming the option.
std::optional<std::string> takeSeconds(const std::vector<std::string>& args, size_t& i,
                                       const std::string& name, int least, int& target) {
    std::optional<std::string> value = takeValue(args, i, name);
    const std::optional<int> seconds = value ? parseSeconds(*value, least) : std::nullopt;
    if (!seconds)
        return value ? Filled(Translated("hmdx::CommandLine",
                                         "%1 needs whole seconds from %2 to 86400, got '%3'"),
                              {name, std::to_string(least), *value})
                     : Filled(Translated("hmdx::CommandLine",
                                         "%1 needs whole seconds from %2 to 86400"),
                              {name, std::to_string(least)});
    target = *seconds;
    return std::nullopt;
}

bool matches(const std::string& arg, const std::string& name) {
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

} // namespace

CommandLineParse ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            cl.help = true;
        } else if (arg == "--version") {
            cl.version = true;
        } else if (arg == "--simulate") {
            cl.simulate = true;
        } else if (arg.rfind("--simulate=", 0) == 0) {
            cl.simulate = true;
            cl.simulateModel = arg.substr(11);
            if (!sim::IsKnownModelName(cl.simulateModel))
                return {std::nullopt,
                        Filled(Translated("hmdx::CommandLine",
                                          "unknown chip model '%1' (use hma, hmb, hmc or hmdf)"),
                               {cl.simulateModel})};
        } else if (arg == "--fans-full") {
            cl.fansFull = true;
        } else if (arg == "--headless") {
            cl.headless = true;
        } else if (arg == "--minimized") {
            cl.minimized = true;
        } else if (matches(arg, "--verify-interval")) {
            if (auto error = takeSeconds(args, i, "--verify-interval", 0, cl.verifySeconds))
                return {std::nullopt, *error};
        } else if (matches(arg, "--metrics-interval")) {
            if (auto error = takeSeconds(args, i, "--metrics-interval", 1, cl.metricsSeconds))
                return {std::nullopt, *error};
        } else {
            bool known = false;
            for (const ValueOption& option : kValueOptions) {
                if (!matches(arg, option.name))
                    continue;
                auto value = takeValue(args, i, option.name);
                if (!value || value->empty())
                    return {
                        std::nullopt,
                        Filled(Translated("hmdx::CommandLine", "%1 needs a value"), {option.name})};
                cl.*option.target = std::move(*value);
                known = true;
            }
            if (!known)
                return {std::nullopt,
                        Filled(Translated("hmdx::CommandLine", "unknown option '%1'"), {arg})};
        }
    }
    if (!cl.scenarioFile.empty())
        cl.simulate = true;
    if (!cl.simulate && !(cl.traceFile.empty() && cl.dumpFile.empty()))
        return {std::nullopt,
                Translated("hmdx::CommandLine",
                           "--sim-trace and --sim-dump need --simulate or --scenario")};
    return {cl, {}};
}

std::string UsageText() {
    return Translated(
        "hmdx::CommandLine",
        "Usage: hmdx [options]\n"
        "Watches the motherboard's hardware monitor chip: voltages, fans, temperatures\n"
        "and the case switch. Without --simulate or --scenario it drives the real chip,\n"
        "which needs the port capability (man hmdx, PERMISSIONS).\n\n"
        "  --simulate[=MODEL]   simulate the chip: hma, hmb, hmc or hmdf (default hmb)\n"
        "  --scenario FILE      script the simulated chip (implies --simulate); the\n"
        "                       statements are described in man hmdx, SCENARIO LANGUAGE\n"
        "  --sim-trace FILE     write every port access of the simulation to FILE\n"
        "  --sim-dump FILE      write the simulated registers to FILE when hmdx ends\n"
        "  --data-dir DIR       keep the settings file in DIR, not in the default folder\n"
        "                       (beside the program in a build tree or one's own copy,\n"
        "                       else ~/.local/share/hmdx)\n"
        "  --event-log FILE     also append every event to FILE as JSON Lines\n"
        "  --verify-interval S  read the chip's limits back every S seconds and put them\n"
        "                       right when they changed (default 60; 0: never)\n"
        "  --headless           run without a display: warnings go to standard error and\n"
        "                       the event log; SIGTERM ends it\n"
        "  --metrics-file FILE  write Prometheus metrics (node_exporter textfile format)\n"
        "  --metrics-interval S how often to write them (default 15)\n"
        "  --fans-full          set every fan output of the chip to full speed and exit\n"
        "  --alert-command PROGRAM\n"
        "                       run PROGRAM (no shell, no arguments) when a warning is\n"
        "                       raised or cleared, the chip is reprogrammed or a fan\n"
        "                       goes to its failsafe; HMDX_* variables say what happened\n"
        "                       (default: alertCommand in hmdx.conf)\n"
        "  --minimized          start hidden in the tray (minimised without a tray)\n"
        "  --help               show this help\n"
        "  --version            show the version\n");
}

} // namespace hmdx
