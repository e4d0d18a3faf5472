// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_plan.h"

#include "merge.h"
#include "record/code_page.h"
#include "record/file_error.h"
#include "record/play_history_file.h"
#include "record/settings_file.h"
#include "record/topic_list_file.h"
#include "record/topic_names.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace wordbloom {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kAnswerLogEnding = "_履歴.txt";
constexpr std::string_view kAssociationListEnding = ".txt";

// A file of the data folder and the incoming files that merge into it.
struct Target {
    std::string name;
    std::string topic; // for a topic's files, in stored form; empty otherwise
    std::vector<const IncomingFile*> sources;
};

std::optional<std::string> readIfPresent(const WorkDir& dir, const std::string& name) {
    try {
        return dir.readAll(name);
    } catch (const FileError& error) {
        if (error.number() != ErrorNumber::FileNotFound) {
            throw;
        }
    }
    return std::nullopt;
}

// A log or list that was turned into UTF-8 on its way here goes back to the
// code page the files are kept in.
std::string asCp932(std::string_view bytes) {
    if (!readsAsUtf8(bytes)) {
        return std::string(bytes);
    }
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    return encodeCp932(bytes);
}

void tally(ImportPreview::Tally& total, const Merge& merge) {
    total.added += merge.added;
    total.alreadyThere += merge.alreadyThere;
}

bool isGameFile(std::string_view name) {
    return name == kSettingsFileName || name == kTopicListFileName || name == kPlayHistoryFileName;
}

// Works the plan out, one file of the data folder after another.
class Planner {
public:
    Planner(const WorkDir& dir, ImportPlan& plan) : m_dir(dir), m_plan(plan) {}

    void plan(const Target& target) {
        const std::optional<std::string> ours = readIfPresent(m_dir, target.name);
        std::optional<std::string> merged;
        for (const IncomingFile* source : target.sources) {
            const std::string_view current = merged ? *merged : ours ? *ours : std::string_view();
            if (auto next = mergedWith(target, current, *source)) {
                merged = std::move(next);
            }
        }
        if (merged && merged != ours) {
            auto& names = ours ? m_plan.preview.changedFiles : m_plan.preview.newFiles;
            names.push_back(target.name);
            m_plan.changes.push_back({target.name, std::move(*merged), ours.has_value()});
        }
        if (!target.topic.empty()) {
            m_fileTopics.push_back(target.topic);
        }
    }

    void tallyTopics() {
        const std::vector<std::string> listed =
            usableTopics(readIfPresent(m_dir, kTopicListFileName).value_or(std::string()));
        const std::set<std::string> ours(listed.begin(), listed.end());
        const std::set<std::string> incomingList(m_listTopics.begin(), m_listTopics.end());
        std::set<std::string> counted;
        std::vector<std::string> topics = m_listTopics;
        topics.insert(topics.end(), m_fileTopics.begin(), m_fileTopics.end());
        for (const std::string& topic : topics) {
            if (!counted.insert(topic).second) {
                continue;
            }
            const bool there = ours.contains(topic) ||
                               m_dir.exists(associationListFileName(topic)) ||
                               m_dir.exists(answerLogFileName(topic));
            ++(there ? m_plan.preview.topics.alreadyThere : m_plan.preview.topics.added);
            if (!ours.contains(topic) && !incomingList.contains(topic)) {
                m_plan.preview.topicsOutsideList.push_back(topic);
            }
        }
    }

private:
    std::optional<std::string> mergedWith(const Target& target, std::string_view current,
                                          const IncomingFile& source) {
        ImportPreview& preview = m_plan.preview;
        if (target.name == kSettingsFileName) {
            return settingsFrom(source);
        }
        if (target.name == kTopicListFileName) {
            TopicListMerge merged = mergeTopicLists(current, source.bytes);
            m_listTopics.insert(m_listTopics.end(), merged.topics.begin(), merged.topics.end());
            m_plan.leftOut.insert(m_plan.leftOut.end(), merged.refused.begin(),
                                  merged.refused.end());
            return std::move(merged.merge.bytes);
        }
        Merge merged;
        if (target.name == kPlayHistoryFileName) {
            merged = mergePlayHistories(current, asCp932(source.bytes));
            tally(preview.games, merged);
        } else if (target.name == answerLogFileName(target.topic)) {
            merged = mergeAnswerLogs(current, asCp932(source.bytes));
            tally(preview.answers, merged);
        } else {
            merged = mergeAssociationLists(current, asCp932(source.bytes));
            tally(preview.knownAnswers, merged);
        }
        return std::move(merged.bytes);
    }

    // The incoming settings in our form, while our play history holds no
    // game; otherwise ours stay.
    std::optional<std::string> settingsFrom(const IncomingFile& source) {
        auto& leftOut = m_plan.leftOut;
        if (!readPlayHistoryIfPresent(m_dir).records.empty()) {
            leftOut.push_back({source.origin, reason::kSettingsKept});
            return std::nullopt;
        }
        try {
            return settingsFileBytes(readSettingsBytes(source.bytes));
        } catch (const FileError& error) {
            leftOut.push_back(
                {source.origin, reason::importedSettingsUnreadable(error.description())});
        }
        return std::nullopt;
    }

    const WorkDir& m_dir;
    ImportPlan& m_plan;
    std::vector<std::string> m_listTopics; // usable topics of the incoming lists
    std::vector<std::string> m_fileTopics; // topics whose files come in
};

} // namespace

DataFileName dataFileName(std::string_view name) {
    if (isGameFile(name)) {
        return {std::string(name), {}, {}};
    }
    const bool log = name.ends_with(kAnswerLogEnding);
    const std::string_view topic =
        name.substr(0, name.size() - (log ? kAnswerLogEnding : kAssociationListEnding).size());
    auto checked = checkTopic(topic);
    if (auto* refusal = std::get_if<TopicRefusal>(&checked)) {
        return DataFileName{{}, {}, std::string(topic) + refusal->reason};
    }
    std::string stored = std::get<std::string>(std::move(checked));
    std::string fileName = log ? answerLogFileName(stored) : associationListFileName(stored);
    return DataFileName{std::move(fileName), std::move(stored), {}};
}

bool ImportPlan::needsBackup() const {
    return !setAside.empty() || std::any_of(changes.begin(), changes.end(),
                                            [](const FileChange& c) { return c.existed; });
}

ImportPlan planImport(const WorkDir& dir, const IncomingData& incoming) {
    ImportPlan plan;
    plan.leftOut = incoming.leftOut;
    std::vector<Target> targets;
    std::map<std::string, std::size_t> where;
    for (const IncomingFile& file : incoming.files) {
        DataFileName named = dataFileName(file.name);
        if (named.name.empty()) {
            plan.leftOut.push_back({file.origin, std::move(named.refusal)});
            continue;
        }
        const auto [at, fresh] = where.try_emplace(named.name, targets.size());
        if (fresh) {
            targets.push_back({std::move(named.name), std::move(named.topic), {}});
        }
        targets[at->second].sources.push_back(&file);
    }
    Planner planner(dir, plan);
    for (const Target& target : targets) {
        planner.plan(target);
    }
    planner.tallyTopics();
    for (const LeftOutEntry& left : plan.leftOut) {
        plan.preview.leftOut.push_back(left.entry + "（" + left.why + "）");
    }
    return plan;
}

} // namespace wordbloom
