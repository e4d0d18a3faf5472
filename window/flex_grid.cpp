#include "window/flex_grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QProxyStyle>
#include <QRegion>
#include <QScrollBar>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace wordbloom {

namespace {

const QColor kEmptyAreaColour(0x80, 0x80, 0x80);
constexpr QRgb kGridLineColour = qRgb(0xC0, 0xC0, 0xC0);
constexpr double kTwipsPerPixel = 15.0;
constexpr double kPixelsPerRowHeightUnit = 1.5;

// The views count rows in int; a larger source shows its first INT_MAX rows.
int clampedCount(std::size_t count) {
    return static_cast<int>(
        std::min(count, static_cast<std::size_t>(std::numeric_limits<int>::max())));
}

int pixelsFromTwips(int twips) {
    return twips > 0 ? static_cast<int>(std::lround(twips / kTwipsPerPixel)) : 0;
}

int rowHeightPixels(float rowHeightSetting) {
    return std::max(1, static_cast<int>(std::lround(rowHeightSetting * kPixelsPerRowHeightUnit)));
}

Qt::Alignment dataAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignment::Centre:
        return Qt::AlignCenter;
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Text stands this far from a cell's edges, so that dates, times and
// numbers fit the narrow columns.
constexpr int kCellPadding = 2;

// The application's style with the grid's own line colour, padding and
// empty area. A style sheet could set the colours too, but it would stop the
// grid from taking the window's palette.
class GridStyle final : public QProxyStyle {
public:
    GridStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Table_GridLineColor) {
            return static_cast<int>(kGridLineColour);
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // Item views keep their text one pixel further in than this margin.
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_FocusFrameHMargin) {
            return kCellPadding - 1;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // The header row right of the last column, like the area below the rows.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_HeaderEmptyArea) {
            painter->fillRect(option->rect, kEmptyAreaColour);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// The font, condensed just enough for `text` to fit into `width` pixels;
// the font itself where the text fits already.
QFont fittingFont(const QFont& font, const QString& text, int width) {
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= width) {
        return font;
    }
    // The text narrows about in step with the stretch; rounding may leave
    // it a pixel too wide, so the estimate is checked.
    const int normal = font.stretch() > 0 ? font.stretch() : QFont::Unstretched;
    int stretch = std::max(1, normal * width / advance);
    QFont condensed = font;
    condensed.setStretch(stretch);
    while (stretch > 1 && QFontMetrics(condensed).horizontalAdvance(text) > width) {
        condensed.setStretch(--stretch);
    }
    return condensed;
}

} // namespace

// The grid's table model: model row r is data row r + 1 of the grid, and the
// header row is the view's horizontal header. Texts are fetched from the row
// source when asked for; only the row count is kept, so that the views see a
// count that changes only through the model's notifications.
class FlexGridModel final : public QAbstractTableModel {
public:
    explicit FlexGridModel(FlexGrid& view) : QAbstractTableModel(&view), m_view(view) {}

    void setLayout(const GridLayout& layout) {
        beginResetModel();
        m_columns = layout.columns;
        m_fixedFirstColumn = layout.fixedFirstColumn;
        m_rows = 0;
        m_backgrounds.clear();
        m_textRoom.clear();
        endResetModel();
    }

    const std::vector<GridColumn>& columns() const { return m_columns; }

    // The room in pixels for the text of each column's cells; 0 for a
    // column whose text is free and never condensed.
    void setTextRoom(std::vector<int> room) { m_textRoom = std::move(room); }

    // The font a cell of the column draws the text in: the grid's font, or
    // where the text is too wide for the cell, the same font condensed just
    // enough. Ordinary values keep the plain font.
    QFont cellFont(int column, const QString& shown) const {
        const auto index = static_cast<std::size_t>(column);
        if (column < 0 || index >= m_textRoom.size() || m_textRoom[index] <= 0) {
            return m_view.font();
        }
        return fittingFont(m_view.font(), shown, m_textRoom[index]);
    }

    void setSource(std::function<std::size_t()> dataRowCount, FlexGrid::CellText cellText) {
        m_dataRowCount = std::move(dataRowCount);
        m_cellText = std::move(cellText);
        reset();
    }

    void reset() {
        beginResetModel();
        m_rows = sourceRows();
        m_backgrounds.clear();
        endResetModel();
    }

    void append() {
        const int rows = sourceRows();
        if (rows < m_rows) {
            reset();
        } else if (rows > m_rows) {
            beginInsertRows({}, m_rows, rows - 1);
            m_rows = rows;
            endInsertRows();
        }
    }

    std::size_t dataRows() const { return static_cast<std::size_t>(m_rows); }

