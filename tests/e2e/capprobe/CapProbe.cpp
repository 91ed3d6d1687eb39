// SPDX-License-Identifier: GPL-3.0-or-later
// Test-only generic plugin: appends the Cap* lines of the process that loads it to
// $HMDX_CAPPROBE_FILE. A plugin named by the caller's environment is code hmdx runs for that
// caller, so what it may do is whatever hmdx still holds when Qt loads it.
#include <QGenericPlugin>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// Runs when Qt dlopens the library: earlier than any call into the plugin.
[[maybe_unused]] const bool recorded = [] {
    const char* file = std::getenv("HMDX_CAPPROBE_FILE");
    std::ifstream status("/proc/self/status");
    std::string caps;
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("Cap"))
            caps += line + '\n';
    // 0666 less the umask: a case running it as another user makes the file itself.
    const int fd = file ? ::open(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666) : -1;
    if (fd < 0)
        return false;
    const bool whole = ::write(fd, caps.data(), caps.size()) == ssize_t(caps.size());
    ::close(fd);
    return whole;
}();

} // namespace

class CapProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "capprobe.json")

public:
    // Null would have Qt warn of a missing plugin; it deletes this with the application.
    QObject* create(const QString&, const QString&) override { return new QObject; }
};

#include "CapProbe.moc"
