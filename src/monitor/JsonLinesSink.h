// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventLog.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace hmdx {

// Appends each event as one JSON line to a file that is never truncated, so runs add up and
// other programs can follow it. One write() per line keeps lines whole when several runs share
// the file.
class JsonLinesSink : public EventSink {
public:
    // Opens or creates (mode 0600) the file for appending; nullptr and a message naming the
    // file when that fails.
    static std::unique_ptr<JsonLinesSink> Open(const std::filesystem::path& path,
                                               std::string& error);
    ~JsonLinesSink() override;
    JsonLinesSink(const JsonLinesSink&) = delete;
    JsonLinesSink& operator=(const JsonLinesSink&) = delete;

    void write(const Event& e) override;

    // Called once, on the first failed write; the sink drops every event after that.
    std::function<void(const std::string& message)> onFailure;
    bool failed() const { return m_failed; }

private:
    JsonLinesSink(std::filesystem::path path, int fd) : m_path(std::move(path)), m_fd(fd) {}

    std::filesystem::path m_path;
    int m_fd = -1;
    bool m_failed = false;
};

} // namespace hmdx
