#include "message_boxes.h"
#include "window/flex_grid.h"
#include "window/fonts.h"
#include "window/frm_main.h"
#include "window/start_up_report.h"
#include "window/units.h"
#include "window_session.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <filesystem>
#include <memory>

using namespace wordbloom;
using namespace wordbloom::testing;

class FrmMainTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void everyControlIsInItsPlace_data();
    void everyControlIsInItsPlace();
    void startUpReportsARejectedTopicBeforeTheWindowShows();
    void aStartUpFailureShowsNothingAndReportsTheFile();
    void aWholeGameIsPlayedWithKeysAndClicks();
    void anInputMethodCommitDoesNotSubmit();
    void aSaveThatCannotBeWrittenIsShownAndLosesNothing();
    void theHistoryAndTheTopicPanelAreBrowsedAndCleared();
    void onlyAPickFromTheListCountsAsPicking();
    void tabMovesThroughTheControlsInOrder();
    void helpOpensBesideTheGameAndEndClosesIt();
    void screenshot();
};

void FrmMainTest::everyControlIsInItsPlace_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("tip");
    const auto row = [](const char* name, const char* parent, QRect twips, bool visible,
                        const char* text = "", double points = 9, const char* tip = "") {
        QTest::newRow(name) << QString::fromUtf8(parent) << twips << visible
                            << QString::fromUtf8(text) << points << QString::fromUtf8(tip);
    };
    row("Image1", "frmMain", {150, 150, 4860, 945}, true);
    row("cmdStart", "frmMain", {5175, 150, 840, 915}, true, "スタート", 9,
        "ゲームをスタートします");
    row("cmdHozon", "frmMain", {6000, 150, 840, 915}, true, "保存", 9, "データを保存します");
    row("cmdClear", "frmMain", {6825, 150, 840, 915}, true, "クリア", 9,
        "履歴データをクリアします");
    row("cmdHelp", "frmMain", {7650, 150, 840, 915}, true, "ヘルプ", 9, "ヘルプファイルを開きます");
    row("cmdEnd", "frmMain", {8475, 150, 840, 915}, true, "終了", 9, "プログラムを終了します");
    row("Line1_1", "frmMain", {150, 1260, 9150, 15}, true);
    row("Line1_0", "frmMain", {150, 1275, 9150, 15}, true);
    row("fraRireki", "frmMain", {130, 1300, 9240, 5370}, false);
    row("cboMondai2", "fraRireki", {150, 300, 6090, 435}, false, "Combo1", 15.75);
    row("cmdRenClr", "fraRireki", {6375, 300, 1290, 390}, false, "履歴削除", 11.25);
    row("cmdModoru", "fraRireki", {7800, 300, 1290, 390}, false, "戻る", 11.25);
    row("lstRendata2", "fraRireki", {150, 825, 2640, 4335}, false, "", 11.25);
    row("msgRireki3", "fraRireki", {2925, 825, 6165, 4395}, false, "", 11.25);
    row("Frame1", "frmMain", {130, 1300, 9240, 5370}, true);
    row("imgStart1", "Frame1", {180, 270, 480, 480}, true);
    row("imgStart2", "Frame1", {180, 270, 480, 480}, true);
    row("imgStart3", "Frame1", {180, 270, 480, 480}, true);
    row("Label1_1", "Frame1", {900, 195, 1155, 330}, true, "プレイ秒数", 11.25);
    row("cboJikan", "Frame1", {900, 450, 1065, 405}, true, "60", 14.25);
    row("chkAs", "Frame1", {2100, 450, 420, 420}, true, "", 9, "履歴の自動保存を制御します");
    row("Frame2", "Frame1", {3000, 150, 5955, 735}, true);
    row("lblOk", "Frame2", {150, 180, 930, 465}, true, "", 20.25);
    row("lblChu", "Frame2", {1125, 180, 930, 465}, true, "", 20.25);
    row("lblNg", "Frame2", {2100, 180, 930, 465}, true, "", 20.25);
    row("lblMoji_T", "Frame2", {3150, 180, 930, 465}, true, "", 20.25);
    row("lblByou", "Frame2", {4125, 180, 1680, 465}, true, "", 20.25);
    row("shpJikanK", "Frame1", {225, 945, 8745, 75}, true);
    row("shpJikanB", "Frame1", {225, 945, 8745, 75}, true);
    row("lblHint", "Frame1", {240, 1125, 390, 450}, true, "問", 12,
        "クリックすると元の文字がわかります");
    row("cboMondai", "Frame1", {650, 1125, 5025, 435}, true, "一番食べたいもの", 15.75);
    row("cmdStart2", "Frame1", {5750, 1125, 465, 420}, true, "", 9, "表示中の問いでゲームスタート");
    row("msgRireki2", "Frame1", {6300, 1125, 2715, 2010}, true);
    row("Label2_1", "Frame1", {240, 1575, 390, 720}, true, "　答", 12);
    row("txtKaitou", "Frame1", {650, 1575, 5550, 720}, true, "", 27.75);
    row("cmdSyousai", "Frame1", {240, 2400, 960, 720}, true, "履歴表示", 9, "履歴を表示します");
    row("optRendata2", "Frame1", {1425, 2400, 1590, 405}, true, "既存表示", 11.25);
    row("optRendata", "Frame1", {1425, 2775, 1590, 405}, true, "既存非表示", 11.25);
    row("lstRenData", "Frame1", {3075, 2400, 3100, 780}, false);
    row("msgRireki", "Frame1", {225, 3225, 8790, 1965}, true);
}

