#pragma once

#include <QString>

class QPagedPaintDevice;
class QPainter;
class TGridModel;

// Prints a data grid: every row in the grid's current order, on as many pages as it takes. Each
// page carries the title, the column titles and, at its foot, "Page n of m"; the footer row follows
// the last row on the last page. Columns keep the widths they have on screen; a grid wider than
// the page is scaled down to fit, text and all.
class TGridPrinter
{
public:
    explicit TGridPrinter(const TGridModel& model);

    void setTitle(const QString& title) { m_title = title; }

    // Renders onto `device` (a printer, a PDF writer). Returns the number of pages; throws
    // std::runtime_error when the device cannot be painted on.
    int print(QPagedPaintDevice& device) const;

    // How many pages `rows` rows take with `rowsPerPage` rows on a page and `footerRows` footer
    // rows after the last: at least one.
    static int pageCount(int rows, int rowsPerPage, int footerRows);

private:
    struct Metrics;
    void printPage(QPainter& painter, const Metrics& m, int page, int pages) const;
    void drawRow(QPainter& painter, const Metrics& m, qreal top, int position) const;
    void drawTitles(QPainter& painter, const Metrics& m, qreal top) const;
    void drawFooter(QPainter& painter, const Metrics& m, qreal top) const;

    const TGridModel& m_model;
    QString m_title;
};
