// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the window in the middle of a game to the picture file named on the
// command line: one earlier game in the history, four answers given twenty
// seconds into a game, and a fifth being typed. script/screenshot runs it
// offscreen for docs/screenshot.png.

#include "look/fonts.h"
#include "window_session.h"

#include <QApplication>
#include <QImage>
#include <iostream>

using namespace wordbloom;
using namespace wordbloom::testing;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: window_screenshot <picture.png>\n";
        return 2;
    }
    installFontSubstitutions();
    Session session;
    session.folder.write(
        "履歴.txt",
        cp932("\"2024/01/14\",\"20:00:00\",\"好きな色\",5,3,1,1,9,\"0.15/秒\",\"60秒\"\r\n"));
    session.folder.write("一番食べたいもの.txt", cp932("すし\r\n"));
    session.open();
    session.click("cmdStart2");
    session.tick(3);
    for (const char* answer : {"すし", "カレー", "すし", "ハンバーグ"}) {
        session.type(QString::fromUtf8(answer));
        session.enter();
    }
    session.type(QStringLiteral("オムライ"));
    session.tick(20);
    if (!session.window->grab().toImage().save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
