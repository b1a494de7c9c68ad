#include "history/TExcelWriter.h"

#include "toolkit/TGridModel.h"

#include <QLocale>
#include <QtEndian>

#include <cstring>

namespace {

constexpr quint16 BOF = 0x0809;
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

} // namespace

QString TExcelWriter::limitError(const TGridModel& model) const
{
    const QLocale locale;
    const qint64 rows = qint64(model.options().showTitles ? 1 : 0) + model.rowCount() + model.options().footerRows;
    if (rows > MaxRows)
        return QStringLiteral("The list cannot be written as an Excel file: with its titles and footer it has %1 rows, "
                              "and an Excel file holds at most %2. Nothing was written; choose the text or the HTML "
                              "format instead.")
            .arg(locale.toString(rows), locale.toString(MaxRows));
    if (model.columnCount() > MaxColumns)
        return QStringLiteral("The list cannot be written as an Excel file: it has %1 columns, and an Excel file "
                              "holds at most %2. Nothing was written.")
            .arg(locale.toString(model.columnCount()), locale.toString(MaxColumns));

    const QString tooLong =
        QStringLiteral("The list cannot be written as an Excel file: a cell holds a text of %1 bytes, and an Excel "
                       "cell holds at most %2. Nothing was written; choose the text or the HTML format instead.");
    // A text of n UTF-16 units is at most 3n bytes of UTF-8: only long ones need measuring.
    auto tooLongText = [](const QString& text) {
        return text.size() * 3 > MaxLabelBytes && text.toUtf8().size() > MaxLabelBytes;
    };
    for (int c = 0; c < model.columnCount(); ++c) {
        for (const QString& text : {model.title(c), model.footerText(c)}) {
            if (tooLongText(text))
                return tooLong.arg(locale.toString(text.toUtf8().size()), locale.toString(MaxLabelBytes));
        }
        const int f = model.field(c);
        if (f < 0 || !writtenAsLabel(model.rows().kind(f)))
            continue;
        QByteArray scratch;
        for (int p = 0; p < model.rowCount(); ++p) {
            const qsizetype bytes = model.cellUtf8(p, c, scratch).size();
            if (bytes > MaxLabelBytes)
                return tooLong.arg(locale.toString(bytes), locale.toString(MaxLabelBytes));
        }
    }
    return {};
}

void TExcelWriter::word(quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out().append(reinterpret_cast<const char*>(&le), 2);
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

void TExcelWriter::label(QByteArrayView text)
{
    // limitError() refuses longer texts before anything is written; cut here all the same rather
    // than write a record whose length does not match.
    const auto n = static_cast<quint16>(qMin<qsizetype>(text.size(), MaxLabelBytes));
    cellHeader(LABEL, static_cast<quint16>(8 + n));
    word(n);
    out().append(text.data(), n);
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
    word(BOF);
    word(8);
    word(0x0000);
    word(0x0010);
    word(0x0000);
    word(0x0000);
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
