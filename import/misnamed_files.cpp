// SPDX-License-Identifier: GPL-3.0-or-later
#include "misnamed_files.h"

#include "entry_paths.h"
#include "record/code_page.h"
#include "record/file_error.h"
#include "record/utf8.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace wordbloom {

std::vector<MisnamedFile> findMisnamedFiles(const WorkDir& dir) {
    std::vector<MisnamedFile> found;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(dir.root(), error)) {
        std::string raw = item.path().filename().string();
        std::size_t longest = 0;
        if (isWellFormedUtf8(raw, longest)) {
            continue;
        }
        auto name = decodeCp932Name(raw);
        // A link is left alone: it may lead anywhere.
        if (!name || !isDataFileName(*name) ||
            item.symlink_status(error).type() != std::filesystem::file_type::regular) {
            continue;
        }
        found.push_back({std::move(raw), std::move(*name)});
    }
    std::sort(found.begin(), found.end(),
              [](const MisnamedFile& a, const MisnamedFile& b) { return a.rawName < b.rawName; });
    return found;
}

ImportPlan planMisnamedFiles(const WorkDir& dir, const std::vector<MisnamedFile>& files,
                             MisnamedFilesOffer& offer) {
    std::map<std::string, std::vector<const MisnamedFile*>> byName;
    for (const MisnamedFile& file : files) {
        const DataFileName named = dataFileName(file.name);
        if (named.name.empty()) {
            offer.leftAlone.push_back(file.name + "（" + named.refusal + "）");
        } else {
            byName[named.name].push_back(&file);
        }
    }
    IncomingData merged;
    std::vector<std::pair<std::string, std::string>> renames;
    std::vector<std::string> setAside;
    for (const auto& [name, group] : byName) {
        if (group.size() == 1 && !dir.exists(name)) {
            renames.emplace_back(group.front()->rawName, name);
            offer.renamed.push_back(name);
            continue;
        }
        for (const MisnamedFile* file : group) {
            merged.files.push_back({file->name, dir.readAll(file->rawName), file->name});
            setAside.push_back(file->rawName);
        }
        offer.merged.push_back(name);
    }
    ImportPlan plan = planImport(dir, merged);
    plan.renames = std::move(renames);
    plan.setAside = std::move(setAside);
    return plan;
}

void offerToRenameMisnamedFiles(const WorkDir& dir, Prompter& prompter, WorkRunner& runner,
                                const CalendarTime& now) {
    try {
        const std::vector<MisnamedFile> files = findMisnamedFiles(dir);
        if (files.empty()) {
            return;
        }
        MisnamedFilesOffer offer;
        ImportPlan plan;
        runner.run(kReadingImport, [&] { plan = planMisnamedFiles(dir, files, offer); });
        if (!plan.changesAnything() && plan.setAside.empty()) {
            return;
        }
        if (plan.needsBackup()) {
            offer.backupFolder = backupFolderName(now);
        }
        if (prompter.ask(misnamedFilesOfferMessage(offer)) != MessageAnswer::Ok) {
            return;
        }
        runner.run(kWritingImport, [&] { applyImport(dir, plan, now); });
    } catch (const FileError& error) {
        prompter.ask(fileErrorMessage(error, failed::kRenameMisnamedFiles));
    }
}

} // namespace wordbloom
