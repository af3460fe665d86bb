// The text of a Windows profile file (system.ini and the like) and the edits
// WritePrivateProfileStringA makes to it: sections and keys found without
// regard to case and surrounding blanks, a key's line replaced in place with
// its stored name kept, a new key added after the last line of its section, a
// new section added at the end, a null key removing the whole section and a
// null string removing the key. Lines end with CR LF, as Windows writes them.
#pragma once

#include <string>
#include <vector>

namespace fake {

class FakeProfileFile {
public:
    explicit FakeProfileFile(const std::string& text);

    // WritePrivateProfileStringA's edit: key null deletes the section, value
    // null deletes the key.
    void write(const std::string& section, const char* key, const char* value);

    std::string text() const;

private:
    // The index of the section's header line, or npos.
    std::size_t findSection(const std::string& section) const;
    // The end (exclusive) of the section that starts at header.
    std::size_t sectionEnd(std::size_t header) const;
    // The index of the key's line in [from, to), or npos.
    std::size_t findKey(const std::string& key, std::size_t from, std::size_t to) const;

    std::vector<std::string> lines_;
};

} // namespace fake
