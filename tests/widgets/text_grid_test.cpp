// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_grid.h"
#include "widgets/text_list_model.h"

#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

using wordbloom::Alignment;
using wordbloom::GridLayout;
using wordbloom::TextGrid;
using wordbloom::TextListModel;

namespace {

const std::string kTopic = "一番食べたいもの";

GridLayout answerLayout() {
    return {11.0F,
            true,
            {{"回", 380, Alignment::Right, ""},
             {"回答", 1975, Alignment::Left, ""},
             {"秒数", 750, Alignment::Centre, ""}}};
}

// Grid rows kept in a vector: column 0 the row number, the others the text.
struct Answers {
    std::vector<std::string> texts;

    void feed(TextGrid& grid) {
        grid.setRowSource([this] { return texts.size(); },
                          [this](std::size_t row, int column) {
                              return column == 0 ? std::to_string(row) : texts.at(row - 1);
                          });
    }
};

void showSized(QWidget& widget) {
    widget.resize(300, 160);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

QVariant cellData(const TextGrid& grid, int modelRow, int column, int role) {
    return grid.model()->data(grid.model()->index(modelRow, column), role);
}

} // namespace

class TextGridTest : public QObject {
    Q_OBJECT
private slots:
    void layoutGivesHeadersAlignmentsAndOnlyTheHeaderRow() {
        TextGrid grid;
        Answers answers{{"a", "b"}};
        grid.applyLayout(answerLayout());
        answers.feed(grid);
        QCOMPARE(grid.rows(), std::size_t{3});

        grid.applyLayout(answerLayout());
        QCOMPARE(grid.rows(), std::size_t{1});
        QCOMPARE(grid.textAt(0, 1), QString::fromUtf8("回答"));
        QCOMPARE(grid.textAt(1, 1), QString());
        QCOMPARE(grid.horizontalHeader()->count(), 3);

        grid.rowsReset();
        const Qt::Alignment alignments[] = {Qt::AlignRight | Qt::AlignVCenter,
                                            Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(cellData(grid, 0, column, Qt::TextAlignmentRole).toInt(),
                     alignments[column].toInt());
        }
        QVERIFY(!grid.model()->flags(grid.model()->index(0, 0)).testFlag(Qt::ItemIsSelectable));
        QVERIFY(grid.model()->flags(grid.model()->index(0, 1)).testFlag(Qt::ItemIsSelectable));
        QCOMPARE(cellData(grid, 0, 0, Qt::BackgroundRole).value<QBrush>(), grid.palette().button());
    }

    void millionRowsLoadWithoutReadingTheirTexts() {
        TextGrid grid;
        grid.applyLayout(answerLayout());
        std::size_t reads = 0;
        grid.setRowSource([] { return std::size_t{1'000'000}; },
                          [&reads](std::size_t row, int column) {
                              ++reads;
                              return std::to_string(row) + "/" + std::to_string(column);
                          });
        QCOMPARE(grid.rows(), std::size_t{1'000'001});
        QCOMPARE(reads, std::size_t{0});

        grid.setTopRow(999'990);
        showSized(grid);
        grid.viewport()->grab();
        QVERIFY(reads > 0);
        QVERIFY(reads < 1000);
        QCOMPARE(grid.textAt(1'000'000, 2), QStringLiteral("1000000/2"));
    }

    void appendedAndResetRowsFollowTheSource() {
        TextGrid grid;
        grid.applyLayout(answerLayout());
        Answers answers;
        answers.feed(grid);
        QCOMPARE(grid.rows(), std::size_t{1});

        answers.texts.push_back(kTopic);
        grid.rowsAppended();
        QCOMPARE(grid.rows(), std::size_t{2});
        QCOMPARE(grid.textAt(1, 1), QString::fromUtf8("一番食べたいもの"));

        answers.texts.clear();
        grid.rowsAppended(); // a shrunken source is taken as a reset
        QCOMPARE(grid.rows(), std::size_t{1});
        answers.texts = {"x", "y"};
        grid.rowsReset();
        QCOMPARE(grid.textAt(2, 1), QStringLiteral("y"));
        QCOMPARE(grid.textAt(3, 1), QString());
    }

    void topRowScrollsThatRowToTheTop() {
        TextGrid grid;
        grid.applyLayout(answerLayout());
        Answers answers{std::vector<std::string>(100, "a")};
        answers.feed(grid);
        grid.setTopRow(40); // before the grid is shown
        showSized(grid);
        QCOMPARE(grid.rowAt(0), 39);
        QCOMPARE(grid.topRow(), std::size_t{40});

        answers.texts.resize(150, "b");
        grid.rowsAppended();
        grid.setTopRow(150); // as far as the grid can scroll
        QVERIFY(grid.viewport()->rect().contains(grid.visualRect(grid.model()->index(149, 1))));
        QCOMPARE(grid.rowAt(0) + 1, static_cast<int>(grid.topRow()));
    }

    void clickMovesTheCurrentCellThenNotifies() {
        TextGrid grid;
        grid.applyLayout(answerLayout());
        Answers answers{{"a", "b", "c"}};
        answers.feed(grid);
        showSized(grid);
        std::vector<std::pair<std::size_t, int>> clicks;
        std::size_t currentAtClick = 0;
        connect(&grid, &TextGrid::cellClicked, [&](std::size_t row, int column) {
            clicks.emplace_back(row, column);
            currentAtClick = grid.currentRow();
        });

        const QPoint cell = grid.visualRect(grid.model()->index(2, 1)).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(clicks, (std::vector<std::pair<std::size_t, int>>{{3, 1}}));
        QCOMPARE(currentAtClick, std::size_t{3});
        QCOMPARE(grid.currentColumn(), 1);

        // The fixed column takes clicks too, though it is never highlighted.
        const QPoint fixedCell = grid.visualRect(grid.model()->index(0, 0)).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, fixedCell);
        QCOMPARE(clicks.back(), (std::pair<std::size_t, int>{1, 0}));
        QCOMPARE(currentAtClick, std::size_t{1});

        QHeaderView* header = grid.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
        QCOMPARE(clicks.size(), std::size_t{2});
        QCOMPARE(grid.currentRow(), std::size_t{1});
    }

