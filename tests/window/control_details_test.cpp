// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_grid.h"
#include "look/fonts.h"
#include "window_session.h"

#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QStyle>
#include <QTest>
#include <QToolButton>

using namespace wordbloom;
using namespace wordbloom::testing;

namespace {

const QColor kEmptyAreaGrey(0x80, 0x80, 0x80);

// The smallest rectangle around the pixels of a `size` image that are marked.
template <typename Marked> QRect markedArea(QSize size, Marked marked) {
    QRect area;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (marked(x, y)) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

} // namespace

class ControlDetailsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void gridCellsShowTheirWidestTextsWhole() {
        Session session(cp932("好きな色\r\n"));
        session.folder.write("履歴.txt",
                             cp932("\"2024/12/28\",\"23:59:59\",\"好きな色\",32767,-32768,-32768,"
                                   "32767,32767,\"99.99/秒\",\"180秒\"\r\n"));
        session.folder.write("好きな色_履歴.txt",
                             cp932("\"2024/12/28\",\"23:59:59\",\"999\",\"赤\"\r\n"));
        session.open();
        session.click("cmdStart2");
        session.tick(3);
        session.type(QStringLiteral("青"));
        session.enter();
        session.click("cmdSyousai");

        auto* history = session.find<TextGrid>("msgRireki");
        auto* log = session.find<TextGrid>("msgRireki3");
        QCOMPARE(history->textAt(1, 1), QStringLiteral("24/12/28"));
        QCOMPARE(history->textAt(1, 5), QStringLiteral("-32768"));
        QCOMPARE(history->textAt(1, 9), QStringLiteral("99.99/秒"));
        QCOMPARE(log->textAt(1, 1), QStringLiteral("2024/12/28"));
        QCOMPARE(log->textAt(1, 2), QStringLiteral("23:59:59"));
        // Each grid has its own layout.
        QCOMPARE(history->textAt(0, 3), QStringLiteral("問題"));
        QCOMPARE(log->textAt(0, 3), QStringLiteral("日回"));
        QCOMPARE(session.find<TextGrid>("msgRireki2")->textAt(0, 1), QStringLiteral("回答"));

        struct Widest {
            const char* grid;
            int column;
            const char* text;
        };
        const Widest widest[] = {
            {"msgRireki", 0, "99999"},     {"msgRireki", 1, "24/12/28"},
            {"msgRireki", 2, "23:59"},     {"msgRireki", 4, "32767"},
            {"msgRireki", 5, "-32768"},    {"msgRireki", 6, "-32768"},
            {"msgRireki", 7, "32767"},     {"msgRireki", 8, "32767"},
            {"msgRireki", 9, "99.99/秒"},  {"msgRireki", 10, "180秒"},
            {"msgRireki3", 0, "99999"},    {"msgRireki3", 1, "2024/12/28"},
            {"msgRireki3", 2, "23:59:59"}, {"msgRireki3", 3, "999"},
            {"msgRireki2", 0, "32767"},
        };
        for (const Widest& cell : widest) {
            const auto* grid = session.find<TextGrid>(cell.grid);
            QCOMPARE(grid->textElideMode(), Qt::ElideNone);
            // Measured as the cell draws it: in the cell's font, between the
            // item view's text margins, left of the grid line.
            const QString text = QString::fromUtf8(cell.text);
            const QFont font = grid->cellFont(cell.column, text);
            const int padding =
                grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
            const int room =
                grid->columnWidth(cell.column) - (grid->showGrid() ? 1 : 0) - 2 * padding;
            const int width = QFontMetrics(font).horizontalAdvance(text);
            QVERIFY2(width <= room, qPrintable(QStringLiteral("%1 column %2: %3 takes %4 px of %5")
                                                   .arg(QString::fromLatin1(cell.grid))
                                                   .arg(cell.column)
                                                   .arg(text)
                                                   .arg(width)
                                                   .arg(room)));
        }
        // The cells draw in that font; ordinary values keep the plain one.
        const QVariant drawn = history->model()->index(0, 5).data(Qt::FontRole);
        QVERIFY(drawn.isValid());
        QCOMPARE(drawn.value<QFont>(), history->cellFont(5, QStringLiteral("-32768")));
        const auto* answers = session.find<TextGrid>("msgRireki2");
        QCOMPARE(answers->textAt(1, 0), QStringLiteral("1"));
        QVERIFY(!answers->model()->index(0, 0).data(Qt::FontRole).isValid());
        QCOMPARE(answers->cellFont(0, QStringLiteral("99")), answers->font());
    }

    void scrolledGridsShowWholeRowsAndAGreyHeaderStrip() {
        Session session;
        std::string games;
        for (int game = 0; game < 20; ++game) {
            games += "\"2024/01/14\",\"20:00:00\",\"好きな色\",2,2,0,0,2,\"0.03/秒\",\"60秒\"\r\n";
        }
        session.folder.write("履歴.txt", cp932(games));
        session.open();
        session.click("cmdStart2");
        session.tick(3);
        for (int answer = 0; answer < 12; ++answer) {
            session.type(QString::number(answer));
            session.enter();
        }
        for (const char* name : {"msgRireki", "msgRireki2"}) {
            auto* grid = session.find<TextGrid>(name);
            // Scrolled to the newest row, as far as the grid goes.
            const int lastRow = grid->model()->rowCount() - 1;
            QVERIFY(grid->viewport()->rect().contains(
                grid->visualRect(grid->model()->index(lastRow, 1))));
            QVERIFY(grid->rowAt(0) > 0);
            QCOMPARE(grid->rowViewportPosition(grid->rowAt(0)), 0);

            QHeaderView* header = grid->horizontalHeader();
            QVERIFY(header->length() < header->width());
            const QImage headerRow = header->grab().toImage();
            const QPointF beyond(header->length() + 1, header->height() / 2.0);
            QCOMPARE(headerRow.pixelColor((beyond * headerRow.devicePixelRatio()).toPoint()),
                     kEmptyAreaGrey);
        }
    }