void FrmMainTest::everyControlIsInItsPlace() {
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    QFETCH(bool, visible);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(QString, tip);
    Session session;
    FrmMain& window = session.open();
    QCOMPARE(window.size(), QSize(631, 452));
    QCOMPARE(window.windowTitle(), QStringLiteral("Wordbloom"));
    auto* widget = session.find(QTest::currentDataTag());
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(),
             rectFromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(widget->isVisibleTo(&window), visible);
    QCOMPARE(widget->toolTip(), tip);
    QCOMPARE(widget->font().pointSizeF(), points);
    if (points != 9) {
        QCOMPARE(widget->font().family(), QString::fromUtf8(kWindowFontFamily));
    }
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        shown =
            qobject_cast<QToolButton*>(widget) &&
                    static_cast<QToolButton*>(widget)->toolButtonStyle() == Qt::ToolButtonIconOnly
                ? QString()
                : button->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        shown = combo->currentText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        shown = edit->text();
    }
    QCOMPARE(shown, text);
}

void FrmMainTest::startUpReportsARejectedTopicBeforeTheWindowShows() {
    Session session(cp932("一番食べたいもの\r\na/b\r\n好きな色\r\n"), "30,1\r\n");
    const auto seen = answerNextBox(QMessageBox::Ok);
    FrmMain& window = session.open();
    QCOMPARE(seen->text, QStringLiteral("a/b に含まれる / は使えませんので飛ばします"));
    QCOMPARE(seen->title, QStringLiteral("不正文字"));
    QCOMPARE(seen->icon, QMessageBox::Critical);
    QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    for (const char* name : {"cboMondai", "cboMondai2"}) {
        auto* combo = session.find<QComboBox>(name);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(1), QStringLiteral("好きな色"));
    }
    QCOMPARE(session.find<QComboBox>("cboJikan")->count(), 18);
    QCOMPARE(session.find<QComboBox>("cboJikan")->currentText(), QStringLiteral("30"));
    QVERIFY(session.find<QToolButton>("chkAs")->isChecked());
    QVERIFY(session.find<QRadioButton>("optRendata")->isChecked());
    QCOMPARE(window.app().game().state().barFullWidth, 8745);
}

