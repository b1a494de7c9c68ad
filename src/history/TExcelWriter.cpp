#include "history/TExcelWriter.h"

#include "history/TWindows1252.h"
#include "toolkit/TGridModel.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr quint16 BOF = 0x0809;
constexpr quint16 CODEPAGE = 0x0042;
constexpr quint16 Utf16CodePage = 1200;
constexpr quint16 LABEL = 0x0204;
constexpr quint16 NUMBER = 0x0203;
constexpr quint16 RK = 0x027E;
constexpr quint16 BLANK = 0x0201;
constexpr quint16 EOF_ = 0x000A;
// RK holds a 30-bit signed integer.
constexpr qint64 RkMin = -(qint64(1) << 29);
constexpr qint64 RkMax = (qint64(1) << 29) - 1;

bool writtenAsLabel(TRowSet::Kind kind)
{
    return kind == TRowSet::Kind::Text || kind == TRowSet::Kind::Date || kind == TRowSet::Kind::DateTime;
}

// The 16-bit characters of a UTF-8 text: one for each byte that starts a character, two for the
// characters beyond the Basic Multilingual Plane.
qsizetype utf16Length(QByteArrayView utf8)
{
    qsizetype n = 0;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        n += (b & 0xC0) != 0x80 ? 1 : 0;
        n += b >= 0xF0 ? 1 : 0;
    }
    return n;
}

// What the texts of a file ask of it: whether all fit Windows-1252, and the longest in 16-bit
// characters (in the Windows-1252 form, one byte each).
struct LabelScan
{
    bool fitsWindows1252 = true;
    qsizetype longest = 0;
};

// Looks at every text the file writes as a label: the titles, the cells of text and date columns
// and the footer's texts.
LabelScan scanLabels(const TGridModel& model)
{
    LabelScan scan;
    auto look = [&scan](QByteArrayView utf8) {
        scan.longest = std::max(scan.longest, utf16Length(utf8));
        if (scan.fitsWindows1252)
            scan.fitsWindows1252 = TWindows1252::fits(utf8);
    };
    for (int c = 0; c < model.columnCount(); ++c) {
        if (model.options().showTitles)
            look(model.title(c).toUtf8());
        const TGridColumn::Footer footer = model.footerValue(c).kind;
        if (model.options().footerRows > 0 && footer != TGridColumn::Footer::Sum &&
            footer != TGridColumn::Footer::Count)
            look(model.footerText(c).toUtf8());
        const int f = model.field(c);
        if (f < 0 || !writtenAsLabel(model.rows().kind(f)))
            continue;
        QByteArray scratch;
        for (int p = 0; p < model.rowCount(); ++p)
            look(model.cellUtf8(p, c, scratch));
    }
    return scan;
}

} // namespace

TExcelWriter::Form TExcelWriter::formOf(const TGridModel& model)
{
    return scanLabels(model).fitsWindows1252 ? Form::Windows1252 : Form::Unicode;
}

QString TExcelWriter::limitError(const TGridModel& model) const
{
    const QLocale locale;
    const qint64 rows = qint64(model.options().showTitles ? 1 : 0) + model.rowCount() + model.options().footerRows;
    if (rows > MaxRows)
        return QCoreApplication::translate(
                   "TExcelWriter",
                   "The list cannot be written as an Excel file: with its titles and footer it has %1 rows, "
                   "and an Excel file holds at most %2. Nothing was written; choose the text or the HTML "
                   "format instead.")
            .arg(locale.toString(rows), locale.toString(MaxRows));
    if (model.columnCount() > MaxColumns)
        return QCoreApplication::translate(
                   "TExcelWriter", "The list cannot be written as an Excel file: it has %1 columns, and an Excel file "
                                   "holds at most %2. Nothing was written.")
            .arg(locale.toString(model.columnCount()), locale.toString(MaxColumns));

    const LabelScan scan = scanLabels(model);
    const qsizetype most = scan.fitsWindows1252 ? MaxLabelBytes : MaxLabelChars;
    if (scan.longest > most)
        return QCoreApplication::translate(
                   "TExcelWriter",
                   "The list cannot be written as an Excel file: a cell holds a text of %1 characters, and "
                   "an Excel cell holds at most %2. Nothing was written; choose the text or the HTML format "
                   "instead.")
            .arg(locale.toString(scan.longest), locale.toString(most));
    return {};
}

