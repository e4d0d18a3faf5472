// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_grid.h"

#include "widgets/text_grid_model.h"
#include "widgets/text_grid_style.h"
#include "widgets/units.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>

#include <algorithm>
#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace wordbloom {

namespace {

// The grid's header: fixed-width sections at the fixed height of a row, so
// its size hint is its size. QHeaderView's own measures every caption in a
// bold font to find the tallest, which the fixed height makes moot and which
// made start-up load the bold font for nothing else.
class FixedHeaderView final : public QHeaderView {
public:
    explicit FixedHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
    QSize sizeHint() const override { return {length(), minimumHeight()}; }
};

} // namespace

TextGrid::TextGrid(QWidget* parent) : QTableView(parent), m_model(new TextGridModel(*this)) {
    setHorizontalHeader(new FixedHeaderView(this));
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setVerticalScrollMode(ScrollPerItem);
    setSortingEnabled(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    // A cell too narrow for its text cuts it off rather than hiding its end
    // behind an ellipsis.
    setTextElideMode(Qt::ElideNone);
    auto* style = new GridStyle;
    style->setParent(this);
    setStyle(style);
    horizontalHeader()->setStyle(style);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(0);

    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(0);
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignCenter);

    // The view's clicked() comes on release over the pressed cell; the press
    // has already made that cell current.
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        emit cellClicked(static_cast<std::size_t>(index.row()) + 1, index.column());
    });
}

void TextGrid::applyLayout(const GridLayout& layout) {
    m_pendingTopRow.reset();
    m_model->setLayout(layout);
    for (std::size_t column = 0; column < layout.columns.size(); ++column) {
        horizontalHeader()->resizeSection(static_cast<int>(column),
                                          pixelsFromTwips(layout.columns[column].width));
    }
    const int rowHeight = rowHeightPixels(layout.rowHeightSetting);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    measureTextRoom();
}

void TextGrid::measureTextRoom() {
    const int gridLine = showGrid() ? 1 : 0;
    const std::vector<GridColumn>& columns = m_model->columns();
    std::vector<int> room;
    room.reserve(columns.size());
    for (std::size_t column = 0; column < columns.size(); ++column) {
        room.push_back(columns[column].widest.empty()
                           ? 0
                           : columnWidth(static_cast<int>(column)) - gridLine - 2 * kCellPadding);
    }
    m_model->setTextRoom(std::move(room));
    viewport()->update();
}

QFont TextGrid::cellFont(int column, const QString& text) const {
    return m_model->cellFont(column, text);
}

void TextGrid::setRowSource(std::function<std::size_t()> dataRowCount, CellText cellText) {
    m_pendingTopRow.reset();
    m_model->setSource(std::move(dataRowCount), std::move(cellText));
}

void TextGrid::rowsReset() {
    m_pendingTopRow.reset();
    m_model->reset();
}

void TextGrid::rowsAppended() {
    m_model->append();
}

std::size_t TextGrid::rows() const {
    return m_model->dataRows() + 1;
}

QString TextGrid::textAt(std::size_t row, int column) const {
    return m_model->text(row, column);
}

void TextGrid::setTopRow(std::size_t row) {
    m_pendingTopRow = row;
    if (isVisible()) {
        scrollToPendingTopRow();
    }
}

std::size_t TextGrid::topRow() const {
    if (m_pendingTopRow) {
        return std::clamp<std::size_t>(*m_pendingTopRow, 1,
                                       std::max<std::size_t>(m_model->dataRows(), 1));
    }
    const int top = rowAt(0);
    return top >= 0 ? static_cast<std::size_t>(top) + 1 : 1;
}

std::size_t TextGrid::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? static_cast<std::size_t>(current.row()) + 1 : 0;
}

void TextGrid::setCurrentCell(std::size_t row, int column) {
    if (row == 0 || row > m_model->dataRows()) {
        return;
    }
    const QModelIndex cell = m_model->index(static_cast<int>(row - 1), column);
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    setAutoScroll(scrolls);
}

int TextGrid::currentColumn() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void TextGrid::setCellBackground(std::size_t row, int column, const QColor& colour,
                                 const QString& meaning) {
    m_model->setCellBackground(row, column, colour, meaning);
}

void TextGrid::paintEvent(QPaintEvent* event) {
    // The area right of the last column and below the last row.
    QRegion emptyArea(viewport()->rect());
    emptyArea -= QRect(0, 0, horizontalHeader()->length() - horizontalOffset(),
                       verticalHeader()->length() - verticalOffset());
    {
        QPainter painter(viewport());
        for (const QRect& part : emptyArea) {
            painter.fillRect(part, kEmptyAreaColour);
        }
    }
    QTableView::paintEvent(event);
}

void TextGrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    keepTopRowWhole();
}

void TextGrid::updateGeometries() {
    QTableView::updateGeometries();
    keepTopRowWhole();
}

void TextGrid::keepTopRowWhole() {
    // Scrolled to its end, the view would put the last row at the very
    // bottom and cut the top row in half; the grid starts at a whole row and
    // leaves the empty area below the last one instead.
    QHeaderView* rows = verticalHeader();
    const int offset = rows->sectionPosition(verticalScrollBar()->value());
    if (offset >= 0 && rows->offset() != offset) {
        rows->setOffset(offset);
        viewport()->update();
    }
}

void TextGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureTextRoom();
    }
}

void TextGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool choose = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (choose && event->modifiers() == Qt::NoModifier && currentRow() > 0) {
        event->accept();
        emit cellChosen(currentRow(), currentColumn());
        return;
    }
    QTableView::keyPressEvent(event);
}

void TextGrid::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    scrollToPendingTopRow();
}

void TextGrid::scrollToPendingTopRow() {
    if (!m_pendingTopRow) {
        return;
    }
    const std::size_t row = std::max<std::size_t>(*m_pendingTopRow, 1);
    m_pendingTopRow.reset();
    // The scroll range follows the row count only after the delayed layout.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(clampedCount(row - 1));
}

} // namespace wordbloom
