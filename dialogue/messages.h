// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "prompter.h"
#include "record/file_error.h"
#include "record/topic_names.h"

#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// Every message box the game shows, with its text, title, icon and buttons.

// A text as a message shows it: a very long one keeps its start and its end
// with "…" between, so that no box grows taller than the screen.
std::string elideForMessage(std::string_view text);

// A topic from the topic list that is left out at start-up.
Message topicRejectedMessage(std::string_view topic, const TopicRefusal& refusal);
// How many more topics of the list were left out without a box of their own.
Message moreTopicsRejectedMessage(std::size_t count);
// A topic that cannot name its files, where it would be used.
Message unusableTopicMessageBox(std::string_view topic, const TopicRefusal& refusal);
// "スタート" with no topic to draw from.
Message noTopicsMessage();

Message clearPlayHistoryConfirmation();
Message playHistoryClearedMessage();
Message clearTopicConfirmation(std::string_view topic);

// The tool tip of the mark before the topic box, which has no action of its own.
inline constexpr const char* kTopicMarkTip = "お題：一覧から選ぶか、入力します";

// What the window shows while a large file is read, should it take a while.
inline constexpr const char* kLoadingPlayHistory = "履歴を読み込んでいます…";
inline constexpr const char* kLoadingTopicHistory = "お題の履歴を読み込んでいます…";
inline constexpr const char* kLoadingProgress = "成績を読み込んでいます…";

// A file operation that failed: what could not be done, then the file and
// the system's reason.
Message fileErrorMessage(const FileError& error, std::string_view whatFailed);

// What could not be done, for fileErrorMessage.
namespace failed {
inline constexpr const char* kNewAnswerToList =
    "新しい回答をお題の連想リストに書き込めませんでした。ゲームはこのまま続けられます。";
inline constexpr const char* kAnswerToLog =
    "回答をお題の履歴に書き込めませんでした。ゲームはこのまま続けられます。";
inline constexpr const char* kReadTopicFiles = "お題のファイルを読み込めませんでした。";
inline constexpr const char* kStartWithoutTopicFiles =
    "お題のファイルを読み込めないため、ゲームを始められません。";
inline constexpr const char* kSaveSettings =
    "設定を保存できませんでした。この設定は次に起動したときには戻ります。";
inline constexpr const char* kSaveGame =
    "ゲームの記録を保存できませんでした。ゲームの結果はそのまま残っています。"
    "問題を直してから、もう一度「保存」を押してください。";
inline constexpr const char* kClearPlayHistory =
    "履歴データをクリアできませんでした。履歴はそのまま残っています。";
inline constexpr const char* kReadTopicHistory = "お題の履歴を読み込めませんでした。";
inline constexpr const char* kClearTopicData = "お題のデータをクリアできませんでした。";
inline constexpr const char* kReadProgress = "成績を読み込めませんでした。";
inline constexpr const char* kAnyFile = "ファイルを扱えませんでした。";
inline constexpr const char* kReadForImport =
    "取り込むためにデータのファイルを読めませんでした。何も書き込んでいません。";
inline constexpr const char* kRenameMisnamedFiles =
    "ファイルの名前を直せませんでした。直せなかったファイルはそのままです。";
} // namespace failed

// The progress window's note on what its charts leave out: unreadable lines
// of the play history and of the answer log, and games without a place on the
// time line. Empty when nothing was left out.
std::string progressLeftOutNote(std::size_t historyLines, std::size_t answerLogLines,
                                std::size_t undatedGames);

// A second copy of the game started on a data folder that a running copy
// already uses, before it ends.
Message anotherCopyRunningMessage(std::string_view folder);

// Bringing data in from another folder or an archive.
inline constexpr const char* kImportTitle = "データの取り込み";
inline constexpr const char* kReadingImport = "取り込むデータを読んでいます…";
inline constexpr const char* kWritingImport = "データを取り込んでいます…";

