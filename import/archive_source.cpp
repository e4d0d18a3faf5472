// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive_library.h"
#include "entry_paths.h"
#include "import_limits.h"
#include "import_source.h"
#include "dialogue/messages.h"

#include <clocale>
#include <memory>

namespace wordbloom {

namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 16;

// libarchive gives names in the character set of the calling thread's
// locale. For as long as this lives, that is UTF-8 on this thread, whatever
// locale the desktop gave the program.
class Utf8Names {
public:
    Utf8Names() : m_locale(::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{})) {
        if (m_locale == locale_t{}) {
            throw ImportRefused(reason::archiveDamaged("C.UTF-8 locale"));
        }
        m_previous = ::uselocale(m_locale);
    }
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;
    ~Utf8Names() {
        ::uselocale(m_previous);
        ::freelocale(m_locale);
    }

private:
    locale_t m_locale;
    locale_t m_previous{};
};

struct ArchiveFree {
    void operator()(archive* opened) const { archiveLibrary().readFree(opened); }
};
using Archive = std::unique_ptr<archive, ArchiveFree>;

std::string errorOf(archive* opened) {
    const char* text = archiveLibrary().errorString(opened);
    return text != nullptr ? text : "?";
}

Archive openArchive(const ArchiveLibrary& library, const std::filesystem::path& file) {
    Archive opened(library.readNew());
    library.supportZip(opened.get());
    library.support7zip(opened.get());
    library.supportLha(opened.get());
    // An entry without the UTF-8 flag holds its name in code page 932, as
    // Windows writes it; one with the flag in UTF-8.
    library.setFormatOption(opened.get(), "zip", "hdrcharset", "CP932");
    library.setFormatOption(opened.get(), "lha", "hdrcharset", "CP932");
    if (library.openFilename(opened.get(), file.c_str(), kBlockSize) != ARCHIVE_OK) {
        throw ImportRefused(reason::kNotAnArchive);
    }
    return opened;
}

// The parts of an entry's path, once the entry is known to be a plain file or
// folder that stays inside.
std::vector<std::string> checkedEntry(archive* opened, archive_entry* entry, int status,
                                      std::size_t index) {
    const ArchiveLibrary& library = archiveLibrary();
    const char* name = library.pathname(entry);
    if (name == nullptr) {
        // A name that does not convert is the one warning that leaves none.
        throw ImportRefused(
            status == ARCHIVE_WARN
                ? reason::unreadableEntryName(std::to_string(index + 1) + " 番目のファイル")
                : reason::archiveDamaged(errorOf(opened)));
    }
    if (status != ARCHIVE_OK) {
        throw ImportRefused(reason::archiveDamaged(errorOf(opened)));
    }
    std::vector<std::string> parts = entryPathParts(name);
    const auto type = library.filetype(entry);
    if (type == AE_IFLNK || library.hardlink(entry) != nullptr) {
        throw ImportRefused(reason::entryIsALink(name));
    }
    if (type != AE_IFREG && type != AE_IFDIR) {
        throw ImportRefused(reason::entryIsNoFile(name));
    }
    if (library.isEncrypted(entry) != 0) {
        throw ImportRefused(reason::entryIsEncrypted(name));
    }
    return parts;
}

// Reads the data of the current entry, every byte counted against the
// budget; kept only when `keep`.
std::string readData(archive* opened, ReadBudget& budget, bool keep) {
    std::string data;
    const auto block = std::make_unique_for_overwrite<char[]>(kBlockSize);
    for (;;) {
        const la_ssize_t got = archiveLibrary().readData(opened, block.get(), kBlockSize);
        if (got < 0) {
            throw ImportRefused(reason::archiveDamaged(errorOf(opened)));
        }
        if (got == 0) {
            return data;
        }
        budget.spend(static_cast<std::size_t>(got));
        if (keep) {
            data.append(block.get(), static_cast<std::size_t>(got));
        }
    }
}

bool mayBeChosen(const SourceEntry& entry) {
    return entry.isFile && entry.parts.size() <= 2 && isDataFileName(entry.parts.back());
}

} // namespace

IncomingData readArchive(const std::filesystem::path& file, std::size_t fileSize) {
    const ArchiveLibrary& library = archiveLibrary();
    const Utf8Names utf8;
    const Archive opened = openArchive(library, file);
    ReadBudget budget(expansionLimit(fileSize));
    std::vector<SourceEntry> entries;
    std::vector<std::string> contents;
    archive_entry* entry = nullptr;
    for (int status = 0; (status = library.nextHeader(opened.get(), &entry)) != ARCHIVE_EOF;) {
        if (status < ARCHIVE_WARN && entries.empty() && library.format(opened.get()) == 0) {
            throw ImportRefused(reason::kNotAnArchive);
        }
        if (entries.size() == kEntryLimit) {
            throw ImportRefused(reason::tooManyEntries(kEntryLimit));
        }
        SourceEntry found{checkedEntry(opened.get(), entry, status, entries.size()),
                          library.filetype(entry) == AE_IFREG};
        if (found.parts.empty()) {
            found.isFile = false;
        }
        // Every byte is read and counted, also of entries left out: an
        // archive that expands without end is refused whatever holds it.
        contents.push_back(readData(opened.get(), budget, found.isFile && mayBeChosen(found)));
        entries.push_back(std::move(found));
    }
    EntrySelection selection = selectEntries(entries);
    IncomingData data;
    data.leftOut = std::move(selection.leftOut);
    for (const std::size_t chosen : selection.chosen) {
        data.files.push_back({entries[chosen].parts.back(), std::move(contents[chosen]),
                              joinedPath(entries[chosen].parts)});
    }
    return data;
}

} // namespace wordbloom