    void cellBackgroundColoursOneCellUntilReset() {
        TextGrid grid;
        grid.applyLayout(answerLayout());
        Answers answers{{"a", "b", "c"}};
        answers.feed(grid);
        const QColor lightRed(255, 192, 192);
        const auto colourOf = [&grid](int modelRow, int column) {
            return cellData(grid, modelRow, column, Qt::BackgroundRole);
        };

        grid.setCellBackground(2, 1, lightRed);
        answers.texts.emplace_back("d");
        grid.rowsAppended();
        QCOMPARE(colourOf(1, 1).value<QBrush>().color(), lightRed);
        QVERIFY(!colourOf(0, 1).isValid() && !colourOf(2, 1).isValid() &&
                !colourOf(1, 2).isValid());

        grid.rowsReset();
        QVERIFY(!colourOf(1, 1).isValid());
        grid.setCellBackground(2, 1, lightRed);
        grid.applyLayout(answerLayout());
        grid.rowsReset();
        QVERIFY(!colourOf(1, 1).isValid());
    }

    void cellsGridLinesAndEmptyAreaHaveTheirColours() {
        QWidget window;
        QPalette palette = window.palette();
        palette.setColor(QPalette::Base, QColor(255, 255, 240));
        palette.setColor(QPalette::Button, QColor(212, 208, 200));
        window.setPalette(palette);
        TextGrid grid(&window);
        grid.applyLayout(answerLayout());
        Answers answers{{"", ""}};
        answers.feed(grid);
        grid.resize(300, 160);
        showSized(window);

        const QImage image = grid.viewport()->grab().toImage();
        const QRect cell = grid.visualRect(grid.model()->index(1, 1));
        const QRect fixedCell = grid.visualRect(grid.model()->index(1, 0));
        QCOMPARE(image.pixelColor(cell.center()), QColor(255, 255, 240));
        QCOMPARE(image.pixelColor(fixedCell.left() + 1, fixedCell.center().y()),
                 QColor(212, 208, 200));
        QCOMPARE(image.pixelColor(cell.right() + 1, cell.center().y()), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(image.pixelColor(5, image.height() - 5), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(image.width() - 5, cell.center().y()), QColor(0x80, 0x80, 0x80));
    }

    void textListModelFollowsItsVector() {
        std::vector<std::string> items{kTopic};
        TextListModel model;
        model.setSource(&items);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(),
                 QString::fromUtf8("一番食べたいもの"));

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        items.emplace_back("b");
        model.itemsAppended();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model.data(model.index(1), Qt::DisplayRole).toString(), QStringLiteral("b"));

        items.clear();
        model.itemsReset();
        QCOMPARE(model.rowCount(), 0);
        items.emplace_back("c");
        model.setSource(nullptr);
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(TextGridTest)
#include "text_grid_test.moc"
