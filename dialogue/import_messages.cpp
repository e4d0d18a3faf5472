// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of bringing data in from another folder or an archive, and of
// data files found under Shift_JIS names at start-up.
#include "messages.h"

namespace wordbloom {

namespace {

constexpr const char* kImportCaption = "取り込む";
constexpr const char* kCancelCaption = "キャンセル";
constexpr const char* kMisnamedTitle = "ファイル名の文字コード";

// A list in a box names this many entries; the rest are counted.
constexpr std::size_t kListedEntries = 8;

// "<heading>（<count>）: a、b、c ほか N 件", or nothing for an empty list.
std::string inlineList(std::string_view heading, const std::vector<std::string>& items) {
    if (items.empty()) {
        return {};
    }
    std::string text = std::string(heading) + "（" + std::to_string(items.size()) + "）: ";
    for (std::size_t i = 0; i < items.size() && i < kListedEntries; ++i) {
        text += (i == 0 ? "" : "、") + elideForMessage(items[i]);
    }
    if (items.size() > kListedEntries) {
        text += " ほか " + std::to_string(items.size() - kListedEntries) + " 件";
    }
    return text + "\n";
}

// The same with one entry a line, for entries that carry a reason.
std::string bulletList(std::string_view heading, const std::vector<std::string>& items) {
    if (items.empty()) {
        return {};
    }
    std::string text = std::string(heading) + "（" + std::to_string(items.size()) + "）:\n";
    for (std::size_t i = 0; i < items.size() && i < kListedEntries; ++i) {
        text += "・" + elideForMessage(items[i]) + "\n";
    }
    if (items.size() > kListedEntries) {
        text += "・ほか " + std::to_string(items.size() - kListedEntries) + " 件\n";
    }
    return text;
}

std::string tallyLine(std::string_view what, const ImportPreview::Tally& tally) {
    return std::string(what) + ": 新しく " + std::to_string(tally.added) + "、すでにあるもの " +
           std::to_string(tally.alreadyThere) + "\n";
}

std::string sourceLine(const ImportPreview& preview) {
    return "「" + elideForMessage(preview.source) + "」";
}

Message importBox(std::string text, MessageIcon icon) {
    return {std::move(text), kImportTitle, icon, MessageButtons::Ok};
}

} // namespace

Message importPreviewMessage(const ImportPreview& preview) {
    std::string text = sourceLine(preview) + "のデータを取り込みます。\n\n";
    text += tallyLine("ゲーム", preview.games);
    text += tallyLine("お題", preview.topics);
    text += tallyLine("答え", preview.answers);
    text += tallyLine("既存の連想", preview.knownAnswers);
    // Appended one by one: GCC 12 warns wrongly about "…" + string at -O3.
    text += "\n";
    text += inlineList("変わるファイル", preview.changedFiles);
    text += inlineList("新しくできるファイル", preview.newFiles);
    text +=
        inlineList("題目.txt にないお題（ファイルだけ取り込みます）", preview.topicsOutsideList);
    text += bulletList("取り込まないもの", preview.leftOut);
    text += "\n";
    text += preview.backupFolder.empty()
                ? std::string("いまあるファイルは変わらないため、控えは作りません。")
                : "変わるファイルは、先にデータのフォルダーの「" + preview.backupFolder +
                      "」にコピーします。";
    Message message{text, kImportTitle, MessageIcon::Information, MessageButtons::OkCancel};
    message.okCaption = kImportCaption;
    message.cancelCaption = kCancelCaption;
    return message;
}

Message nothingToImportMessage(const ImportPreview& preview) {
    return importBox(sourceLine(preview) +
                         "には、取り込む新しいデータがありません。何も変えていません。\n" +
                         bulletList("\n取り込まないもの", preview.leftOut),
                     MessageIcon::Information);
}

Message importRefusedMessage(std::string_view source, std::string_view why) {
    return importBox("「" + elideForMessage(source) + "」は取り込めません。\n\n" +
                         std::string(why) + "\n\n何も書き込んでいません。",
                     MessageIcon::Critical);
}

Message importDuringGameMessage() {
    return importBox("ゲームの途中はデータを取り込めません。ゲームが終わってから、"
                     "もう一度取り込んでください。",
                     MessageIcon::Exclamation);
}

Message importDoneMessage(std::string_view backupFolder) {
    std::string text = "データを取り込みました。";
    if (!backupFolder.empty()) {
        text += "\n取り込む前のファイルは、データのフォルダーの「" + std::string(backupFolder) +
                "」にあります。";
    }
    return importBox(text, MessageIcon::Information);
}

std::string importStoppedText(std::string_view backupFolder) {
    std::string text = "データを取り込めませんでした。";
    if (!backupFolder.empty()) {
        text += "変わったファイルの元の中身は、データのフォルダーの「" + std::string(backupFolder) +
                "」にあります。";
    }
    return text;
}

Message misnamedFilesOfferMessage(const MisnamedFilesOffer& offer) {
    std::string text = "データのフォルダーに、名前が Shift_JIS のままのファイルがあります。"
                       "このままではゲームがこれらのファイルを読めません。\n\n";
    text += inlineList("名前を直すファイル", offer.renamed);
    text += inlineList("同じ名前のファイルがあるため、中身を合わせるファイル", offer.merged);
    text += bulletList("そのままにするファイル", offer.leftAlone);
    if (!offer.backupFolder.empty()) {
        text += "\n中身を合わせるファイルは、先に「" + offer.backupFolder +
                "」にコピーします。Shift_JIS の名前のファイルも、そこへ移します。";
    }
    text += "\n\n名前を直しますか？";
    Message message{text, kMisnamedTitle, MessageIcon::Exclamation, MessageButtons::OkCancel};
    message.okCaption = "名前を直す";
    message.cancelCaption = "そのままにする";
    return message;
}

namespace reason {

std::string importedSettingsUnreadable(std::string_view description) {
    return "設定として読めません: " + std::string(description);
}

std::string entryOutsideTheFolder(std::string_view entry) {
    return "「" + elideForMessage(entry) +
           "」がフォルダーの外を指しています（絶対パスか「..」を含みます）。";
}

std::string entryIsALink(std::string_view entry) {
    return "「" + elideForMessage(entry) + "」はリンクです。リンクは取り込みません。";
}

std::string entryIsNoFile(std::string_view entry) {
    return "「" + elideForMessage(entry) +
           "」はデバイスなどの特別なファイルです。通常のファイルしか取り込みません。";
}

std::string entryIsEncrypted(std::string_view entry) {
    return "「" + elideForMessage(entry) + "」は暗号化されています。";
}

std::string unreadableEntryName(std::string_view shown) {
    return "名前を読めないファイルがあります（Shift_JIS でも UTF-8 でもありません）: " +
           elideForMessage(shown);
}

std::string importTooLarge(std::size_t limitBytes) {
    return "展開すると大きくなりすぎます（" +
           std::to_string(limitBytes / (std::size_t{1024} * 1024)) + " MiB まで）。";
}

std::string tooManyEntries(std::size_t limit) {
    return "ファイルが多すぎます（" + std::to_string(limit) + " 個まで）。";
}

std::string archiveLibraryMissing(std::string_view what) {
    return "アーカイブを読むためのライブラリ libarchive が見つかりません（" + std::string(what) +
           "）。フォルダーからなら取り込めます。";
}

std::string archiveDamaged(std::string_view detail) {
    return "アーカイブが壊れているか、読めない形式です（" + std::string(detail) + "）。";
}

} // namespace reason

} // namespace wordbloom
