#include "fuzz_folder.h"
#include "record/topic_list_file.h"

#include <cstdlib>

// Every accepted topic is free of the forbidden characters; every rejected one
// holds the character reported.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wordbloom;
    const auto& folder = fuzzing::fuzzFolder();
    folder.write(kTopicListFileName, data, size);
    LoadTopicList(
        folder.dir(),
        [](const std::string& topic) {
            if (findForbiddenTopicCharacter(topic)) {
                std::abort();
            }
        },
        [](const std::string& topic, char forbidden) {
            if (topic.find(forbidden) == std::string::npos) {
                std::abort();
            }
        });
    return 0;
}
