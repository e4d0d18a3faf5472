#include "messages.h"

#include "record/settings_file.h"
#include "record/topic_files.h"
#include "record/topic_list_file.h"

namespace wordbloom {

namespace {
constexpr const char* kConfirmTitle = "クリア確認";
}

Message topicRejectedMessage(std::string_view topic, char forbidden) {
    return {topicRejectionMessage(topic, forbidden), kForbiddenCharacterTitle,
            MessageIcon::Critical, MessageButtons::Ok};
}

Message unusableTopicMessageBox(std::string_view topic, std::string_view character) {
    return {unusableTopicMessage(topic, character), kForbiddenCharacterTitle, MessageIcon::Critical,
            MessageButtons::Ok};
}

Message noTopicsMessage() {
    return {std::string("「") + kTopicListFileName +
                "」にお題がひとつもないため、お題を選べません。\n"
                "「" +
                kTopicListFileName +
                "」にお題を 1 行にひとつずつ書いてから、"
                "Wordbloom を起動し直してください。",
            "お題がありません", MessageIcon::Exclamation, MessageButtons::Ok};
}

Message clearPlayHistoryConfirmation() {
    return {"履歴データをクリアします。よろしいですか？", kConfirmTitle, MessageIcon::Exclamation,
            MessageButtons::OkCancel};
}

Message playHistoryClearedMessage() {
    return {"履歴データをクリアしました", "クリア終了", MessageIcon::Information,
            MessageButtons::Ok};
}

Message clearTopicConfirmation(std::string_view topic) {
    return {std::string(topic) + "のデータをクリアします。よろしいですか？", kConfirmTitle,
            MessageIcon::Exclamation, MessageButtons::OkCancel};
}

Message fileErrorMessage(const FileError& error, std::string_view whatFailed) {
    return {std::string(whatFailed) + "\n\nファイル: " + error.fileName() +
                "\n理由: " + error.description() + "\n（エラー番号 " +
                std::to_string(static_cast<int>(error.number())) + "）",
            "ファイルエラー", MessageIcon::Critical, MessageButtons::Ok};
}

} // namespace wordbloom
