// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topic_history.h"

#include <string>
#include <vector>

namespace wordbloom {

// What the history browser changes on the topic history panel. The content is
// passed as the browser's own container, valid until the next call.
class TopicPanelView {
public:
    virtual ~TopicPanelView() = default;
    // The panel's topic box: read at the moment of use.
    virtual std::string panelTopic() const = 0;
    virtual void setPanelTopic(const std::string& topic) = 0;
    virtual void setPanelTopicList(const std::vector<std::string>& topics) = 0;
    // The topic's known answers and answer log, shown anew.
    virtual void showTopicHistory(const TopicHistory& history) = 0;
    virtual void setTopicPanelVisible(bool visible) = 0;
};

} // namespace wordbloom