    void tabEntersTheAssociationOptionsAtTheChosenOne() {
        Session session;
        MainWindow& window = session.open();
        window.activateWindow();
        const auto tabFrom = [&session](const char* name, Qt::Key key) {
            session.find(name)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key);
            return QApplication::focusWidget()->objectName();
        };
        auto* list = session.find("lstRenData");

        // 既存非表示, chosen at start-up, from behind and from before.
        QCOMPARE(tabFrom("cmdSyousai", Qt::Key_Backtab), QStringLiteral("optRendata"));
        QCOMPARE(tabFrom("msgRireki2", Qt::Key_Tab), QStringLiteral("optRendata"));

        // 既存表示 chosen; then a press on 既存非表示, let go beside it, chooses
        // nothing.
        session.click("optRendata2");
        auto* hide = session.find("optRendata");
        QTest::mousePress(hide, Qt::LeftButton, {}, hide->rect().center());
        QTest::mouseRelease(hide, Qt::LeftButton, {}, hide->rect().bottomRight() + QPoint(40, 40));
        QCOMPARE(tabFrom("cmdSyousai", Qt::Key_Backtab), QStringLiteral("optRendata2"));
        QCOMPARE(tabFrom("msgRireki2", Qt::Key_Tab), QStringLiteral("optRendata2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(list->isVisible());
    }

    void arrowKeysInTheTopicBoxesStepFromTheShownTopic() {
        Session session(cp932("一番食べたいもの\r\n好きな色\r\n夏の思い出\r\n"));
        session.folder.write("好きな色.txt", cp932("赤\r\n"));
        session.folder.write("夏の思い出_履歴.txt",
                             cp932("\"2024/01/14\",\"20:00:00\",\"001\",\"花火\"\r\n"));
        session.folder.write(
            "履歴.txt", cp932("\"2024/01/14\",\"20:00:00\",\"夏の思い出\",1,1,0,0,2,\"0.03/秒\","
                              "\"60秒\"\r\n"));
        session.open();
        auto* topic = session.find<QComboBox>("cboMondai");
        QCOMPARE(topic->currentText(), QStringLiteral("一番食べたいもの"));
        QTest::keyClick(topic, Qt::Key_Down);
        QCOMPARE(topic->currentText(), QStringLiteral("好きな色"));
        QCOMPARE(session.find<QListView>("lstRenData")->model()->rowCount(), 1); // a pick

        // A history row puts its topic in without picking it.
        auto* history = session.find<TextGrid>("msgRireki");
        QTest::mouseClick(history->viewport(), Qt::LeftButton, {},
                          history->visualRect(history->model()->index(0, 3)).center());
        QCOMPARE(topic->currentText(), QStringLiteral("夏の思い出"));
        QTest::keyClick(topic, Qt::Key_Up);
        QCOMPARE(topic->currentText(), QStringLiteral("好きな色"));

        // The panel's box starts from the topic copied into it.
        session.click("cmdSyousai");
        auto* panelTopic = session.find<QComboBox>("cboMondai2");
        QCOMPARE(panelTopic->currentText(), QStringLiteral("好きな色"));
        QTest::keyClick(panelTopic, Qt::Key_Down);
        QCOMPARE(panelTopic->currentText(), QStringLiteral("夏の思い出"));
        QCOMPARE(session.find<TextGrid>("msgRireki3")->textAt(1, 4), QStringLiteral("花火"));
    }

    void noLabelsTipPromisesAClick() { // labels have no click action
        Session session;
        for (const QLabel* label : session.open().findChildren<QLabel*>()) {
            QVERIFY2(!label->toolTip().contains(u"クリック"), qPrintable(label->objectName()));
        }
    }

    void theTopicLogOpensOnItsLastRowUnscrolled() { // arrow keys go on from there
        Session session;
        std::string log;
        for (int answer = 0; answer < 30; ++answer) {
            log += "\"2024/01/14\",\"20:00:00\",\"001\",\"a\"\r\n";
        }
        session.folder.write("一番食べたいもの_履歴.txt", log);
        session.open();
        session.click("cmdSyousai");
        QCOMPARE(session.find<TextGrid>("msgRireki3")->currentRow(), 30U);
        QCOMPARE(session.find<TextGrid>("msgRireki3")->topRow(), 1U);
    }

    void theHistoryButtonShowsItsPictureAtToolbarSize() {
        Session session;
        session.open();
        auto* button = session.find<QToolButton>("cmdSyousai");
        const QImage shown = button->grab().toImage();
        const QIcon picture = button->icon();
        QPixmap blank(32, 32);
        blank.fill(Qt::transparent);
        button->setIcon(QIcon(blank));
        const QImage withoutPicture = button->grab().toImage();
        button->setIcon(picture);

        const QRect drawn = markedArea(shown.size(), [&](int x, int y) {
            return shown.pixel(x, y) != withoutPicture.pixel(x, y);
        });
        // Measured in device pixels, as the button is drawn on its screen.
        const QImage atToolbarSize =
            picture.pixmap(QSize(32, 32), shown.devicePixelRatio()).toImage();
        const QRect painted = markedArea(atToolbarSize.size(), [&](int x, int y) {
            return qAlpha(atToolbarSize.pixel(x, y)) != 0;
        });
        QCOMPARE(drawn.size(), painted.size());
        QVERIFY(shown.rect().contains(drawn));
    }
};

QTEST_MAIN(ControlDetailsTest)
#include "control_details_test.moc"
