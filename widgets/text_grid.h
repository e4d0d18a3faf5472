// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/grid_layout.h"

#include <QColor>
#include <QString>
#include <QTableView>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace wordbloom {

class TextGridModel;

// A grid of fixed-width columns under one header row, optionally with a fixed
// first column. The grid keeps no copy of the cell texts: it asks its row
// source for the texts of the cells it paints, so loading a million rows
// costs no more than loading ten.
//
// Rows are counted as the grid shows them: row 0 is the header row and the
// data rows count from 1.
class TextGrid : public QTableView {
    Q_OBJECT
public:
    using CellText = std::function<std::string(std::size_t row, int column)>;

    explicit TextGrid(QWidget* parent = nullptr);

    // Lays the grid out: columns, header texts (all centred), widths in twips
    // (15 twips to the pixel), data alignment per column (always vertically
    // centred), row height and the fixed first column. Only the header row
    // remains.
    void applyLayout(const GridLayout& layout);

    // The font a data cell of the column shows the text in. In a column that
    // names its widest text, a text too wide for the cell is drawn in the
    // grid's font condensed just enough to fit; everything else, ordinary
    // values included, in the grid's font.
    QFont cellFont(int column, const QString& text) const;

    // Where the data rows come from: their number and the text of each cell.
    // The rows are read afresh.
    void setRowSource(std::function<std::size_t()> dataRowCount, CellText cellText);
    // The source changed entirely (loaded or cleared).
    void rowsReset();
    // The source has grown by one or more rows at its end.
    void rowsAppended();

    // All rows, the header row included.
    std::size_t rows() const;
    // The text of a cell as it is shown (shownText); row 0 gives the header
    // text. Empty outside the grid.
    QString textAt(std::size_t row, int column) const;

    // Scrolls so that data row `row` is the first visible one, or as far as
    // the grid can scroll. A grid not yet shown scrolls when it is shown.
    void setTopRow(std::size_t row);
    std::size_t topRow() const;

    // Makes a data cell current without scrolling the view; nothing outside
    // the data rows.
    void setCurrentCell(std::size_t row, int column);
    // The current cell; row 0 when no data row is current.
    std::size_t currentRow() const;
    int currentColumn() const;

    // The background of one data cell, kept until the next applyLayout or
    // rowsReset, and what the colour means in words, which screen readers
    // read after the cell's text. Cells outside the data rows are left alone.
    void setCellBackground(std::size_t row, int column, const QColor& colour,
                           const QString& meaning = {});

signals:
    // A click on a data cell, emitted after the current cell has moved to it.
    void cellClicked(std::size_t row, int column);
    // Enter or Space on the current data cell: the keyboard's click.
    void cellChosen(std::size_t row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    void scrollToPendingTopRow();
    void keepTopRowWhole();
    // The room for text between the cell padding of each column that names
    // its widest text.
    void measureTextRoom();

    TextGridModel* m_model;
    std::optional<std::size_t> m_pendingTopRow;
};

} // namespace wordbloom