void TExcelWriter::word(quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out().append(reinterpret_cast<const char*>(&le), 2);
}

void TExcelWriter::dword(quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out().append(reinterpret_cast<const char*>(&le), 4);
}

void TExcelWriter::cellHeader(quint16 type, quint16 length, quint16 format)
{
    word(type);
    word(length);
    word(static_cast<quint16>(m_row));
    word(static_cast<quint16>(m_column));
    word(format);
}

void TExcelWriter::nextCell()
{
    if (++m_column >= model().columnCount()) {
        m_column = 0;
        ++m_row;
    }
}

void TExcelWriter::label(QByteArrayView utf8)
{
    // limitError() refuses longer texts before anything is written; cut here all the same rather
    // than write a record whose length does not match.
    if (m_form == Form::Windows1252) {
        m_label.clear();
        TWindows1252::appendFromUtf8(utf8, m_label);
        const auto n = static_cast<quint16>(qMin<qsizetype>(m_label.size(), MaxLabelBytes));
        cellHeader(LABEL, static_cast<quint16>(8 + n));
        word(n);
        out().append(m_label.constData(), n);
    } else {
        const QString text = QString::fromUtf8(utf8);
        const auto n = static_cast<quint16>(qMin<qsizetype>(text.size(), MaxLabelChars));
        cellHeader(LABEL, static_cast<quint16>(9 + 2 * n));
        word(n);
        out().append('\x01'); // the characters are 16-bit
        for (qsizetype i = 0; i < n; ++i)
            word(text.at(i).unicode());
    }
    nextCell();
}

void TExcelWriter::number(double value)
{
    cellHeader(NUMBER, 14);
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    bits = qToLittleEndian(bits);
    out().append(reinterpret_cast<const char*>(&bits), 8);
    nextCell();
}

void TExcelWriter::integer(qint64 value)
{
    if (value < RkMin || value > RkMax) {
        number(static_cast<double>(value));
        return;
    }
    cellHeader(RK, 10);
    const quint32 rk = qToLittleEndian(static_cast<quint32>(static_cast<qint32>(value) * 4 + 2));
    out().append(reinterpret_cast<const char*>(&rk), 4);
    nextCell();
}

void TExcelWriter::blank()
{
    cellHeader(BLANK, 6, 0x0017);
    nextCell();
}

void TExcelWriter::writePrefix()
{
    m_row = 0;
    m_column = 0;
    m_form = formOf(model());
    word(BOF);
    if (m_form == Form::Windows1252) {
        word(8);
        word(0x0000);
        word(0x0010); // a worksheet
        word(0x0000);
        word(0x0000);
        return;
    }
    // BIFF8's BOF: version, a worksheet, the build and year Excel 97 writes, no file history, and
    // BIFF8 as the lowest version that reads the file.
    word(16);
    word(0x0600);
    word(0x0010);
    word(0x0DBB);
    word(0x07CC);
    dword(0);
    dword(0x0006);
    word(CODEPAGE);
    word(2);
    word(Utf16CodePage);
}

void TExcelWriter::writeTitles()
{
    for (int c = 0; c < model().columnCount(); ++c)
        label(model().title(c).toUtf8());
}

void TExcelWriter::writeRow(int position)
{
    const TRowSet& rows = model().rows();
    const int row = model().sourceRow(position);
    for (int c = 0; c < model().columnCount(); ++c) {
        const int f = model().field(c);
        if (f < 0 || rows.isNull(row, f)) {
            blank();
            continue;
        }
        switch (rows.kind(f)) {
        case TRowSet::Kind::Integer:
            integer(rows.number(row, f));
            break;
        case TRowSet::Kind::Money:
            number(rows.money(row, f).toDouble());
            break;
        default:
            label(model().cellUtf8(position, c, m_scratch));
            break;
        }
    }
}

void TExcelWriter::writeFooter()
{
    for (int c = 0; c < model().columnCount(); ++c) {
        const TGridModel::FooterValue v = model().footerValue(c);
        if (v.kind == TGridColumn::Footer::Sum)
            number(v.sum.toDouble());
        else if (v.kind == TGridColumn::Footer::Count)
            number(static_cast<double>(v.count));
        else
            label(model().footerText(c).toUtf8());
    }
}

void TExcelWriter::writeSuffix()
{
    word(EOF_);
    word(0);
}