void FrmMainTest::aStartUpFailureShowsNothingAndReportsTheFile() {
    Session session;
    session.folder.write("設定.txt", "60\r\n");
    FrmMain window(WorkDir(session.folder.path()), session.clock, session.random);
    try {
        window.startUp();
        QFAIL("start-up went on");
    } catch (const FileError& error) {
        QVERIFY(!window.isVisible());
        const QString report = startUpReport(error, QStringLiteral("/data"));
        QVERIFY(report.startsWith(QStringLiteral("実行時エラー '62':")));
        QVERIFY(report.contains(QStringLiteral("設定.txt")));
        QVERIFY(report.contains(QStringLiteral("/data")));
    }
}

void FrmMainTest::aWholeGameIsPlayedWithKeysAndClicks() {
    Session session(cp932("一番食べたいもの\r\n"), "10,1\r\n");
    session.folder.write("一番食べたいもの.txt", cp932("すし\r\n"));
    FrmMain& window = session.open();
    session.click("cmdStart2");
    QVERIFY(!session.find("cmdStart")->isEnabled());
    session.tick(3);
    QVERIFY(session.find("txtKaitou")->hasFocus());
    QVERIFY(session.find("imgStart3")->isVisible());
    QVERIFY(!session.find("imgStart1")->isVisible());
    for (const char* answer : {"すし", "ラーメン", "ラーメン"}) {
        session.type(QString::fromUtf8(answer));
        session.enter();
    }
    QCOMPARE(session.label("lblOk"), QStringLiteral("1"));
    QCOMPARE(session.label("lblChu"), QStringLiteral("1"));
    QCOMPARE(session.label("lblNg"), QStringLiteral("1"));
    QCOMPARE(session.find<QLineEdit>("txtKaitou")->text(), QString());
    auto* grid = session.find<FlexGrid>("msgRireki2");
    QCOMPARE(grid->rows(), 4U);
    QCOMPARE(grid->textMatrix(2, 1), QStringLiteral("ラーメン"));
    const auto colour = [grid](int row) {
        return grid->model()
            ->data(grid->model()->index(row - 1, 0), Qt::BackgroundRole)
            .value<QColor>();
    };
    QCOMPARE(colour(1), QColor(255, 255, 192));
    QCOMPARE(colour(2), QColor(192, 255, 192));
    QCOMPARE(colour(3), QColor(255, 192, 192));
    session.tick(5);
    QCOMPARE(session.find("shpJikanK")->width(), pixelsFromTwips(4372));
    session.tick(5);
    QVERIFY(session.find("cmdStart")->isEnabled());
    QCOMPARE(session.label("lblMoji_T"), QStringLiteral("10"));
    QCOMPARE(session.label("lblByou"), QStringLiteral("1.00/秒"));
    QCOMPARE(session.folder.read("履歴.txt"),
             cp932("\"2024/01/15\",\"09:00:13\",\"一番食べたいもの\",3,1,1,1,10,\"1.00/"
                   "秒\",\"10秒\"\r\n"));
    QCOMPARE(session.folder.read("一番食べたいもの.txt"), cp932("すし\r\nラーメン\r\n"));
    QCOMPARE(session.folder.read("一番食べたいもの_履歴.txt"),
             cp932("\"2024/01/15\",\"09:00:03\",\"001\",\"すし\"\r\n"
                   "\"2024/01/15\",\"09:00:03\",\"001\",\"ラーメン\"\r\n"
                   "\"2024/01/15\",\"09:00:03\",\"001\",\"ラーメン\"\r\n"));
    QCOMPARE(session.find<FlexGrid>("msgRireki")->textMatrix(1, 9), QStringLiteral("1.00/秒"));
    session.click("cmdHozon");
    QCOMPARE(session.find<FlexGrid>("msgRireki")->rows(), 3U);
    Q_UNUSED(window);
}

