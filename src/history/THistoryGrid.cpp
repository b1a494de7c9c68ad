#include "history/THistoryGrid.h"

namespace {

TGridColumn column(const char* title, const char* field, int width)
{
    TGridColumn c;
    c.title = QString::fromLatin1(title);
    c.field = QString::fromLatin1(field);
    c.width = width;
    return c;
}

} // namespace

TGridOptions THistoryGrid::options()
{
    TGridFont font;
    font.pointSize = 9;
    font.bold = true;
    TGridOptions o;
    o.name = QStringLiteral("dbgrdh1");
    o.frozenColumns = 1;
    o.footerRows = 1;
    o.oddRowColor = TGridColor::rgb(214, 214, 250);
    o.footerColor = TGridColor::rgb(205, 206, 231);
    o.font = o.titleFont = o.footerFont = font;
    return o;
}

QList<TGridColumn> THistoryGrid::columns()
{
    TGridColumn no = column("No.", "", 30);
    no.minWidth = no.maxWidth = 30;
    no.rowNumbers = true;
    no.titleButton = false;
    no.color = TGridColor::system(TGridColor::Kind::ButtonFace);
    TGridColumn date = column("Date", "Date1", 100);
    date.footer = TGridColumn::Footer::Text;
    date.footerText = QStringLiteral("SUM");
    TGridColumn amount = column("", "Amount", 100);
    amount.footer = TGridColumn::Footer::Sum;
    // The columns from "from" on are titled by their fields.
    return {no,
            date,
            column("Type", "TypeName", 100),
            column("Acc/Wal", "name", 100),
            column("", "From", 100),
            amount,
            column("", "For", 100),
            column("", "To", 100),
            column("", "Memo", 200)};
}
