#pragma once

#include <QDateTime>
#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QRect;
class TGridModel;

// Prints a data grid: every row in the grid's current order, on as many pages as it takes. Each
// page carries a header (the title, the lines saying what the list shows, the moment of printing),
// the column titles and, at its foot, "Page n of m"; the footer row follows the last row on the
// last page.
//
// The columns are laid out for the paper, not copied from the screen: each gets the width its
// title and its texts need (a long text no more than MaxTextWidth), and together they fill the
// page's printable width. When they need more, each keeps its title's width and the rest is shared
// out, so long texts end in "…"; only when the titles alone are wider than the page is the whole
// grid scaled down, text and all. fitOrientation() turns the page to landscape when the columns
// need more than a portrait page's width. A picture (a chart of the figures) may go above the table
// on the first page.
class TGridPrinter
{
public:
    // The widest a column grows for its texts, in the grid's pixels (96 to the inch).
    static constexpr qreal MaxTextWidth = 300;

    explicit TGridPrinter(const TGridModel& model);

    void setTitle(const QString& title) { m_title = title; }
    // The lines under the title that say what the list shows ("Acc/Wal: All"), printed side by side.
    void setDetails(const QStringList& details) { m_details = details; }
    // The moment printed in the header as the date of printing; the program's clock when unset.
    void setPrintedAt(const QDateTime& when) { m_printedAt = when; }
    // Paints into a rectangle of the device; the painter is in the device's own pixels, so that a
    // font in points keeps its size.
    using Picture = std::function<void(QPainter&, const QRect&)>;
    // A picture painted across the first page between the header and the table, taking `share` of
    // the room the rows have there (none on a page with room for a single row).
    void setPicture(Picture picture, qreal share = 0.5);

    // The orientation of `layout`'s paper the columns read best on: landscape when they need more
    // than the printable width of a portrait page.
    QPageLayout::Orientation orientationFor(const QPageLayout& layout) const;
    // Turns `device`'s page to that orientation, its paper and margins kept.
    void fitOrientation(QPagedPaintDevice& device) const;

    // Renders onto `device` (a printer, a PDF writer) on its page as it is set. Returns the number
    // of pages; throws std::runtime_error when the device cannot be painted on.
    int print(QPagedPaintDevice& device) const;

    // How many pages `rows` rows take with `rowsPerPage` rows on a page and `footerRows` footer
    // rows after the last: at least one.
    static int pageCount(int rows, int rowsPerPage, int footerRows);

    // Column widths for `width`, from the widths the columns' contents need (`natural`) and their
    // titles need (`least`, each no wider than its natural width). The columns are drawn `scale`
    // times their width: 1 unless the titles alone are wider than `width`.
    struct Fit
    {
        QList<qreal> widths;
        qreal scale = 1;
    };
    static Fit fitColumns(const QList<qreal>& natural, const QList<qreal>& least, qreal width);

private:
    struct Metrics;
    struct Needs
    {
        QList<qreal> natural;
        QList<qreal> least;
        qreal total = 0;
    };
    // What each column needs, in the grid's pixels, measured with the fonts it is printed in.
    Needs measure() const;
    void printPage(QPainter& painter, const Metrics& m, int page, int pages) const;
    void drawHeader(QPainter& painter, const Metrics& m) const;
    void drawRow(QPainter& painter, const Metrics& m, qreal top, int position) const;
    void drawTitles(QPainter& painter, const Metrics& m, qreal top) const;
    void drawFooter(QPainter& painter, const Metrics& m, qreal top) const;

    const TGridModel& m_model;
    QString m_title;
    QStringList m_details;
    QDateTime m_printedAt;
    Picture m_picture;
    qreal m_pictureShare = 0;
};