// What an import will do, for the box that asks before anything changes.
struct ImportPreview {
    struct Tally {
        std::size_t added = 0;
        std::size_t alreadyThere = 0;
    };
    std::string source; // the folder or archive, as the player named it
    Tally games;
    Tally topics;
    Tally answers;                         // records of the topics' answer logs
    Tally knownAnswers;                    // entries of the topics' association lists
    std::vector<std::string> changedFiles; // files there now that change
    std::vector<std::string> newFiles;     // files the import makes
    std::vector<std::string> leftOut;      // each "<entry>（<why>）"
    // Topics whose files come in although no topic list names them.
    std::vector<std::string> topicsOutsideList;
    std::string backupFolder; // empty when no file there now changes
};

// The box before an import: what comes in, what changes, where the backup
// goes. Its buttons are 取り込む (the default) and キャンセル.
Message importPreviewMessage(const ImportPreview& preview);
// Everything in the source is there already, or nothing in it can be used.
Message nothingToImportMessage(const ImportPreview& preview);
// The source cannot be imported at all; nothing was written.
Message importRefusedMessage(std::string_view source, std::string_view why);
Message importDuringGameMessage();
// The import is done; the files as they were are in the backup folder.
Message importDoneMessage(std::string_view backupFolder);
// What could not be done when writing an import failed part way.
std::string importStoppedText(std::string_view backupFolder);

// The box at start-up for data files whose names are still Shift_JIS bytes.
// Its buttons are 名前を直す (the default) and そのままにする.
struct MisnamedFilesOffer {
    std::vector<std::string> renamed;   // names the files get
    std::vector<std::string> merged;    // names that exist already: the contents are merged
    std::vector<std::string> leftAlone; // each "<name>（<why>）"
    std::string backupFolder;           // empty when no file there now changes
};
Message misnamedFilesOfferMessage(const MisnamedFilesOffer& offer);

// The note under a game looked at closely: answers left out of its pace, for
// a time that cannot be read or for coming after the longest play length,
// and the games of the answer log whose date cannot be read. Empty when
// nothing was left out.
std::string gameCloseUpNote(std::size_t untimedAnswers, std::size_t laterAnswers,
                            std::size_t undatedGames);

// Something that should never happen did, inside one of the player's actions.
Message unexpectedErrorMessage(std::string_view what);

// The report of a failed start-up, after which the game closes: the error's
// number, what went wrong and, when known, the data folder.
std::string startUpReportText(int number, std::string_view description, std::string_view folder);

// "<topic> に含まれる <c> は使えませんので飛ばします": the text of the box for a
// topic of the topic list that is left out.
std::string topicRejectionMessage(std::string_view topic, const TopicRefusal& refusal);

// Why a whole import, or a part of it, cannot be used, and why the game
// cannot start in its folder: texts for the boxes above. The reasons of the
// data files themselves are in record/reasons.h.
namespace reason {
inline constexpr const char* kWorkingFolderGone =
    "データのフォルダーが見つかりません。消されたか、名前が変わったようです。"
    "データのファイルがあるフォルダーで起動し直してください。";

// Why an entry of an import is left out.
inline constexpr const char* kNotATextFile = ".txt のファイルではありません";
inline constexpr const char* kInsideAFolder = "フォルダーの中にあります";
inline constexpr const char* kAFolder = "フォルダーです";
inline constexpr const char* kSettingsKept = "履歴にゲームがあるため、いまの設定のままにします";
std::string importedSettingsUnreadable(std::string_view description);

// Why a whole import is refused.
inline constexpr const char* kImportSourceMissing = "見つかりません。";
inline constexpr const char* kNotAnArchive =
    "フォルダーでも、読めるアーカイブ（zip、lzh、7z）でもありません。";
inline constexpr const char* kNothingToImport =
    "データのファイル（.txt）が見つかりません。データのファイルは、いちばん上か、"
    "ひとつだけのフォルダーの中に置いてください。";
std::string entryOutsideTheFolder(std::string_view entry);
std::string entryIsALink(std::string_view entry);
std::string entryIsNoFile(std::string_view entry);
std::string entryIsEncrypted(std::string_view entry);
std::string unreadableEntryName(std::string_view shown);
std::string importTooLarge(std::size_t limitBytes);
std::string tooManyEntries(std::size_t limit);
std::string archiveDamaged(std::string_view detail);
std::string archiveLibraryMissing(std::string_view what);
} // namespace reason

} // namespace wordbloom
