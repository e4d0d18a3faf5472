// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_folder.h"
#include "record/topic_list_file.h"

#include <cstdlib>

// Every accepted topic passes the topic check in the form it is handed over;
// every rejected one has a reason.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wordbloom;
    const auto& folder = fuzzing::fuzzFolder();
    folder.write(kTopicListFileName, data, size);
    loadTopicList(
        folder.dir(),
        [](const std::string& topic) {
            if (refuseTopic(topic) || storedTopic(topic) != topic) {
                std::abort();
            }
        },
        [](const std::string&, const TopicRefusal& refusal) {
            if (!refusal.reason.ends_with("使えません")) {
                std::abort();
            }
        });
    return 0;
}
