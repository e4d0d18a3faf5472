// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive_maker.h"

#include <archive.h>
#include <archive_entry.h>
#include <clocale>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace wordbloom::testing {

namespace {

// The zip writer marks a name as UTF-8 when the writing thread's locale is.
class ThreadLocale {
public:
    explicit ThreadLocale(const char* name) : m_locale(::newlocale(LC_ALL_MASK, name, locale_t{})) {
        m_previous = ::uselocale(m_locale);
    }
    ThreadLocale(const ThreadLocale&) = delete;
    ThreadLocale& operator=(const ThreadLocale&) = delete;
    ~ThreadLocale() {
        ::uselocale(m_previous);
        ::freelocale(m_locale);
    }

private:
    locale_t m_locale;
    locale_t m_previous{};
};

void check(archive* writer, int status) {
    if (status < ARCHIVE_WARN) {
        throw std::runtime_error(archive_error_string(writer));
    }
}

void writeEntry(archive* writer, const ArchiveEntry& item) {
    const ThreadLocale locale(item.utf8Flag ? "C.UTF-8" : "C");
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, item.name.c_str());
    archive_entry_set_perm(entry, 0644);
    switch (item.kind) {
    case ArchiveEntry::Kind::File:
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_size(entry, static_cast<la_int64_t>(item.bytes.size()));
        break;
    case ArchiveEntry::Kind::Folder:
        archive_entry_set_filetype(entry, AE_IFDIR);
        break;
    case ArchiveEntry::Kind::SymbolicLink:
        archive_entry_set_filetype(entry, AE_IFLNK);
        archive_entry_set_symlink(entry, item.linkTarget.c_str());
        break;
    case ArchiveEntry::Kind::HardLink:
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_hardlink(entry, item.linkTarget.c_str());
        break;
    }
    check(writer, archive_write_header(writer, entry));
    if (!item.bytes.empty() &&
        archive_write_data(writer, item.bytes.data(), item.bytes.size()) < 0) {
        throw std::runtime_error(archive_error_string(writer));
    }
    archive_entry_free(entry);
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFFU);
    }
}

// The CRC-16 of LHA (polynomial 0xA001).
std::uint32_t crc16(const std::string& bytes) {
    std::uint32_t crc = 0;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) != 0 ? (crc >> 1) ^ 0xA001U : crc >> 1;
        }
    }
    return crc;
}

} // namespace

void writeArchive(const std::filesystem::path& file, ArchiveFormat format,
                  const std::vector<ArchiveEntry>& entries, const std::string& passphrase) {
    archive* writer = archive_write_new();
    check(writer, format == ArchiveFormat::Zip ? archive_write_set_format_zip(writer)
                                               : archive_write_set_format_7zip(writer));
    if (!passphrase.empty()) {
        check(writer, archive_write_set_options(writer, "zip:encryption=zipcrypt"));
        check(writer, archive_write_set_passphrase(writer, passphrase.c_str()));
    }
    check(writer, archive_write_open_filename(writer, file.c_str()));
    for (const ArchiveEntry& entry : entries) {
        writeEntry(writer, entry);
    }
    check(writer, archive_write_close(writer));
    archive_write_free(writer);
}

void writeLzh(const std::filesystem::path& file, const std::string& name,
              const std::string& bytes) {
    std::string header = "-lh0-";
    putLittleEndian(header, static_cast<std::uint32_t>(bytes.size()), 4); // packed size
    putLittleEndian(header, static_cast<std::uint32_t>(bytes.size()), 4); // original size
    putLittleEndian(header, 0x58210000U, 4);                              // DOS time and date
    header += '\x20';                                                     // attribute: a file
    header += '\x00';                                                     // header level 0
    header += static_cast<char>(name.size());
    header += name;
    putLittleEndian(header, crc16(bytes), 2);
    std::uint32_t sum = 0;
    for (const char c : header) {
        sum += static_cast<unsigned char>(c);
    }
    std::string archive;
    archive += static_cast<char>(header.size());
    archive += static_cast<char>(sum & 0xFFU);
    archive += header + bytes + '\0';
    std::ofstream(file, std::ios::binary) << archive;
}

} // namespace wordbloom::testing
