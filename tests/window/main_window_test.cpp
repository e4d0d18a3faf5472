// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_boxes.h"
#include "widgets/text_grid.h"
#include "widgets/units.h"
#include "look/fonts.h"
#include "window/main_window.h"
#include "window/start_up_report.h"
#include "window/time_bar.h"
#include "window_session.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

using namespace wordbloom;
using namespace wordbloom::testing;

namespace {

// A random source that cannot give its first number, as one with nothing to
// draw from would; every later number is 0.5.
class FirstDrawFails final : public RandomSource {
public:
    float nextUniform() override {
        if (!m_failed) {
            m_failed = true;
            throw std::runtime_error("no random number to be had");
        }
        return 0.5F;
    }

private:
    bool m_failed = false;
};

// Whether a pixel of a caption stands out from what lies under it: fainter
// edges of a glyph's smoothing go unseen.
bool seen(QRgb ink, QRgb under) {
    constexpr int kFaintest = 32;
    return std::abs(qRed(ink) - qRed(under)) > kFaintest ||
           std::abs(qGreen(ink) - qGreen(under)) > kFaintest ||
           std::abs(qBlue(ink) - qBlue(under)) > kFaintest;
}

// The controls in `panel` whose caption something else paints over in the
// window as it is shown. A caption's pixels are those where the control,
// painted alone, differs from itself painted without its caption. Each is
// painted where the window paints it and at the window's pixel density, so
// that on a scaled screen it lands on the same device pixels.
QStringList coveredCaptions(QWidget& panel) {
    QWidget& window = *panel.window();
    const QImage shown = window.grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    QStringList covered;
    for (QWidget* control : panel.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        const QString caption = label ? label->text() : button ? button->text() : QString();
        if (caption.isEmpty() || !control->isVisible()) {
            continue;
        }
        const QPoint at = control->mapTo(&window, QPoint());
        const auto paintedAlone = [&] {
            QImage image(shown.size(), shown.format());
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            control->render(&image, at);
            return image;
        };
        const auto setCaption = [label, button](const QString& text) {
            label ? label->setText(text) : button->setText(text);
        };
        const QImage alone = paintedAlone();
        setCaption(QString());
        const QImage bare = paintedAlone();
        setCaption(caption);
        const QRect place = QRectF(QPointF(at) * ratio, QSizeF(control->size()) * ratio)
                                .toAlignedRect()
                                .intersected(shown.rect());
        bool whole = true;
        for (int y = place.top(); y <= place.bottom() && whole; ++y) {
            for (int x = place.left(); x <= place.right() && whole; ++x) {
                whole = !seen(alone.pixel(x, y), bare.pixel(x, y)) ||
                        alone.pixel(x, y) == shown.pixel(x, y);
            }
        }
        if (!whole) {
            covered << control->objectName();
        }
    }
    return covered;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void theTimeBarWidthIsRoundedDownInTwips_data();
    void theTimeBarWidthIsRoundedDownInTwips();
    void theTimeBarFillsItsTrackAndEmptiesOnTime();
    void theAnswerBoxShowsAnswersInTheLargeFont();
    void noControlCoversAnotherOnesCaption();
    void startUpReportsARejectedTopicBeforeTheWindowShows();
    void aStartUpFailureShowsNothingAndReportsTheFile();
    void aWholeGameIsPlayedWithKeysAndClicks();
    void anInputMethodCommitDoesNotSubmit();
    void aSaveThatCannotBeWrittenIsShownAndLosesNothing();
    void theHistoryAndTheTopicPanelAreBrowsedAndCleared();
    void onlyAPickFromTheListCountsAsPicking();
    void tabMovesThroughTheControlsInOrder();
    void aTickWhileABoxIsOpenWaitsAndTheGameEndsAfterIt_data();
    void aTickWhileABoxIsOpenWaitsAndTheGameEndsAfterIt();
    void anUnexpectedFailureIsShownAndTheWindowKeepsWorking();
    void aGreyedAutoSaveSwitchSavesNothingUntilItsFirstClick();
    // End asks the application to quit, after which no modal box waits for an
    // answer any more: this test comes last.
    void helpOpensBesideTheGameAndEndClosesIt();
};

void MainWindowTest::theTimeBarWidthIsRoundedDownInTwips_data() {
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<int>("gameLength");
    QTest::addColumn<int>("twips");
    QTest::newRow("all of it") << 60 << 60 << 8745;
    QTest::newRow("half") << 30 << 60 << 4372;
    // The double-precision order rounds 2915 down.
    QTest::newRow("a third") << 20 << 60 << 2914;
    QTest::newRow("a second") << 1 << 60 << 145;
    QTest::newRow("none") << 0 << 60 << 0;
    QTest::newRow("a second of ten") << 1 << 10 << 874;
}

void MainWindowTest::theTimeBarWidthIsRoundedDownInTwips() {
    QFETCH(int, secondsLeft);
    QFETCH(int, gameLength);
    QFETCH(int, twips);
    QCOMPARE(timeBarTwips(secondsLeft, gameLength, 8745), twips);
}

void MainWindowTest::theTimeBarFillsItsTrackAndEmptiesOnTime() {
    Session session(cp932("一番食べたいもの\r\n"), "10,0\r\n");
    session.open();
    auto* bar = session.find("shpJikanK");
    const QRect track = session.find("shpJikanB")->geometry();
    session.click("cmdStart2");
    session.tick(3 + 10);
    QCOMPARE(bar->geometry(), QRect(track.topLeft(), QSize(0, track.height())));
    // The next game starts from the length the game takes as full: the whole track.
    session.click("cmdStart2");
    QCOMPARE(bar->geometry(), track);
}

void MainWindowTest::theAnswerBoxShowsAnswersInTheLargeFont() {
    Session session;
    session.open();
    auto* box = session.find<QLineEdit>("txtKaitou");
    QCOMPARE(box->font().family(), QString::fromUtf8(kWindowFontFamily));
    // A typed answer stands whole in the box, top to bottom.
    QVERIFY(QFontMetrics(box->font()).height() <= box->contentsRect().height());
}

void MainWindowTest::noControlCoversAnotherOnesCaption() {
    Session session(cp932("一番食べたいもの\r\n"), "10,0\r\n");
    MainWindow& window = session.open();
    session.click("cmdStart2");
    session.tick(3);
    for (const char* answer : {"すし", "すし"}) {
        session.type(QString::fromUtf8(answer));
        session.enter();
    }
    session.tick(10); // every counter shows a value
    QCOMPARE(coveredCaptions(window).join(QLatin1Char(' ')), QString());
    session.click("cmdSyousai"); // the topic panel, over the game panel
    QCOMPARE(coveredCaptions(*session.find("fraRireki")).join(QLatin1Char(' ')), QString());
}

void MainWindowTest::startUpReportsARejectedTopicBeforeTheWindowShows() {
    Session session(cp932("一番食べたいもの\r\na/b\r\n好きな色\r\n"), "30,1\r\n");
    const auto seen = answerNextBox(QMessageBox::Ok);
    session.open();
    QCOMPARE(seen->text, QStringLiteral("a/b に含まれる / は使えませんので飛ばします"));
    QCOMPARE(seen->title, QStringLiteral("不正文字"));
    QCOMPARE(seen->icon, QMessageBox::Critical);
    QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The topic panel is made when first opened, with the list read at start-up.
    QVERIFY(session.window->findChild<QWidget*>(QStringLiteral("fraRireki")) == nullptr);
    session.click("cmdSyousai");
    for (const char* name : {"cboMondai", "cboMondai2"}) {
        auto* combo = session.find<QComboBox>(name);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(1), QStringLiteral("好きな色"));
    }
    QCOMPARE(session.find<QComboBox>("cboJikan")->count(), 18);
    QCOMPARE(session.find<QComboBox>("cboJikan")->currentText(), QStringLiteral("30"));
    QVERIFY(session.find<QToolButton>("chkAs")->isChecked());
    QVERIFY(session.find<QRadioButton>("optRendata")->isChecked());
}