    // Row 0 is the header row; empty outside the grid.
    QString text(std::size_t row, int column) const {
        if (column < 0 || column >= columnCount({}) || row > dataRows()) {
            return {};
        }
        if (row == 0) {
            return QString::fromStdString(m_columns[static_cast<std::size_t>(column)].header);
        }
        return QString::fromStdString(m_cellText(row, column));
    }

    void setCellBackground(std::size_t row, int column, const QColor& colour) {
        if (row == 0 || row > dataRows() || column < 0 || column >= columnCount({})) {
            return;
        }
        const QModelIndex cell = index(static_cast<int>(row - 1), column);
        m_backgrounds[{cell.row(), column}] = colour;
        emit dataChanged(cell, cell, {Qt::BackgroundRole});
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_rows;
    }

    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
            return {};
        }
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
            return text(static_cast<std::size_t>(index.row()) + 1, column);
        case Qt::TextAlignmentRole:
            return dataAlignment(m_columns[static_cast<std::size_t>(column)].data).toInt();
        case Qt::BackgroundRole:
            if (const auto found = m_backgrounds.find({index.row(), column});
                found != m_backgrounds.end()) {
                return QBrush(found->second);
            }
            return isFixed(column) ? QVariant(m_view.palette().button()) : QVariant();
        case Qt::ForegroundRole:
            return isFixed(column) ? QVariant(m_view.palette().buttonText()) : QVariant();
        case Qt::FontRole: {
            const QFont font =
                cellFont(column, text(static_cast<std::size_t>(index.row()) + 1, column));
            return font == m_view.font() ? QVariant() : QVariant(font);
        }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            return text(0, section);
        }
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) {
            return Qt::NoItemFlags;
        }
        const Qt::ItemFlags fixed = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
        return isFixed(index.column()) ? fixed : fixed | Qt::ItemIsSelectable;
    }

private:
    int sourceRows() const {
        return m_dataRowCount && m_cellText ? clampedCount(m_dataRowCount()) : 0;
    }

    bool isFixed(int column) const { return m_fixedFirstColumn && column == 0; }

    const QWidget& m_view;
    std::vector<GridColumn> m_columns;
    bool m_fixedFirstColumn = false;
    std::function<std::size_t()> m_dataRowCount;
    FlexGrid::CellText m_cellText;
    int m_rows = 0;
    std::map<std::pair<int, int>, QColor> m_backgrounds; // by model row and column
    std::vector<int> m_textRoom;                         // by column
};

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), m_model(new FlexGridModel(*this)) {
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

void FlexGrid::applyLayout(const GridLayout& layout) {
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

void FlexGrid::measureTextRoom() {
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

QFont FlexGrid::cellFont(int column, const QString& text) const {
    return m_model->cellFont(column, text);
}

void FlexGrid::setRowSource(std::function<std::size_t()> dataRowCount, CellText cellText) {
    m_pendingTopRow.reset();
    m_model->setSource(std::move(dataRowCount), std::move(cellText));
}

void FlexGrid::rowsReset() {
    m_pendingTopRow.reset();
    m_model->reset();
}

void FlexGrid::rowsAppended() {
    m_model->append();
}

std::size_t FlexGrid::rows() const {
    return m_model->dataRows() + 1;
}

QString FlexGrid::textMatrix(std::size_t row, int column) const {
    return m_model->text(row, column);
}

void FlexGrid::setTopRow(std::size_t row) {
    m_pendingTopRow = row;
    if (isVisible()) {
        scrollToPendingTopRow();
    }
}

std::size_t FlexGrid::topRow() const {
    if (m_pendingTopRow) {
        return std::clamp<std::size_t>(*m_pendingTopRow, 1,
                                       std::max<std::size_t>(m_model->dataRows(), 1));
    }
    const int top = rowAt(0);
    return top >= 0 ? static_cast<std::size_t>(top) + 1 : 1;
}

std::size_t FlexGrid::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? static_cast<std::size_t>(current.row()) + 1 : 0;
}

int FlexGrid::currentColumn() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void FlexGrid::setCellBackground(std::size_t row, int column, const QColor& colour) {
    m_model->setCellBackground(row, column, colour);
}

void FlexGrid::paintEvent(QPaintEvent* event) {
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

void FlexGrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    keepTopRowWhole();
}

void FlexGrid::updateGeometries() {
    QTableView::updateGeometries();
    keepTopRowWhole();
}

void FlexGrid::keepTopRowWhole() {
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

void FlexGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureTextRoom();
    }
}

void FlexGrid::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    scrollToPendingTopRow();
}

void FlexGrid::scrollToPendingTopRow() {
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
