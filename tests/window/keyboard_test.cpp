// SPDX-License-Identifier: GPL-3.0-or-later
// The window played at the keyboard alone: every key goes to the control that
// has the focus, Tab moves it, and no mouse event is sent.

#include "message_boxes.h"
#include "widgets/text_grid.h"
#include "look/fonts.h"
#include "window_session.h"

#include <QComboBox>
#include <QListView>
#include <QTest>

using namespace wordbloom;
using namespace wordbloom::testing;

namespace {

// A player at the keyboard of one window. Keys go to the control that has the
// window's focus: the offscreen platform, having no window manager, does not
// make the window active again after a message box closes.
struct Keyboard {
    QWidget& window;

    // The control that has the focus, by its object name: a combo box's text
    // field counts as the combo box.
    QString focused() const {
        QWidget* focus = window.focusWidget();
        while (focus != nullptr && focus->objectName().isEmpty()) {
            focus = focus->parentWidget();
        }
        return focus != nullptr ? focus->objectName() : QString();
    }

    // A key goes to an open drop-down list first, as a popup takes the
    // keyboard while it is open.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* target = popup != nullptr && popup->focusWidget() != nullptr
                              ? popup->focusWidget()
                              : window.focusWidget();
        QTest::keyClick(target, key, modifiers);
    }

    // Presses Tab until the named control has the focus; false when it never
    // does.
    bool tabTo(const char* name) const {
        for (int presses = 0; presses < 40; ++presses) {
            if (focused() == QLatin1String(name)) {
                return true;
            }
            press(Qt::Key_Tab);
        }
        return false;
    }

    // Types a text as one key press, as an input method hands over kana.
    void type(const QString& text) const {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(window.focusWidget(), &key);
    }
};

Keyboard openAtTheKeyboard(Session& session) {
    MainWindow& window = session.open();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        qFatal("the window never became active");
    }
    return Keyboard{window};
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void aWholeGameIsPlayedAtTheKeyboard();
    void theHistoryAndTheTopicPanelAreUsedAtTheKeyboard();
    void theOpenTopicPanelKeepsTheKeyboard();
};

void KeyboardTest::aWholeGameIsPlayedAtTheKeyboard() {
    Session session(cp932("一番食べたいもの\r\n好きな色\r\n"), "10,1\r\n");
    session.folder.write("好きな色.txt", cp932("赤\r\n"));
    const Keyboard keys = openAtTheKeyboard(session);
    QCOMPARE(keys.focused(), QStringLiteral("cmdStart"));

    QVERIFY(keys.tabTo("cboJikan"));
    keys.press(Qt::Key_Down);
    QCOMPARE(session.folder.read("設定.txt"), std::string("20,1\r\n"));
    keys.press(Qt::Key_Up);
    QVERIFY(keys.tabTo("chkAs"));
    keys.press(Qt::Key_Space);
    QCOMPARE(session.folder.read("設定.txt"), std::string("10,0\r\n"));
    keys.press(Qt::Key_Space);
    QCOMPARE(session.folder.read("設定.txt"), std::string("10,1\r\n"));

    QVERIFY(keys.tabTo("cboMondai"));
    keys.press(Qt::Key_Down, Qt::AltModifier); // opens the list
    keys.press(Qt::Key_Down);
    QCOMPARE(session.find<QComboBox>("cboMondai")->currentText(),
             QStringLiteral("一番食べたいもの"));
    keys.press(Qt::Key_Return);
    QCOMPARE(session.find<QComboBox>("cboMondai")->currentText(), QStringLiteral("好きな色"));
    QVERIFY(keys.tabTo("optRendata"));
    keys.press(Qt::Key_Up); // to the option above it, which shows the known answers
    QCOMPARE(keys.focused(), QStringLiteral("optRendata2"));
    QVERIFY(session.find("lstRenData")->isVisible());
    QCOMPARE(session.find<QListView>("lstRenData")->model()->rowCount(), 1);

    QVERIFY(keys.tabTo("cmdStart2"));
    keys.press(Qt::Key_Space);
    session.tick(3);
    QCOMPARE(keys.focused(), QStringLiteral("txtKaitou"));
    for (const char* answer : {"赤", "青", "青"}) {
        keys.type(QString::fromUtf8(answer));
        keys.press(Qt::Key_Return);
    }
    QCOMPARE(session.label("lblOk") + session.label("lblChu") + session.label("lblNg"),
             QStringLiteral("111"));
    session.tick(10);
    QCOMPARE(session.find<TextGrid>("msgRireki")->textAt(1, 3), QStringLiteral("好きな色"));
    QCOMPARE(session.find<TextGrid>("msgRireki")->textAt(1, 4), QStringLiteral("3"));
}

