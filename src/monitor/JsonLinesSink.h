// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventLog.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

namespace hmdx {

// Appends each event as one JSON line to a file that is never truncated, so runs add up and
// other programs can follow it. One write() per line keeps lines whole when several runs share
// the file.
// A FIFO or socket whose reader does not keep up never holds up the caller: what the reader
// has not taken waits here, up to kBacklog; whole lines beyond that are dropped, counted, and
// the file says how many once the reader has caught up.
class JsonLinesSink : public EventSink {
public:
    static constexpr std::size_t kBacklog = 256 * 1024;

    // Opens or creates (mode 0600) the file for appending; nullptr and a message naming the
    // file when that fails.
    static std::unique_ptr<JsonLinesSink> Open(const std::filesystem::path& path,
                                               std::string& error);
    // Gives the reader a moment to take what waits; what it does not take is said on standard
    // error.
    ~JsonLinesSink() override;
    JsonLinesSink(const JsonLinesSink&) = delete;
    JsonLinesSink& operator=(const JsonLinesSink&) = delete;

    void write(const Event& e) override;

    // A message for the user. Called once on the first failed write, after which the sink
    // drops every event; and once on the first event dropped because the reader did not keep
    // up, after which the sink goes on.
    std::function<void(const std::string& message)> onFailure;
    bool failed() const { return m_failed; }
    // Events dropped in this run because the reader did not keep up.
    std::uint64_t dropped() const { return m_droppedTotal; }

private:
    JsonLinesSink(std::filesystem::path path, int fd);
    void flush();
    void drain();
    void fail(int error);
    void watchWritable();

    std::filesystem::path m_path;
    int m_fd = -1;
    bool m_failed = false;
    // Bytes the reader has not taken yet: whole lines, but the first may have begun already.
    std::string m_backlog;
    std::uint64_t m_dropped = 0; // not yet said in the file
    std::uint64_t m_droppedTotal = 0;
    std::unique_ptr<QSocketNotifier> m_writable;
};

} // namespace hmdx
