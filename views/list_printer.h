// Printing the program list as the list shows it: the view's name and the file's name at the top of every
// page, the ten column headers, the rows with their ten texts, and "Page N of M" at the foot.
#pragma once

#include <QtCore/QString>

class QPagedPaintDevice;
class QAbstractItemModel;

namespace vizud {

struct PrintHeading {
    QString view;  // what the list shows: the tree node and the category
    QString file;  // the document's file name
};

class ListPrinter {
public:
    ListPrinter(const QAbstractItemModel& model, PrintHeading heading);

    // Draws every page on `device`; returns the number of pages (0 when it could not draw).
    int print(QPagedPaintDevice& device) const;

    // How many rows fit on a page of the given height with the given line height, after the heading and
    // the column headers above and the page number below.
    static int rowsPerPage(int pageHeight, int lineHeight);

private:
    const QAbstractItemModel& m_model;
    PrintHeading m_heading;
};

}  // namespace vizud
