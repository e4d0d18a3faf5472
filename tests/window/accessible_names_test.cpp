// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the window, read through Qt's
// accessibility interfaces as its AT-SPI bridge reads them.

#include "look/fonts.h"
#include "window_session.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace wordbloom;
using namespace wordbloom::testing;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    if (found == nullptr) {
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    }
    return found;
}

QString spokenName(const Session& session, const char* control) {
    return accessible(session.find(control))->text(QAccessible::Name);
}

QString cell(const Session& session, const char* grid, int row, int column) {
    QAccessibleTableInterface* table = accessible(session.find(grid))->tableInterface();
    return table->cellAt(row, column)->text(QAccessible::Name);
}

int timeLeft(const Session& session) {
    return accessible(session.find("shpJikanK"))->valueInterface()->currentValue().toInt();
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void everyControlHasANameAndADescription() {
        Session session;
        session.open();
        session.click("cmdSyousai"); // the topic panel is made when first opened
        session.find("msgRireki3");
        for (QWidget* control : session.window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
                continue; // parts Qt makes inside its own widgets
            }
            QAccessibleInterface* read = accessible(control);
            QVERIFY2(!read->text(QAccessible::Name).isEmpty(), qPrintable(name));
            QVERIFY2(!read->text(QAccessible::Description).isEmpty(), qPrintable(name));
            // On Linux a combo box's name is its text; the field inside, where
            // the focus lands, says what the box is.
            if (auto* combo = qobject_cast<QComboBox*>(control)) {
                QVERIFY2(!accessible(combo->lineEdit())->text(QAccessible::Name).isEmpty(),
                         qPrintable(name));
            }
        }
        // A tool tip is the description, word for word.
        QCOMPARE(accessible(session.find("cmdStart2"))->text(QAccessible::Description),
                 QStringLiteral("表示中の問いでゲームスタート"));
        QCOMPARE(spokenName(session, "cmdStart2"), QStringLiteral("表示中のお題でスタート"));
        QCOMPARE(
            accessible(session.find<QComboBox>("cboMondai")->lineEdit())->text(QAccessible::Name),
            QStringLiteral("お題"));
    }

    void theLabelBesideAControlLabelsIt() {
        Session session;
        session.open();
        const std::pair<const char*, const char*> labelled[] = {
            {"Label1_1", "cboJikan"}, {"lblHint", "cboMondai"}, {"Label2_1", "txtKaitou"}};
        for (const auto& [label, control] : labelled) {
            const auto labels = accessible(session.find(control))->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.front().first->object(), session.find(label));
        }
    }

    void countersTheTimeBarAndTheAnswersReadTheirValues() {
        Session session(cp932("一番食べたいもの\r\n"), "10,0\r\n");
        session.folder.write("一番食べたいもの.txt", cp932("すし\r\n"));
        session.open();
        QCOMPARE(spokenName(session, "lblOk"), QStringLiteral("新しい回答の数"));
        QCOMPARE(timeLeft(session), 100);
        session.click("cmdStart2");
        session.tick(3);
        for (const char* answer : {"すし", "ラーメン", "ラーメン"}) {
            session.type(QString::fromUtf8(answer));
            session.enter();
        }
        QCOMPARE(spokenName(session, "lblOk"), QStringLiteral("新しい回答の数 1"));
        QCOMPARE(spokenName(session, "lblChu"), QStringLiteral("既存の回答の数 1"));
        QCOMPARE(spokenName(session, "lblNg"), QStringLiteral("重複した回答の数 1"));
        // The colour of an answer's number, in words after the number.
        QCOMPARE(cell(session, "msgRireki2", 0, 0), QStringLiteral("1 既存の回答"));
        QCOMPARE(cell(session, "msgRireki2", 1, 0), QStringLiteral("2 新しい回答"));
        QCOMPARE(cell(session, "msgRireki2", 2, 0), QStringLiteral("3 重複した回答"));
        QCOMPARE(cell(session, "msgRireki2", 2, 1), QStringLiteral("ラーメン"));
        session.tick(5);
        QCOMPARE(timeLeft(session), 50);
        session.tick(5);
        QCOMPARE(timeLeft(session), 0);
        QCOMPARE(spokenName(session, "lblMoji_T"), QStringLiteral("文字数 10"));
        QCOMPARE(spokenName(session, "lblByou"), QStringLiteral("1秒あたりの文字数 1.00/秒"));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
