#include "views/list_printer.h"

#include <QtCore/QAbstractItemModel>
#include <QtCore/QCoreApplication>
#include <QtGui/QFontMetrics>
#include <QtGui/QPagedPaintDevice>
#include <QtGui/QPainter>

#include <algorithm>
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

    // The box's column widths, spread over the page's width.
    int total = 0;
    for (const ColumnSpec& spec : kListColumnSpecs)
        total += spec.width;
    std::vector<int> left(kListColumns + 1, 0);
    for (int c = 0; c < kListColumns; ++c)
        left[static_cast<std::size_t>(c) + 1] =
            left[static_cast<std::size_t>(c)] +
            kListColumnSpecs[static_cast<std::size_t>(c)].width * page.width() / total;

    const auto drawCells = [&](int y, auto textOf) {
        for (int c = 0; c < kListColumns; ++c) {
            const QRect cell(left[static_cast<std::size_t>(c)], y,
                             left[static_cast<std::size_t>(c) + 1] - left[static_cast<std::size_t>(c)] - 4, line);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(textOf(c), Qt::ElideRight, cell.width()));
        }
    };
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !device.newPage())
            break;
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(QRect(0, 0, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter, m_heading.view);
        painter.drawText(QRect(0, 0, page.width(), line), Qt::AlignRight | Qt::AlignVCenter, m_heading.file);
        drawCells(line, [&](int c) { return m_model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(); });
        painter.setFont(font);
        painter.drawLine(0, 2 * line + line / 4, page.width(), 2 * line + line / 4);
        const int first = p * perPage;
        for (int r = first; r < std::min(rows, first + perPage); ++r) {
            const int y = (kLinesAbove + r - first) * line;
            drawCells(y, [&](int c) { return m_model.index(r, c).data().toString(); });
        }
        painter.drawText(QRect(0, page.height() - line, page.width(), line), Qt::AlignCenter,
                         QCoreApplication::translate("vizud::ListPrinter", "Page %1 of %2").arg(p + 1).arg(pages));
    }
    painter.end();
    return pages;
}

}  // namespace vizud
