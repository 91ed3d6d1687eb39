// SPDX-License-Identifier: GPL-3.0-or-later
#include "IniText.h"

#include "FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hmdx {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t') || u == 0x7F;
}

bool HasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsControl);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Nothing but blanks and a comment from `from` to `end`.
bool OnlyComment(std::string_view raw, std::size_t from, std::size_t end) {
    while (from < end && IsBlank(raw[from]))
        ++from;
    return from == end || raw[from] == ';' || raw[from] == '#';
}

void ParseValue(IniText::Line& line, std::size_t from, std::size_t end) {
    const std::string_view raw = line.raw;
    while (from < end && IsBlank(raw[from]))
        ++from;
    line.valueBegin = from;
    if (from < end && raw[from] == '"') {
        const std::size_t close = raw.find('"', from + 1);
        if (close < end && OnlyComment(raw, close + 1, end)) {
            line.valueEnd = close + 1;
            line.value = raw.substr(from + 1, close - from - 1);
            line.clean = !HasControl(line.value);
            return;
        }
        line.clean = false; // all of it, up to a comment after the quotes, goes when it is set
    }
    const std::size_t quoted = line.clean ? from : raw.find('"', from + 1);
    std::size_t stop = std::min(raw.find(';', quoted), end);
    while (stop > from && IsBlank(raw[stop - 1]))
        --stop;
    line.valueEnd = stop;
    line.value = raw.substr(from, stop - from);
    line.clean = line.clean && !HasControl(line.value);
}

IniText::Line Parse(std::string raw, std::string_view section) {
    using Kind = IniText::Kind;
    IniText::Line line;
    line.raw = std::move(raw);
    line.section = section;
    const std::string_view text = line.raw;
    const std::size_t end = text.ends_with('\r') ? text.size() - 1 : text.size();
    std::size_t i = 0;
    while (i < end && IsBlank(text[i]))
        ++i;
    line.kind = Kind::Malformed;
    if (i == end || text[i] == ';' || text[i] == '#') {
        line.kind = i == end ? Kind::Blank : Kind::Comment;
    } else if (text[i] == '[') {
        const std::size_t close = text.find(']', i);
        const std::string_view name =
            close < end ? Trimmed(text.substr(i + 1, close - i - 1)) : std::string_view();
        if (!name.empty() && !HasControl(name) && OnlyComment(text, close + 1, end)) {
            line.kind = Kind::Section;
            line.key = line.section = name;
        }
    } else if (const std::size_t equals = text.find('='); equals < end) {
        const std::string_view key = Trimmed(text.substr(i, equals - i));
        if (!key.empty() && !HasControl(key)) {
            line.kind = Kind::Entry;
            line.key = key;
            ParseValue(line, equals + 1, end);
        }
    }
    return line;
}

} // namespace

TextFile ReadTextFile(const std::filesystem::path& path, std::size_t limit) {
    TextFile file;
    const auto fail = [&file](TextRead how, int error = 0) {
        file.how = how;
        file.error = error;
        file.bytes.clear();
        return file;
    };
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return fail(errno == ENOENT ? TextRead::Absent : TextRead::Failed, errno);
    // Looked at before the open, which on a device may already do something.
    if (S_ISDIR(st.st_mode))
        return fail(TextRead::Folder);
    if (!S_ISREG(st.st_mode))
        return fail(TextRead::NotRegular);
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
        return fail(TextRead::Failed, errno);
    if (!S_ISREG(st.st_mode)) // swapped since
        return fail(S_ISDIR(st.st_mode) ? TextRead::Folder : TextRead::NotRegular);
    if (std::size_t(st.st_size) > limit)
        return fail(TextRead::TooLarge);
    char buffer[16384];
    while (file.bytes.size() <= limit) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(TextRead::Failed, errno);
        if (n == 0)
            break;
        file.bytes.append(buffer, std::size_t(n));
    }
    if (file.bytes.size() > limit) // grew while read
        return fail(TextRead::TooLarge);
    file.how = TextRead::Read;
    return file;
}

IniText::IniText(std::string_view text) {
    if (text.starts_with(kBom)) {
        m_bom = kBom;
        text.remove_prefix(kBom.size());
    }
    std::string section;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        m_lines.push_back(Parse(std::string(text.substr(0, feed)), section));
        if (m_lines.back().kind == Kind::Section)
            section = m_lines.back().section;
        m_finalNewline = feed != std::string_view::npos;
        text.remove_prefix(m_finalNewline ? feed + 1 : text.size());
    }
}

std::string IniText::text() const {
    std::string out = m_bom;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        out += m_lines[i].raw;
        if (i + 1 < m_lines.size() || m_finalNewline)
            out += '\n';
    }
    return out;
}

std::size_t IniText::firstMalformed() const {
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Malformed)
            return i + 1;
    return 0;
}

std::vector<std::size_t> IniText::find(std::string_view section, std::string_view key) const {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Entry && m_lines[i].section == section &&
            m_lines[i].key == key)
            found.push_back(i);
    return found;
}

bool IniText::hasSection(std::string_view section) const {
    return std::any_of(m_lines.begin(), m_lines.end(), [&](const Line& line) {
        return line.kind == Kind::Section && line.section == section;
    });
}

void IniText::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<std::size_t> found = find(section, key);
    if (found.empty()) {
        // After the section's last entry or header, so that a comment that leads into the next
        // section stays with it; before the first section, after what is there.
        std::size_t at = m_lines.size() + 1;
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const Kind kind = m_lines[i].kind;
            if (m_lines[i].section == section && kind != Kind::Blank && kind != Kind::Comment)
                at = i + 1;
            else if (section.empty() && m_lines[i].section.empty() && kind == Kind::Comment)
                at = i + 1;
        }
        if (section.empty() && at > m_lines.size())
            at = 0;
        if (at > m_lines.size()) {
            if (!m_lines.empty() && m_lines.back().kind != Kind::Blank)
                insert(m_lines.size(), "", m_lines.back().section);
            insert(m_lines.size(), "[" + std::string(section) + "]", section);
            at = m_lines.size();
        }
        insert(at, std::string(key) + "=" + std::string(value), section);
        return;
    }
    Line& line = m_lines[found.front()];
    std::string raw = line.raw;
    const std::size_t begin = line.valueBegin, length = line.valueEnd - line.valueBegin;
    Line written = Parse(std::string(raw).replace(begin, length, value), section);
    // A `#` comment may follow quotes but would run on from a bare value: quote it too.
    if (written.value != value)
        written = Parse(raw.replace(begin, length, "\"" + std::string(value) + "\""), section);
    line = std::move(written);
    for (std::size_t i = found.size(); i-- > 1;)
        m_lines.erase(m_lines.begin() + std::ptrdiff_t(found[i]));
}

void IniText::remove(std::string_view section, std::string_view key) {
    const std::vector<std::size_t> found = find(section, key);
    for (std::size_t i = found.size(); i-- > 0;)
        m_lines.erase(m_lines.begin() + std::ptrdiff_t(found[i]));
}

void IniText::commentOutMalformed(std::string_view section) {
    for (Line& line : m_lines)
        if (line.kind == Kind::Malformed && line.section == section)
            line = Parse("; " + line.raw, section);
}

void IniText::insert(std::size_t at, std::string raw, std::string_view section) {
    if (at == m_lines.size())
        m_finalNewline = true;
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), Parse(std::move(raw), section));
}

} // namespace hmdx