void FrmMainTest::anInputMethodCommitDoesNotSubmit() {
    Session session;
    FrmMain& window = session.open();
    auto* box = session.find<QLineEdit>("txtKaitou");
    box->setFocus();
    QInputMethodEvent composing(QStringLiteral("すし"), {});
    QApplication::sendEvent(box, &composing);
    session.enter(); // the input method's own Enter, while it still composes
    QVERIFY(window.app().game().gameAnswers().empty());
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("寿司"));
    QApplication::sendEvent(box, &commit);
    QCOMPARE(box->text(), QStringLiteral("寿司"));
    session.enter();
    QCOMPARE(window.app().game().gameAnswers().items(), std::vector<std::string>{"寿司"});
    session.enter(); // an empty box takes the key itself
    QCOMPARE(window.app().game().gameAnswers().size(), 1U);
}

void FrmMainTest::aSaveThatCannotBeWrittenIsShownAndLosesNothing() {
    Session session(cp932("一番食べたいもの\r\n"), "10,0\r\n");
    session.open();
    session.click("cmdStart2");
    session.tick(3);
    session.type(QStringLiteral("すし"));
    session.enter();
    session.tick(10);
    std::filesystem::remove(session.folder.path() / "履歴.txt");
    std::filesystem::create_directory(session.folder.path() / "履歴.txt");
    const auto seen = answerNextBox(QMessageBox::Ok);
    session.click("cmdHozon");
    QCOMPARE(seen->title, QStringLiteral("ファイルエラー"));
    QVERIFY(seen->text.contains(QStringLiteral("履歴.txt")));
    QCOMPARE(seen->icon, QMessageBox::Critical);
    auto* history = session.find<FlexGrid>("msgRireki");
    QCOMPARE(history->rows(), 1U);
    QCOMPARE(session.label("lblOk"), QStringLiteral("1"));

    std::filesystem::remove(session.folder.path() / "履歴.txt");
    session.click("cmdHozon"); // mended: the same game saves now
    QCOMPARE(history->rows(), 2U);
    QCOMPARE(readPlayHistory(WorkDir(session.folder.path())).records.size(), 1U);
}

void FrmMainTest::theHistoryAndTheTopicPanelAreBrowsedAndCleared() {
    Session session;
    session.folder.write(
        "履歴.txt",
        cp932("\"2024/01/14\",\"20:00:00\",\"好きな色\",2,2,0,0,2,\"0.03/秒\",\"60秒\"\r\n"));
    session.folder.write("好きな色.txt", cp932("赤\r\n青\r\n"));
    session.folder.write("好きな色_履歴.txt",
                         cp932("\"2024/01/14\",\"19:59:00\",\"001\",\"赤\"\r\n"
                               "\"2024/01/14\",\"19:59:30\",\"001\",\"青\"\r\n"));
    session.open();
    auto* history = session.find<FlexGrid>("msgRireki");
    QCOMPARE(history->textMatrix(1, 1), QStringLiteral("24/01/14"));
    QTest::mouseClick(history->viewport(), Qt::LeftButton, {},
                      history->visualRect(history->model()->index(0, 3)).center());
    QCOMPARE(session.find<QComboBox>("cboMondai")->currentText(), QStringLiteral("好きな色"));

    session.click("cmdSyousai");
    QVERIFY(session.find("fraRireki")->isVisible());
    QCOMPARE(session.find<QComboBox>("cboMondai2")->currentText(), QStringLiteral("好きな色"));
    QCOMPARE(session.find<QListView>("lstRendata2")->model()->rowCount(), 2);
    auto* log = session.find<FlexGrid>("msgRireki3");
    QCOMPARE(log->rows(), 3U);
    QCOMPARE(log->textMatrix(2, 2), QStringLiteral("19:59:30"));

    auto seen = answerNextBox(QMessageBox::Cancel);
    session.click("cmdRenClr");
    QCOMPARE(seen->text, QStringLiteral("好きな色のデータをクリアします。よろしいですか？"));
    QCOMPARE(seen->icon, QMessageBox::Warning);
    QCOMPARE(log->rows(), 3U);
    seen = answerNextBox(QMessageBox::Ok);
    session.click("cmdRenClr");
    QCOMPARE(log->rows(), 1U);
    QCOMPARE(session.folder.read("好きな色.txt"), std::string());
    session.click("cmdModoru");
    QVERIFY(!session.find("fraRireki")->isVisible());
    QCOMPARE(session.find<QListView>("lstRenData")->model()->rowCount(), 0);

    seen = answerNextBox(QMessageBox::Cancel);
    session.click("cmdClear");
    QCOMPARE(seen->title, QStringLiteral("クリア確認"));
    QCOMPARE(history->rows(), 2U);
    seen = answerNextBox(QMessageBox::Ok);
    const auto done = answerNextBox(QMessageBox::Ok);
    session.click("cmdClear");
    QCOMPARE(done->text, QStringLiteral("履歴データをクリアしました"));
    QCOMPARE(done->icon, QMessageBox::Information);
    QCOMPARE(history->rows(), 1U);
    QCOMPARE(session.folder.read("履歴.txt"), std::string());
}

