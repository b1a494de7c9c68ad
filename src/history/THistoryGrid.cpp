#include "history/THistoryGrid.h"
#include <QCoreApplication>

namespace {

TGridColumn column(const char* title, const char* field, int width)
{
    TGridColumn c;
    c.title = QCoreApplication::translate("THistoryGrid", title);
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
    TGridColumn no = column(QT_TRANSLATE_NOOP("THistoryGrid", "No."), "", 30);
    no.minWidth = no.maxWidth = 30;
    no.rowNumbers = true;
    no.titleButton = false;
    no.color = TGridColor::system(TGridColor::Kind::ButtonFace);
    TGridColumn date = column(QT_TRANSLATE_NOOP("THistoryGrid", "Date"), "Date1", 100);
    date.footer = TGridColumn::Footer::Text;
    date.footerText = QCoreApplication::translate("THistoryGrid", "SUM");
    TGridColumn amount = column(QT_TRANSLATE_NOOP("THistoryGrid", "Amount"), "Amount", 100);
    amount.footer = TGridColumn::Footer::Sum;
    return {no,
            date,
            column(QT_TRANSLATE_NOOP("THistoryGrid", "Type"), "TypeName", 100),
            column(QT_TRANSLATE_NOOP("THistoryGrid", "Acc/Wal"), "name", 100),
            column(QT_TRANSLATE_NOOP("THistoryGrid", "from"), "From", 100),
            amount,
            column(QT_TRANSLATE_NOOP("THistoryGrid", "for"), "For", 100),
            column(QT_TRANSLATE_NOOP("THistoryGrid", "To"), "To", 100),
            column(QT_TRANSLATE_NOOP("THistoryGrid", "memo"), "Memo", 200)};
}