void KeyboardTest::theHistoryAndTheTopicPanelAreUsedAtTheKeyboard() {
    Session session;
    session.folder.write(
        "履歴.txt",
        cp932(
            "\"2024/01/14\",\"20:00:00\",\"好きな色\",2,2,0,0,2,\"0.03/秒\",\"60秒\"\r\n"
            "\"2024/01/14\",\"20:05:00\",\"一番食べたいもの\",0,0,0,0,0,\"0.00/秒\",\"60秒\"\r\n"));
    session.folder.write("好きな色.txt", cp932("赤\r\n青\r\n"));
    session.folder.write("好きな色_履歴.txt",
                         cp932("\"2024/01/14\",\"19:59:00\",\"001\",\"赤\"\r\n"
                               "\"2024/01/14\",\"19:59:30\",\"001\",\"青\"\r\n"));
    const Keyboard keys = openAtTheKeyboard(session);
    auto* topic = session.find<QComboBox>("cboMondai");

    // Enter or Space on a play history row takes its topic, as a click does.
    QVERIFY(keys.tabTo("msgRireki"));
    keys.press(Qt::Key_Return);
    QCOMPARE(topic->currentText(), QStringLiteral("好きな色"));
    keys.press(Qt::Key_Down);
    keys.press(Qt::Key_Space);
    QCOMPARE(topic->currentText(), QStringLiteral("一番食べたいもの"));
    keys.press(Qt::Key_Up);
    keys.press(Qt::Key_Return);

    // The panel takes the focus as it opens; Escape closes it, as 戻る does,
    // and the focus goes back to the button.
    QVERIFY(keys.tabTo("cmdSyousai"));
    keys.press(Qt::Key_Space);
    QVERIFY(session.find("fraRireki")->isVisible());
    QCOMPARE(keys.focused(), QStringLiteral("msgRireki3"));
    QCOMPARE(session.find<TextGrid>("msgRireki3")->rows(), 3U);
    keys.press(Qt::Key_Escape);
    QVERIFY(!session.find("fraRireki")->isVisible());
    QCOMPARE(keys.focused(), QStringLiteral("cmdSyousai"));

    keys.press(Qt::Key_Space);
    QVERIFY(keys.tabTo("cboMondai2"));
    keys.press(Qt::Key_Down, Qt::AltModifier);
    keys.press(Qt::Key_Escape); // closes the open list, not the panel
    QVERIFY(!session.find<QComboBox>("cboMondai2")->view()->isVisible());
    QVERIFY(session.find("fraRireki")->isVisible());
    keys.press(Qt::Key_Escape); // the box itself leaves Escape to the panel
    QVERIFY(!session.find("fraRireki")->isVisible());
    keys.press(Qt::Key_Space);
    QVERIFY(keys.tabTo("cboMondai2"));
    keys.press(Qt::Key_Up); // picks the topic above: nothing logged yet
    QCOMPARE(session.find<TextGrid>("msgRireki3")->rows(), 1U);
    keys.press(Qt::Key_Down);
    QCOMPARE(session.find<TextGrid>("msgRireki3")->rows(), 3U);
    QVERIFY(keys.tabTo("cmdRenClr"));
    auto seen = pressInNextBox(Qt::Key_Escape);
    keys.press(Qt::Key_Space);
    QCOMPARE(seen->title, QStringLiteral("クリア確認"));
    QCOMPARE(session.folder.read("好きな色.txt"), cp932("赤\r\n青\r\n"));
    seen = pressInNextBox(Qt::Key_Return);
    keys.press(Qt::Key_Space);
    QCOMPARE(session.folder.read("好きな色_履歴.txt"), std::string());
    QVERIFY(keys.tabTo("cmdModoru"));
    keys.press(Qt::Key_Space);
    QVERIFY(!session.find("fraRireki")->isVisible());
    QCOMPARE(keys.focused(), QStringLiteral("cmdSyousai"));

    QVERIFY(keys.tabTo("cmdClear"));
    seen = pressInNextBox(Qt::Key_Return);
    const auto done = pressInNextBox(Qt::Key_Return);
    keys.press(Qt::Key_Space);
    QCOMPARE(done->text, QStringLiteral("履歴データをクリアしました"));
    QCOMPARE(session.find<TextGrid>("msgRireki")->rows(), 1U);
}

void KeyboardTest::theOpenTopicPanelKeepsTheKeyboard() {
    Session session;
    session.folder.write("一番食べたいもの.txt", cp932("すし\r\n"));
    const Keyboard keys = openAtTheKeyboard(session);
    for (const char* button : {"cmdStart2", "cmdSyousai"}) {
        QVERIFY(keys.tabTo(button));
        keys.press(Qt::Key_Space);
    }
    session.tick(3); // the countdown ends under the panel
    QStringList round{keys.focused()};
    for (const auto modifier : {0, 0, 0, 0, 0, 0, int{Qt::ShiftModifier}}) {
        keys.press(Qt::Key_Tab, Qt::KeyboardModifiers(modifier));
        round << keys.focused();
    }
    QCOMPARE(round.join(u' '), QStringLiteral("msgRireki3 lstRendata2 cboMondai2 cmdRenClr "
                                              "cmdModoru msgRireki3 lstRendata2 msgRireki3"));
    QVERIFY(keys.tabTo("cmdRenClr"));
    const auto seen = pressInNextBox(Qt::Key_Return);
    keys.press(Qt::Key_Space);
    keys.press(Qt::Key_Escape); // as 戻る: the cleared answers leave the game panel
    QCOMPARE(session.find<QListView>("lstRenData")->model()->rowCount(), 0);
    QCOMPARE(keys.focused(), QStringLiteral("txtKaitou"));
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
