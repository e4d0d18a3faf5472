// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_sets.h"

#include "record/topic_files.h"

namespace wordbloom::bench {

LargeData::LargeData()
    : topics(topicNames(kTopicCount)), settingsBytes("60,0\r\n"),
      topicListBytes(topicListFile(topics)),
      playHistoryBytes(playHistoryFile(kPlayHistoryRecords, topics)) {
    TextMaker maker(17);
    const std::vector<std::string> associations = maker.distinctWords(kPanelAssociations);
    associationBytes = associationListFile(associations);
    answerLogBytes = answerLogFile(kAnswerLogRecords, associations);
    folder.write(kSettingsFile, settingsBytes);
    folder.write(kTopicListFile, topicListBytes);
    folder.write(kPlayHistoryFile, playHistoryBytes);
    folder.write(associationListFileName(panelTopic()), associationBytes);
    folder.write(answerLogFileName(panelTopic()), answerLogBytes);
}

const LargeData& largeData() {
    static const LargeData data;
    return data;
}

EmptyHistoryData::EmptyHistoryData() {
    const LargeData& large = largeData();
    folder.write(kSettingsFile, large.settingsBytes);
    folder.write(kTopicListFile, large.topicListBytes);
    folder.write(kPlayHistoryFile, "");
}

const EmptyHistoryData& emptyHistoryData() {
    static const EmptyHistoryData data;
    return data;
}

} // namespace wordbloom::bench
