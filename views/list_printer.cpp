#include "views/list_printer.h"

#include <QtCore/QAbstractItemModel>
#include <QtCore/QCoreApplication>
#include <QtGui/QFontMetrics>
#include <QtGui/QPagedPaintDevice>
#include <QtGui/QPainter>

#include <algorithm>
#include <array>
#include <vector>

#include "views/row_texts.h"

namespace vizud {
namespace {

constexpr int kLinesAbove = 3;  // heading, column headers, a gap
constexpr int kLinesBelow = 2;  // a gap, the page number

}  // namespace

ListPrinter::ListPrinter(const QAbstractItemModel& model, PrintHeading heading)
    : m_model(model), m_heading(std::move(heading)) {}

int ListPrinter::rowsPerPage(int pageHeight, int lineHeight) {
    if (lineHeight <= 0)
        return 0;
    return std::max(1, pageHeight / lineHeight - kLinesAbove - kLinesBelow);
}

int ListPrinter::print(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    QFont font = painter.font();
    font.setPointSizeF(8);
    painter.setFont(font);
    const QFontMetrics metrics(font, &device);
    const int line = metrics.height() + metrics.height() / 4;
    const QRect page = painter.viewport();
    const int perPage = rowsPerPage(page.height(), line);
    const int rows = m_model.rowCount();
    const int pages = std::max(1, (rows + perPage - 1) / perPage);

    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold, &device);
    const int gap = metrics.averageCharWidth();  // between a column's text and the next column

    // The box's column widths, spread over the page's width, each at least as wide as its (bold) header,
    // as the list on screen widens a column for its header.
    std::array<int, kListColumns> minimums{};
    for (int c = 0; c < kListColumns; ++c)
        minimums[static_cast<std::size_t>(c)] =
            boldMetrics.horizontalAdvance(m_model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + gap +
            gap / 4;
    const std::array<int, kListColumns> widths = fitColumnWidths(minimums, page.width());
    std::vector<int> left(kListColumns + 1, 0);
    for (std::size_t c = 0; c < widths.size(); ++c)
        left[c + 1] = left[c] + widths[c];

    const auto drawCells = [&](int y, const QFontMetrics& shown, auto textOf) {
        for (int c = 0; c < kListColumns; ++c) {
            const QRect cell(left[static_cast<std::size_t>(c)], y,
                             left[static_cast<std::size_t>(c) + 1] - left[static_cast<std::size_t>(c)] - gap, line);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             shown.elidedText(textOf(c), Qt::ElideRight, cell.width()));
        }
    };
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !device.newPage())
            break;
        painter.setFont(bold);
        painter.drawText(QRect(0, 0, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter, m_heading.view);
        painter.drawText(QRect(0, 0, page.width(), line), Qt::AlignRight | Qt::AlignVCenter, m_heading.file);
        drawCells(line, boldMetrics,
                  [&](int c) { return m_model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(); });
        painter.setFont(font);
        painter.drawLine(0, 2 * line + line / 4, page.width(), 2 * line + line / 4);
        const int first = p * perPage;
        for (int r = first; r < std::min(rows, first + perPage); ++r) {
            const int y = (kLinesAbove + r - first) * line;
            drawCells(y, metrics, [&](int c) { return m_model.index(r, c).data().toString(); });
        }
        painter.drawText(QRect(0, page.height() - line, page.width(), line), Qt::AlignCenter,
                         QCoreApplication::translate("vizud::ListPrinter", "Page %1 of %2").arg(p + 1).arg(pages));
    }
    painter.end();
    return pages;
}

}  // namespace vizud