void MainWindowTest::aStartUpFailureShowsNothingAndReportsTheFile() {
    Session session;
    session.folder.write("設定.txt", "60\r\n");
    MainWindow window(WorkDir(session.folder.path()), session.clock, session.random,
                      makeProgressWindow);
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

void MainWindowTest::aWholeGameIsPlayedWithKeysAndClicks() {
    Session session(cp932("一番食べたいもの\r\n"), "10,1\r\n");
    session.folder.write("一番食べたいもの.txt", cp932("すし\r\n"));
    MainWindow& window = session.open();
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
    auto* grid = session.find<TextGrid>("msgRireki2");
    QCOMPARE(grid->rows(), 4U);
    QCOMPARE(grid->textAt(2, 1), QStringLiteral("ラーメン"));
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
    QCOMPARE(session.find<TextGrid>("msgRireki")->textAt(1, 9), QStringLiteral("1.00/秒"));
    session.click("cmdHozon");
    QCOMPARE(session.find<TextGrid>("msgRireki")->rows(), 3U);
    Q_UNUSED(window);
}

void MainWindowTest::anInputMethodCommitDoesNotSubmit() {
    Session session;
    MainWindow& window = session.open();
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

void MainWindowTest::aSaveThatCannotBeWrittenIsShownAndLosesNothing() {
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
    auto* history = session.find<TextGrid>("msgRireki");
    QCOMPARE(history->rows(), 1U);
    QCOMPARE(session.label("lblOk"), QStringLiteral("1"));

    std::filesystem::remove(session.folder.path() / "履歴.txt");
    session.click("cmdHozon"); // mended: the same game saves now
    QCOMPARE(history->rows(), 2U);
    QCOMPARE(readPlayHistory(WorkDir(session.folder.path())).records.size(), 1U);
}

void MainWindowTest::theHistoryAndTheTopicPanelAreBrowsedAndCleared() {
    Session session;
    session.folder.write(
        "履歴.txt",
        cp932("\"2024/01/14\",\"20:00:00\",\"好きな色\",2,2,0,0,2,\"0.03/秒\",\"60秒\"\r\n"));
    session.folder.write("好きな色.txt", cp932("赤\r\n青\r\n"));
    session.folder.write("好きな色_履歴.txt",
                         cp932("\"2024/01/14\",\"19:59:00\",\"001\",\"赤\"\r\n"
                               "\"2024/01/14\",\"19:59:30\",\"001\",\"青\"\r\n"));
    session.open();
    auto* history = session.find<TextGrid>("msgRireki");
    QCOMPARE(history->textAt(1, 1), QStringLiteral("24/01/14"));
    QTest::mouseClick(history->viewport(), Qt::LeftButton, {},
                      history->visualRect(history->model()->index(0, 3)).center());
    QCOMPARE(session.find<QComboBox>("cboMondai")->currentText(), QStringLiteral("好きな色"));

    session.click("cmdSyousai");
    QVERIFY(session.find("fraRireki")->isVisible());
    QCOMPARE(session.find<QComboBox>("cboMondai2")->currentText(), QStringLiteral("好きな色"));
    QCOMPARE(session.find<QListView>("lstRendata2")->model()->rowCount(), 2);
    auto* log = session.find<TextGrid>("msgRireki3");
    QCOMPARE(log->rows(), 3U);
    QCOMPARE(log->textAt(2, 2), QStringLiteral("19:59:30"));

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

void MainWindowTest::onlyAPickFromTheListCountsAsPicking() {
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

void MainWindowTest::tabMovesThroughTheControlsInOrder() {
    Session session;
    MainWindow& window = session.open();
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

void MainWindowTest::helpOpensBesideTheGameAndEndClosesIt() {
    Session session;
    MainWindow& window = session.open();
    session.click("cmdHelp");
    QTextBrowser* help = window.help().window();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QVERIFY(!help->isModal());
    QVERIFY(help->toPlainText().contains(QStringLiteral("Wordbloom")));
    // The progress page shows its picture, sharp at the screen's density.
    help->setSource(QUrl(QStringLiteral("qrc:/help/progress.html")));
    QVERIFY(help->toPlainText().contains(QStringLiteral("Ctrl+G")));
    QVERIFY(!QImage(QStringLiteral(":/help/progress.png")).isNull());
    QVERIFY(!QImage(QStringLiteral(":/help/progress@2x.png")).isNull());
    QVERIFY(session.find("cmdStart")->isEnabled());
    session.click("cmdEnd");
    QVERIFY(window.help().window() == nullptr || !window.help().window()->isVisible());
}

void MainWindowTest::aTickWhileABoxIsOpenWaitsAndTheGameEndsAfterIt_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("clear confirmation")
        << QStringLiteral("cmdClear") << QStringLiteral("クリア確認") << QMessageBox::Cancel;
    QTest::newRow("file error") << QStringLiteral("msgRireki") << QStringLiteral("ファイルエラー")
                                << QMessageBox::Ok;
}

void MainWindowTest::aTickWhileABoxIsOpenWaitsAndTheGameEndsAfterIt() {
    QFETCH(QString, opener);
    QFETCH(QString, title);
    QFETCH(QMessageBox::StandardButton, answer);
    Session session(cp932("一番食べたいもの\r\n好きな色\r\n"), "10,1\r\n");
    const std::string earlier =
        cp932("\"2024/01/14\",\"20:00:00\",\"好きな色\",2,2,0,0,2,\"0.03/秒\",\"60秒\"\r\n");
    session.folder.write("履歴.txt", earlier);
    // The earlier game's topic cannot be read: a click on its row shows a file error.
    std::filesystem::create_directory(session.folder.path() / "好きな色.txt");
    session.open();
    session.click("cmdStart2");
    session.tick(3);
    session.type(QStringLiteral("すし"));
    session.enter();
    session.tick(8); // two seconds left
    auto* bar = session.find("shpJikanK");
    const int barBeforeBox = bar->width();

    bool startEnabledUnderBox = true;
    int barUnderBox = -1;
    std::string historyUnderBox;
    const auto seen = answerNextBox(answer, [&] {
        session.tick(5); // the time runs out while the box waits for the player
        startEnabledUnderBox = session.find("cmdStart")->isEnabled();
        barUnderBox = bar->width();
        historyUnderBox = session.folder.read("履歴.txt");
    });
    if (opener == QStringLiteral("msgRireki")) {
        auto* history = session.find<TextGrid>("msgRireki");
        QTest::mouseClick(history->viewport(), Qt::LeftButton, {},
                          history->visualRect(history->model()->index(0, 3)).center());
    } else {
        session.click("cmdClear");
    }
    QCOMPARE(seen->title, title);
    // The ticks under the box were not handled: the game went on, nothing was saved.
    QVERIFY(!startEnabledUnderBox);
    QCOMPARE(barUnderBox, barBeforeBox);
    QCOMPARE(historyUnderBox, earlier);

    // The first tick after the box ends the game of ten seconds and saves it once.
    session.tick();
    QCOMPARE(bar->width(), 0);
    QVERIFY(session.find("cmdStart")->isEnabled());
    QCOMPARE(session.label("lblMoji_T"), QStringLiteral("2"));
    QCOMPARE(session.folder.read("履歴.txt"),
             earlier + cp932("\"2024/01/15\",\"09:00:17\",\"一番食べたいもの\",1,1,0,0,2,"
                             "\"0.20/秒\",\"10秒\"\r\n"));
    QCOMPARE(session.find<TextGrid>("msgRireki")->rows(), 3U);
}

void MainWindowTest::aGreyedAutoSaveSwitchSavesNothingUntilItsFirstClick() {
    Session session(cp932("一番食べたいもの\r\n"), "10,2\r\n");
    session.open();
    auto* autoSave = session.find<QToolButton>("chkAs");
    QVERIFY(autoSave->isChecked()); // pressed in, but greyed
    const QImage greyed = autoSave->grab().toImage();
    session.click("cmdStart2");
    session.tick(3);
    session.type(QStringLiteral("すし"));
    session.enter();
    session.tick(10);
    QCOMPARE(session.folder.read("履歴.txt"), std::string());

    session.click("chkAs"); // the first click takes the grey away and turns it off
    QVERIFY(!autoSave->isChecked());
    QCOMPARE(session.folder.read("設定.txt"), std::string("10,0\r\n"));
    session.click("chkAs");
    QVERIFY(autoSave->isChecked());
    QCOMPARE(session.folder.read("設定.txt"), std::string("10,1\r\n"));
    QVERIFY(autoSave->grab().toImage() != greyed);
}

void MainWindowTest::anUnexpectedFailureIsShownAndTheWindowKeepsWorking() {
    FirstDrawFails random;
    Session session;
    session.open(random);
    const auto seen = answerNextBox(QMessageBox::Ok);
    session.click("cmdStart");
    QCOMPARE(seen->title, QStringLiteral("Wordbloom"));
    QCOMPARE(seen->text,
             QStringLiteral("予期しないエラーが起きました。\n\nno random number to be had"));
    QCOMPARE(seen->icon, QMessageBox::Critical);
    QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    auto* topic = session.find<QComboBox>("cboMondai");
    QCOMPARE(topic->currentText(), QStringLiteral("一番食べたいもの"));
    QVERIFY(session.find("cmdStart")->isEnabled());

    // The next click draws a topic and a whole game is played.
    session.click("cmdStart");
    QCOMPARE(topic->currentText(), QStringLiteral("好きな色"));
    session.tick(3);
    session.type(QStringLiteral("赤"));
    session.enter();
    QCOMPARE(session.label("lblOk"), QStringLiteral("1"));
    session.tick(60);
    QVERIFY(session.find("cmdStart")->isEnabled());
    QCOMPARE(session.label("lblMoji_T"), QStringLiteral("1"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
