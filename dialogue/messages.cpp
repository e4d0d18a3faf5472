// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include "record/settings_file.h"
#include "record/topic_list_file.h"
#include "record/utf8.h"

namespace wordbloom {

namespace {

constexpr const char* kConfirmTitle = "クリア確認";
constexpr const char* kUnusableTopicTitle = "使えないお題";
constexpr const char* kForbiddenCharacterTitle = "不正文字";

// Longer texts keep this many characters from each end.
constexpr std::size_t kElisionKeeps = 30;

const char* titleFor(const TopicRefusal& refusal) {
    return refusal.kind == TopicRefusal::Kind::Character ? kForbiddenCharacterTitle
                                                         : kUnusableTopicTitle;
}

} // namespace

std::string elideForMessage(std::string_view text) {
    return elideMiddle(text, kElisionKeeps);
}

Message topicRejectedMessage(std::string_view topic, const TopicRefusal& refusal) {
    return {topicRejectionMessage(elideForMessage(topic), refusal), titleFor(refusal),
            MessageIcon::Critical, MessageButtons::Ok};
}

Message moreTopicsRejectedMessage(std::size_t count) {
    return {"ほかにも " + std::to_string(count) + " 個のお題が使えないため飛ばしました。「" +
                kTopicListFileName + "」を確かめてください。",
            kUnusableTopicTitle, MessageIcon::Critical, MessageButtons::Ok};
}

Message unusableTopicMessageBox(std::string_view topic, const TopicRefusal& refusal) {
    return {elideForMessage(topic) + refusal.reason, titleFor(refusal), MessageIcon::Critical,
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
    return {elideForMessage(topic) + "のデータをクリアします。よろしいですか？", kConfirmTitle,
            MessageIcon::Exclamation, MessageButtons::OkCancel};
}

Message anotherCopyRunningMessage(std::string_view folder) {
    return {"このデータのフォルダーは、すでに起動している Wordbloom が使っています。\n\n"
            "フォルダー: " +
                std::string(folder) +
                "\n\n同じフォルダーで一度に遊べる Wordbloom は一つだけです。"
                "起動しているウィンドウで続けてください。",
            "すでに起動しています", MessageIcon::Information, MessageButtons::Ok};
}

Message unexpectedErrorMessage(std::string_view what) {
    return {"予期しないエラーが起きました。\n\n" + std::string(what), "Wordbloom",
            MessageIcon::Critical, MessageButtons::Ok};
}

std::string topicRejectionMessage(std::string_view topic, const TopicRefusal& refusal) {
    return std::string(topic) + refusal.reason + "ので飛ばします";
}

std::string startUpReportText(int number, std::string_view description, std::string_view folder) {
    std::string report = "実行時エラー '" + std::to_string(number) + "':\n\n";
    report += description;
    report += "\n\n";
    if (!folder.empty()) {
        report += "データのフォルダー: ";
        report += folder;
        report += "\n\n";
    }
    return report + "Wordbloom を終了します。";
}

Message fileErrorMessage(const FileError& error, std::string_view whatFailed) {
    return {std::string(whatFailed) + "\n\nファイル: " + elideForMessage(error.fileName()) +
                "\n理由: " + error.description() + "\n（エラー番号 " +
                std::to_string(static_cast<int>(error.number())) + "）",
            "ファイルエラー", MessageIcon::Critical, MessageButtons::Ok};
}

} // namespace wordbloom
