// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/control_table.h"

#include "dialogue/messages.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace wordbloom {

namespace {

// Every control of the main window, the topic panel's last. Names are short
// and say what a control is; counters and the time bar carry their value
// besides (nameWithValue, the time bar's own value). Captions of counters and
// of the answer box are what the window shows before the first game.
constexpr ControlDescription kControls[] = {
    // The toolbar row.
    {"Image1", 150, 150, 4860, 945, "", 0, "", "Wordbloom", "ゲームの題字", 0},
    {"cmdStart", 5175, 150, 840, 915, "スタート", 0, "ゲームをスタートします", "スタート", "", 1},
    {"cmdHozon", 6000, 150, 840, 915, "保存", 0, "データを保存します", "保存", "", 2},
    {"cmdClear", 6825, 150, 840, 915, "クリア", 0, "履歴データをクリアします", "クリア", "", 3},
    {"cmdHelp", 7650, 150, 840, 915, "ヘルプ", 0, "ヘルプファイルを開きます", "ヘルプ", "", 4},
    {"cmdEnd", 8475, 150, 840, 915, "終了", 0, "プログラムを終了します", "終了", "", 5},
    {"Line1_1", 150, 1260, 9150, 15, "", 0, "", "区切り線", "ボタンの列とゲーム画面の区切り", 0},
    {"Line1_0", 150, 1275, 9150, 15, "", 0, "", "区切り線", "ボタンの列とゲーム画面の区切り", 0},

    // The game panel.
    {"Frame1", 130, 1300, 9240, 5370, "", 0, "", "ゲーム", "お題、答え、結果とプレイ履歴", 0},
    {"imgStart3", 180, 270, 480, 480, "", 0, "", "スタート信号 青",
     "カウントダウンの終わり、ここから答えます", 0},
    {"imgStart2", 180, 270, 480, 480, "", 0, "", "スタート信号 黄", "カウントダウンの2つ目", 0},
    {"imgStart1", 180, 270, 480, 480, "", 0, "", "スタート信号 赤", "カウントダウンの1つ目", 0},
    {"Label1_1", 900, 195, 1155, 330, "プレイ秒数", 11.25, "", "プレイ秒数",
     "プレイ秒数の一覧の見出し", 0},
    {"cboJikan", 900, 450, 1065, 405, "Combo1", 14.25, "", "プレイ秒数",
     "1ゲームの長さを秒で選びます。次のゲームから使われます", 6},
    {"chkAs", 2100, 450, 420, 420, "", 0, "履歴の自動保存を制御します", "自動保存", "", 7},
    {"Frame2", 3000, 150, 5955, 735, "", 0, "", "結果", "答えの数、文字数と1秒あたりの文字数", 0},
    {"lblOk", 150, 180, 930, 465, "999", 20.25, "", "新しい回答の数",
     "このお題で初めて出た答えの数", 0},
    {"lblChu", 1125, 180, 930, 465, "999", 20.25, "", "既存の回答の数",
     "前のゲームで出たことのある答えの数", 0},
    {"lblNg", 2100, 180, 930, 465, "999", 20.25, "", "重複した回答の数",
     "このゲームで二度目に出た答えの数", 0},
    {"lblMoji_T", 3150, 180, 930, 465, "9999", 20.25, "", "文字数",
     "このゲームの答えの文字数の合計。時間が終わると出ます", 0},
    {"lblByou", 4125, 180, 1680, 465, "2.63/秒", 20.25, "", "1秒あたりの文字数",
     "このゲームで1秒あたりに入れた文字数。時間が終わると出ます", 0},
    {"shpJikanB", 225, 945, 8745, 75, "", 0, "", "時間バーの地",
     "残り時間が減ると、過ぎた時間が赤く見えます", 0},
    {"shpJikanK", 225, 945, 8745, 75, "", 0, "", "残り時間", "プレイ時間の残りの割合", 0},
    {"lblHint", 240, 1125, 390, 450, "問", 12, kTopicMarkTip, "問", "", 0},
    {"cboMondai", 650, 1125, 5025, 435, "一番食べたいもの", 15.75, "", "お題",
     "遊ぶお題。一覧から選ぶと、その既存の答えを読み込みます", 10},
    {"cmdStart2", 5750, 1125, 465, 420, "", 0, "表示中の問いでゲームスタート",
     "表示中のお題でスタート", "", 12},
    {"msgRireki2", 6300, 1125, 2715, 2010, "", 9, "", "このゲームの答え",
     "番号と答え。番号の色は緑が新しい回答、黄が既存の回答、赤が重複した回答", 13},
    // The ideographic space leads the text; aligned right, the mark itself
    // stands whole in the narrow label.
    {"Label2_1", 240, 1575, 390, 720, "　答", 12, "", "答", "答えの入力欄の見出し", 0},
    {"txtKaitou", 650, 1575, 5550, 720, "みどり", 27.75, "", "答え",
     "連想した言葉を入れて Enter で答えます", 9},
    {"cmdSyousai", 240, 2400, 960, 720, "履歴表示", 0, "履歴を表示します", "履歴表示", "", 16},
    {"optRendata2", 1425, 2400, 1590, 405, "既存表示", 11.25, "", "既存表示",
     "表示中のお題の既存の答えを見せます", 15},
    {"optRendata", 1425, 2775, 1590, 405, "既存非表示", 11.25, "", "既存非表示",
     "既存の答えを隠します", 14},
    {"lstRenData", 3075, 2400, 3100, 780, "", 0, "", "既存の答え",
     "表示中のお題でこれまでに出た答え", 11},
    {"msgRireki", 225, 3225, 8790, 1965, "", 9, "", "プレイ履歴",
     "保存したゲームの一覧。行で Enter かスペースを押すと、そのお題を表示します", 8},

    // The topic history panel, over the game panel.
    {"fraRireki", 130, 1300, 9240, 5370, "", 0, "", "お題の履歴", "Escape キーで閉じます", 0},
    {"cboMondai2", 150, 300, 6090, 435, "Combo1", 15.75, "", "履歴のお題",
     "履歴を見るお題を一覧から選びます", 19},
    {"cmdRenClr", 6375, 300, 1290, 390, "履歴削除", 11.25, "", "履歴削除",
     "このお題の既存の答えと答えの記録を消します", 20},
    {"cmdModoru", 7800, 300, 1290, 390, "戻る", 11.25, "", "戻る", "ゲーム画面に戻ります", 21},
    {"lstRendata2", 150, 825, 2640, 4335, "", 11.25, "", "お題の既存の答え",
     "このお題でこれまでに出た答え", 18},
    {"msgRireki3", 2925, 825, 6165, 4395, "", 11.25, "", "答えの記録",
     "このお題に答えた日付、時間、その日の回数と答え", 17},
};

} // namespace

const ControlDescription& describedControl(std::string_view name) {
    const auto* found =
        std::find_if(std::begin(kControls), std::end(kControls),
                     [&](const ControlDescription& each) { return name == each.name; });
    if (found == std::end(kControls)) {
        throw std::logic_error("no control named " + std::string(name));
    }
    return *found;
}

std::vector<std::string_view> tabRound() {
    std::vector<const ControlDescription*> round;
    for (const ControlDescription& each : kControls) {
        if (each.tabPlace > 0) {
            round.push_back(&each);
        }
    }
    std::sort(round.begin(), round.end(),
              [](const auto* a, const auto* b) { return a->tabPlace < b->tabPlace; });
    std::vector<std::string_view> names;
    names.reserve(round.size());
    for (const auto* each : round) {
        names.emplace_back(each->name);
    }
    return names;
}

} // namespace wordbloom
