// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_limits.h"
#include "import/import_source.h"
#include "import_fixture.h"
#include "dialogue/messages.h"

#include <algorithm>
#include <clocale>
#include <functional>
#include <sys/stat.h>

namespace wordbloom::testing {
namespace {

using Entries = std::vector<ArchiveEntry>;
using Names = std::vector<std::string>;

Names namesOf(const IncomingData& data) {
    Names names;
    for (const IncomingFile& file : data.files) {
        names.push_back(file.name + "=" + file.bytes);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Whatever locale the desktop gives the game, names come in the same: code
// page 932 without the UTF-8 flag, UTF-8 with it; 7z keeps UTF-16 and LHA
// code page 932; names on disk that are not UTF-8 are code page 932.
TEST_F(ImportTest, NamesOfEveryKindOfSourceComeInTheSameInAnyLocale) {
    const std::string list = cp932("りんご\r\n");
    const Names all = {"ソフト_履歴.txt=" + list, "能力.txt=" + list, "表示.txt=" + list};
    const auto three = [&](const std::string& hyouji, const std::string& sofutoLog,
                           const std::string& nouryoku, bool flag) {
        return Entries{{hyouji, list, ArchiveEntry::Kind::File, flag},
                       {sofutoLog, list, ArchiveEntry::Kind::File, flag},
                       {nouryoku, list, ArchiveEntry::Kind::File, flag}};
    };
    const std::vector<std::string> sjis = {kHyouji + ".txt", kSofuto + cp932("_履歴.txt"),
                                           kNouryoku + ".txt"};
    const std::filesystem::path file = source.path() / "data";
    struct Case {
        const char* what;
        std::function<void()> make;
        Names names;
    };
    const std::vector<Case> cases = {
        {"zip from Windows, no UTF-8 flag",
         [&] { writeArchive(file, ArchiveFormat::Zip, three(sjis[0], sjis[1], sjis[2], false)); },
         all},
        {"zip with the UTF-8 flag",
         [&] {
             writeArchive(file, ArchiveFormat::Zip,
                          three("表示.txt", "ソフト_履歴.txt", "能力.txt", true));
         },
         all},
        {"7z",
         [&] {
             writeArchive(file, ArchiveFormat::SevenZip,
                          three("表示.txt", "ソフト_履歴.txt", "能力.txt", true));
         },
         all},
        {"lzh", [&] { writeLzh(file, kHyouji + ".txt", list); }, {"表示.txt=" + list}},
        {"folder of Shift_JIS names",
         [&] {
             std::filesystem::create_directory(file);
             for (const std::string& name : sjis) {
                 source.write("data/" + name, list);
             }
         },
         all},
    };
    for (const char* locale : {"C", "C.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
        for (const Case& c : cases) {
            std::filesystem::remove_all(file);
            c.make();
            EXPECT_EQ(namesOf(readIncomingData(file)), c.names) << c.what << " in " << locale;
        }
    }
    std::setlocale(LC_ALL, "C");
}

// The data files at the top, or inside the one folder at the top; all else
// is left out and said so.
TEST_F(ImportTest, OnlyDataFilesAtTheTopOrInOneWrappingFolderComeIn) {
    struct Case {
        Entries entries;
        Names names;
        std::vector<std::string> leftOut;
    };
    constexpr auto kFile = ArchiveEntry::Kind::File;
    const Case cases[] = {
        {{{"古いデータ/", "", ArchiveEntry::Kind::Folder, true},
          {"古いデータ/履歴.txt", "h", kFile, true},
          {"古いデータ/readme.html", "r", kFile, true},
          {"古いデータ/写真/a.txt", "a", kFile, true}},
         {"履歴.txt=h"},
         {"古いデータ/readme.html", "古いデータ/写真/a.txt"}},
        {{{"履歴.txt", "h", kFile, true}, {"sub/題目.txt", "t", kFile, true}},
         {"履歴.txt=h"},
         {"sub/題目.txt"}},
        {{{"a/履歴.txt", "h", kFile, true}, {"b/題目.txt", "t", kFile, true}},
         {},
         {"a/履歴.txt", "b/題目.txt"}},
    };
    for (const Case& c : cases) {
        const std::filesystem::path file = source.path() / "data.zip";
        writeArchive(file, ArchiveFormat::Zip, c.entries);
        IncomingData read;
        try {
            read = readArchive(file, std::filesystem::file_size(file));
        } catch (const ImportRefused&) {
            ADD_FAILURE() << c.entries.front().name;
        }
        EXPECT_EQ(namesOf(read), c.names);
        std::vector<std::string> leftOut;
        for (const LeftOutEntry& entry : read.leftOut) {
            leftOut.push_back(entry.entry);
        }
        EXPECT_EQ(leftOut, c.leftOut);
    }
}

// The start of a reason with a detail of its own, before that detail.
std::string startOf(const std::string& withDetail) {
    return withDetail.substr(0, withDetail.find('\x01'));
}

// An archive that could write outside the data folder, or that cannot be
// read whole, is refused with its reason, and the data folder stays as it
// was.
TEST_F(ImportTest, HostileOrDamagedSourcesAreRefusedWholeAndWriteNothing) {
    const std::string text = cp932(std::string(200, 'x') + "\r\n");
    std::string damaged;
    std::string truncated;
    {
        const std::filesystem::path file = source.path() / "good.zip";
        writeArchive(file, ArchiveFormat::Zip, {{"履歴.txt", std::string(100'000, 'a') + text}});
        damaged = truncated = TempDir::readFile(file);
        for (std::size_t at = 60; at < 90; ++at) {
            damaged[at] = static_cast<char>(damaged[at] ^ 0x55);
        }
        truncated.resize(truncated.size() / 2);
    }
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        std::string why; // the reason, or its start
    };
    const auto zip = [](const Entries& entries) {
        return [entries](const std::filesystem::path& file) {
            writeArchive(file, ArchiveFormat::Zip, entries);
        };
    };
    const auto bytes = [this](const std::string& content) {
        return [this, content](const std::filesystem::path& file) {
            source.write(file.filename().string(), content);
        };
    };
    const Case cases[] = {
        {"../", zip({{"履歴.txt", text}, {"../x.txt", text}}),
         reason::entryOutsideTheFolder("../x.txt")},
        {"absolute", zip({{"/tmp/x.txt", text}}), reason::entryOutsideTheFolder("/tmp/x.txt")},
        {"drive", zip({{"C:\\x.txt", text}}), startOf(reason::entryOutsideTheFolder("\x01"))},
        {"inner ..", zip({{"a/../../x.txt", text}}),
         reason::entryOutsideTheFolder("a/../../x.txt")},
        {"link", zip({{"履歴.txt", "", ArchiveEntry::Kind::SymbolicLink, true, "/etc/passwd"}}),
         reason::entryIsALink("履歴.txt")},
        {"bomb", zip({{"履歴.txt", std::string(17 * kMiB, '\0')}}),
         reason::importTooLarge(16 * kMiB)},
        {"unreadable name", zip({{"\x80\xFF.txt", text}}),
         startOf(reason::unreadableEntryName("\x01"))},
        {"flagged name not UTF-8", zip({{"\xE8\xA1.txt", text, ArchiveEntry::Kind::File, true}}),
         startOf(reason::unreadableEntryName("\x01"))},
        {"damaged", bytes(damaged), startOf(reason::archiveDamaged("\x01"))},
        {"truncated", bytes(truncated), ""},
        {"not an archive", bytes("hello\r\n"), reason::kNotAnArchive},
        {"encrypted",
         [text](const std::filesystem::path& file) {
             writeArchive(file, ArchiveFormat::Zip,
                          {{"履歴.txt", text, ArchiveEntry::Kind::File, true}}, "secret");
         },
         reason::entryIsEncrypted("履歴.txt")},
        {"link in a folder",
         [](const std::filesystem::path& folder) {
             std::filesystem::create_directory(folder);
             std::filesystem::create_symlink("/etc/passwd", folder / "履歴.txt");
         },
         reason::entryIsALink("履歴.txt")},
        {"FIFO in a folder",
         [](const std::filesystem::path& folder) {
             std::filesystem::create_directory(folder);
             ::mkfifo((folder / "履歴.txt").c_str(), 0600);
         },
         reason::entryIsNoFile("履歴.txt")},
        {"nothing to bring", zip({{"readme.html", text}}), reason::kNothingToImport},
    };
    const auto before = contents(data.path());
    for (const Case& c : cases) {
        const std::filesystem::path file = source.path() / "in.zip";
        std::filesystem::remove_all(file);
        c.make(file);
        prompter.shown.clear();
        app().importData(file);
        ASSERT_EQ(prompter.shown.size(), 1U) << c.what;
        const Message& box = prompter.shown.front();
        EXPECT_EQ(box.icon, MessageIcon::Critical) << c.what << ": " << box.text;
        EXPECT_NE(box.text.find(c.why), std::string::npos) << c.what << ": " << box.text;
        EXPECT_EQ(contents(data.path()), before) << c.what;
    }
}

} // namespace
} // namespace wordbloom::testing
