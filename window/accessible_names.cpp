// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace wordbloom {

namespace {

struct Naming {
    const char* control;
    const char* name;
    // Left empty where the control's tool tip says what it does.
    const char* description;
};

// Names are short and say what a control is; counters and the time bar
// carry their value besides (nameWithValue, the time bar's own value).
constexpr Naming kNamings[] = {
    {"Image1", "Wordbloom", "ゲームの題字"},
    {"cmdStart", "スタート", ""},
    {"cmdHozon", "保存", ""},
    {"cmdClear", "クリア", ""},
    {"cmdHelp", "ヘルプ", ""},
    {"cmdEnd", "終了", ""},
    {"Line1_1", "区切り線", "ボタンの列とゲーム画面の区切り"},
    {"Line1_0", "区切り線", "ボタンの列とゲーム画面の区切り"},
    {"Frame1", "ゲーム", "お題、答え、結果とプレイ履歴"},
    {"imgStart1", "スタート信号 赤", "カウントダウンの1つ目"},
    {"imgStart2", "スタート信号 黄", "カウントダウンの2つ目"},
    {"imgStart3", "スタート信号 青", "カウントダウンの終わり、ここから答えます"},
    {"Label1_1", "プレイ秒数", "プレイ秒数の一覧の見出し"},
    {"cboJikan", "プレイ秒数", "1ゲームの長さを秒で選びます。次のゲームから使われます"},
    {"chkAs", "自動保存", ""},
    {"Frame2", "結果", "答えの数、文字数と1秒あたりの文字数"},
    {"lblOk", "新しい回答の数", "このお題で初めて出た答えの数"},
    {"lblChu", "既存の回答の数", "前のゲームで出たことのある答えの数"},
    {"lblNg", "重複した回答の数", "このゲームで二度目に出た答えの数"},
    {"lblMoji_T", "文字数", "このゲームの答えの文字数の合計。時間が終わると出ます"},
    {"lblByou", "1秒あたりの文字数", "このゲームで1秒あたりに入れた文字数。時間が終わると出ます"},
    {"shpJikanK", "残り時間", "プレイ時間の残りの割合"},
    {"shpJikanB", "時間バーの地", "残り時間が減ると、過ぎた時間が赤く見えます"},
    {"lblHint", "問", ""},
    {"cboMondai", "お題", "遊ぶお題。一覧から選ぶと、その既存の答えを読み込みます"},
    {"cmdStart2", "表示中のお題でスタート", ""},
    {"msgRireki2", "このゲームの答え",
     "番号と答え。番号の色は緑が新しい回答、黄が既存の回答、赤が重複した回答"},
    {"Label2_1", "答", "答えの入力欄の見出し"},
    {"txtKaitou", "答え", "連想した言葉を入れて Enter で答えます"},
    {"cmdSyousai", "履歴表示", ""},
    {"optRendata2", "既存表示", "表示中のお題の既存の答えを見せます"},
    {"optRendata", "既存非表示", "既存の答えを隠します"},
    {"lstRenData", "既存の答え", "表示中のお題でこれまでに出た答え"},
    {"msgRireki", "プレイ履歴",
     "保存したゲームの一覧。行で Enter かスペースを押すと、そのお題を表示します"},
    {"fraRireki", "お題の履歴", "Escape キーで閉じます"},
    {"cboMondai2", "履歴のお題", "履歴を見るお題を一覧から選びます"},
    {"cmdRenClr", "履歴削除", "このお題の既存の答えと答えの記録を消します"},
    {"cmdModoru", "戻る", "ゲーム画面に戻ります"},
    {"lstRendata2", "お題の既存の答え", "このお題でこれまでに出た答え"},
    {"msgRireki3", "答えの記録", "このお題に答えた日付、時間、その日の回数と答え"},
};

const Naming* namingOf(const QWidget& control) {
    const QByteArray objectName = control.objectName().toLatin1();
    const auto* found =
        std::find_if(std::begin(kNamings), std::end(kNamings),
                     [&](const Naming& naming) { return objectName == naming.control; });
    return found != std::end(kNamings) ? found : nullptr;
}

void name(QWidget& control, const Naming& naming) {
    control.setAccessibleName(QString::fromUtf8(naming.name));
    control.setAccessibleDescription(
        control.toolTip().isEmpty() ? QString::fromUtf8(naming.description) : control.toolTip());
    if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        for (QWidget* part :
             {static_cast<QWidget*>(combo->lineEdit()), static_cast<QWidget*>(combo->view())}) {
            part->setAccessibleName(control.accessibleName());
            part->setAccessibleDescription(control.accessibleDescription());
        }
    }
}

} // namespace

void nameControls(QWidget& root) {
    QList<QWidget*> controls = root.findChildren<QWidget*>();
    controls.prepend(&root);
    for (QWidget* control : controls) {
        if (const Naming* naming = namingOf(*control)) {
            name(*control, *naming);
        }
    }
}

QString nameWithValue(const QWidget& control, const QString& value) {
    const Naming* naming = namingOf(control);
    const QString name = naming != nullptr ? QString::fromUtf8(naming->name) : QString();
    return value.isEmpty() ? name : name + QLatin1Char(' ') + value;
}

} // namespace wordbloom
