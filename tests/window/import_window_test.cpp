// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogue/messages.h"
#include "message_boxes.h"
#include "widgets/text_grid.h"
#include "look/fonts.h"
#include "window/start_up_import.h"
#include "window_session.h"

#include <QMimeData>
#include <QUrl>

using namespace wordbloom;
using namespace wordbloom::testing;

namespace {

// Drops a folder on the window, as a file manager would.
void dropFolder(QWidget& window, const std::filesystem::path& folder) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.string()))});
    const QPoint middle = window.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

} // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void aDroppedFolderComesInAfterThePreviewAndShows();
    void aDropDuringAGameIsRefused();
    void importIsAskedForOnTheCommandLine();
};

void ImportWindowTest::aDroppedFolderComesInAfterThePreviewAndShows() {
    Session session;
    TempDir old;
    const std::string history =
        cp932(R"("2023/12/01","20:00:00","好きな色",3,1,1,1,6,"0.10/秒","60秒")"
              "\r\n");
    old.write("履歴.txt", history);
    session.open();
    const auto preview = pressInNextBox(Qt::Key_Return);
    const auto done = pressInNextBox(Qt::Key_Return);
    dropFolder(*session.window, old.path());
    QTRY_COMPARE(done->title, QString::fromUtf8(kImportTitle));
    QCOMPARE(preview->title, QString::fromUtf8(kImportTitle));
    QCOMPARE(session.folder.read("履歴.txt"), history);
    QCOMPARE(session.find<TextGrid>("msgRireki")->rows(), 2U);
    QCOMPARE(session.find<TextGrid>("msgRireki")->textAt(1, 3), QStringLiteral("好きな色"));
}

void ImportWindowTest::aDropDuringAGameIsRefused() {
    Session session;
    TempDir old;
    old.write("履歴.txt", cp932(R"("2023/12/01","20:00:00","x",3,1,1,1,6,"0.10/秒","60秒")"
                                "\r\n"));
    session.open();
    session.click("cmdStart2");
    const auto refusal = pressInNextBox(Qt::Key_Return);
    dropFolder(*session.window, old.path());
    QTRY_COMPARE(refusal->text, QString::fromStdString(importDuringGameMessage().text));
    QCOMPARE(session.folder.read("履歴.txt"), std::string());
    QCOMPARE(session.find<TextGrid>("msgRireki")->rows(), 1U);
}

void ImportWindowTest::importIsAskedForOnTheCommandLine() {
    const auto path = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("wordbloom"));
        return importArgument(arguments);
    };
    QCOMPARE(path({}), std::nullopt);
    QCOMPARE(path({QStringLiteral("-style"), QStringLiteral("--import")}), QString());
    QCOMPARE(path({QStringLiteral("--import"), QStringLiteral("/a b.zip")}),
             QStringLiteral("/a b.zip"));
    QCOMPARE(path({QStringLiteral("--import=/x")}), QStringLiteral("/x"));
}

QTEST_MAIN(ImportWindowTest)
#include "import_window_test.moc"
