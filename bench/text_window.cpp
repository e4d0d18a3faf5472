// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for start-up: a Qt window of the game window's size,
// built the same way as the game, showing a few lines of Japanese text in the
// game's font at the sizes its controls use. Like the game's window it starts
// the font system and loads the Japanese font; it is shown and closed at the
// first turn of the event loop.

#include "look/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    wordbloom::installFontSubstitutions();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Wordbloom"));
    window.setFixedSize(631, 452);
    window.setFont(wordbloom::windowFont(9));

    struct Line {
        QString text;
        double points;
    };
    const Line lines[] = {
        {QStringLiteral("スタート　保存　クリア　ヘルプ　終了"), 9},
        {QStringLiteral("プレイ秒数　既存表示　既存非表示　履歴削除"), 11.25},
        {QStringLiteral("一番食べたいもの"), 15.75},
        {QStringLiteral("好きな色"), 27.75},
    };
    int top = 10;
    for (const Line& line : lines) {
        auto* label = new QLabel(line.text, &window);
        label->setFont(wordbloom::windowFont(line.points));
        label->move(10, top);
        top += label->sizeHint().height() + 10;
    }

    window.show();
    QCoreApplication::processEvents();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
