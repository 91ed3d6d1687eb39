// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace hmdx {

// How reading a settings text went.
enum class TextRead { Read, Absent, Folder, NotRegular, TooLarge, Failed };

struct TextFile {
    TextRead how = TextRead::Absent;
    int error = 0;     // the errno, for Failed
    std::string bytes; // for Read
};

inline constexpr std::size_t kMaxTextFile = 1 << 20;

// Reads a small text file through any link, never blocking: anything but a regular file (a
// FIFO would wait for a writer, a device might never end) is not opened at all, and the open
// itself does not wait. Plain POSIX, so that every layer can use it.
TextFile ReadTextFile(const std::filesystem::path& path, std::size_t limit = kMaxTextFile);

// An INI text kept line for line, so that a save changes the entries it sets and leaves every
// other byte as it was. Sections are `[name]`, with an optional `;` or `#` comment after them;
// entries `key=value`; a line whose first non-blank is `;` or `#` is a comment. Keys and
// values are taken as written: no escapes, no lists, no types. A value ends at a `;` (its
// comment), blanks around it dropped, unless it is quoted whole in double quotes.
class IniText {
public:
    enum class Kind { Blank, Comment, Section, Entry, Malformed };
    struct Line {
        Kind kind = Kind::Blank;
        std::string raw;     // as in the text, without its line feed
        std::string section; // "" before the first section
        std::string key;     // an entry's key, or a header's section
        std::string value;
        bool clean = true; // false: the value holds a control character or is followed by text
        std::size_t valueBegin = 0, valueEnd = 0; // the value as written, within raw
    };

    explicit IniText(std::string_view text = {});
    std::string text() const;
    const std::vector<Line>& lines() const { return m_lines; }
    // The first malformed line's number, counting from 1; 0 when there is none.
    std::size_t firstMalformed() const;
    // Where `key` is in `section`, in the text's order.
    std::vector<std::size_t> find(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

    // The first entry of `key` gets the value in place (its comment stays) and later ones go;
    // a missing entry is added after the section's last entry, a missing section at the end.
    void set(std::string_view section, std::string_view key, std::string_view value);
    void remove(std::string_view section, std::string_view key);
    // Makes the malformed lines of a section comments, so that it reads again.
    void commentOutMalformed(std::string_view section);

private:
    void insert(std::size_t at, std::string raw, std::string_view section);

    std::string m_bom; // a UTF-8 byte order mark before the first line
    std::vector<Line> m_lines;
    bool m_finalNewline = false;
};

} // namespace hmdx