void FrmMainTest::onlyAPickFromTheListCountsAsPicking() {
    Session session;
    session.folder.write("好きな色.txt", cp932("赤\r\n"));
    session.open();
    auto* topic = session.find<QComboBox>("cboMondai");
    topic->lineEdit()->selectAll();
    QTest::keyClicks(topic->lineEdit(), QStringLiteral("abc"));
    topic->setEditText(QStringLiteral("好きな色")); // matches an item, as if typed
    QTest::keyClick(topic->lineEdit(), Qt::Key_Tab);
    QVERIFY(!session.find("lstRenData")->isVisible());

    auto* seconds = session.find<QComboBox>("cboJikan");
    seconds->lineEdit()->setText(QStringLiteral("90"));
    QTest::keyClick(seconds->lineEdit(), Qt::Key_Return);
    QCOMPARE(session.folder.read("設定.txt"), std::string("60,0\r\n"));
    seconds->setCurrentIndex(0);
    QTest::keyClick(seconds, Qt::Key_Down); // stepping through the list picks "20"
    QCOMPARE(session.folder.read("設定.txt"), std::string("20,0\r\n"));

    topic->setCurrentIndex(0);
    QTest::keyClick(topic, Qt::Key_Down);
    QVERIFY(session.find("lstRenData")->isVisible());
    QCOMPARE(session.find<QListView>("lstRenData")->model()->rowCount(), 1);
}

void FrmMainTest::tabMovesThroughTheControlsInOrder() {
    Session session;
    FrmMain& window = session.open();
    window.activateWindow();
    session.find("cmdStart")->setFocus();
    QStringList visited{QStringLiteral("cmdStart")};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        while (focus != nullptr && focus->objectName().isEmpty()) {
            focus = focus->parentWidget();
        }
        visited << (focus ? focus->objectName() : QString());
    }
    QCOMPARE(visited, QStringList({"cmdStart", "cmdHozon", "cmdClear", "cmdHelp", "cmdEnd",
                                   "cboJikan", "chkAs", "msgRireki", "txtKaitou", "cboMondai",
                                   "cmdStart2", "msgRireki2"}));
}

void FrmMainTest::helpOpensBesideTheGameAndEndClosesIt() {
    Session session;
    FrmMain& window = session.open();
    session.click("cmdHelp");
    QTextBrowser* help = window.help().window();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QVERIFY(!help->isModal());
    QVERIFY(help->toPlainText().contains(QStringLiteral("Wordbloom")));
    QVERIFY(session.find("cmdStart")->isEnabled());
    session.click("cmdEnd");
    QVERIFY(window.help().window() == nullptr || !window.help().window()->isVisible());
}

void FrmMainTest::screenshot() {
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
    const QImage image = session.window->grab().toImage();
    QCOMPARE(image.size(), QSize(631, 452));
    QVERIFY(image.save(QStringLiteral(WORDBLOOM_SCREENSHOT)));
}

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
