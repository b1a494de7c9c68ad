#include "import/TAmountFormat.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool isGroupingChar(QChar c, QChar grouping)
{
    if (grouping.isNull())
        return false;
    if (grouping == u' ')
        return isBlank(c);
    if (grouping == u'\'')
        return c == u'\'' || c == QChar(0x2019);
    return c == grouping;
}

void trimBlanks(QStringView& s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
}

bool isCodeLetter(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

// Removes a currency sign or a three-letter code at either end.
void stripCurrency(QStringView& s)
{
    trimBlanks(s);
    if (!s.isEmpty() && s.front().category() == QChar::Symbol_Currency)
        s = s.mid(1);
    else if (s.size() > 3 && isCodeLetter(s[0]) && isCodeLetter(s[1]) && isCodeLetter(s[2]) && !s[3].isLetter())
        s = s.mid(3);
    trimBlanks(s);
    if (!s.isEmpty() && s.back().category() == QChar::Symbol_Currency)
        s.chop(1);
    else if (s.size() > 3 && isCodeLetter(s[s.size() - 1]) && isCodeLetter(s[s.size() - 2]) &&
             isCodeLetter(s[s.size() - 3]) && !s[s.size() - 4].isLetter())
        s.chop(3);
    trimBlanks(s);
}

bool isMinus(QChar c)
{
    return c == u'-' || c == QChar(0x2212);
}

// Takes the sign marks off `s`: sign in front or behind, parentheses, "CR" or "DR". False when there
// are two of them.
bool takeSign(QStringView& s, bool& negative)
{
    int marks = 0;
    negative = false;
    stripCurrency(s);
    if (s.size() >= 2 && s.front() == u'(' && s.back() == u')') {
        s = s.mid(1, s.size() - 2);
        negative = true;
        ++marks;
        stripCurrency(s);
    }
    if (s.size() > 2 && (s.endsWith(u"DR", Qt::CaseInsensitive) || s.endsWith(u"CR", Qt::CaseInsensitive)) &&
        !s[s.size() - 3].isLetter()) {
        negative = negative || s.endsWith(u"DR", Qt::CaseInsensitive);
        s.chop(2);
        ++marks;
        stripCurrency(s);
    }
    if (!s.isEmpty() && (isMinus(s.front()) || s.front() == u'+')) {
        negative = negative || isMinus(s.front());
        s = s.mid(1);
        ++marks;
        stripCurrency(s);
    }
    if (!s.isEmpty() && (isMinus(s.back()) || s.back() == u'+')) {
        negative = negative || isMinus(s.back());
        s.chop(1);
        ++marks;
        stripCurrency(s);
    }
    return marks <= 1;
}

// Only digits, separators and blanks: a number, though perhaps in another notation.
bool looksNumeric(QStringView s)
{
    bool digit = false;
    for (QChar c : s) {
        if (isDigit(c))
            digit = true;
        else if (!(c == u'.' || c == u',' || c == u'\'' || c == QChar(0x2019) || isBlank(c)))
            return false;
    }
    return digit;
}

} // namespace

std::optional<Currency> TAmountFormat::parse(QStringView text, QString* reason) const
{
    auto fail = [&](const QString& why) -> std::optional<Currency> {
        if (reason != nullptr)
            *reason = why;
        return std::nullopt;
    };
    const QString shown = text.trimmed().toString();
    if (shown.isEmpty())
        return fail(QCoreApplication::translate("TAmountFormat", "There is no amount."));

    QStringView s = text;
    bool negative = false;
    if (!takeSign(s, negative) || !looksNumeric(s))
        return fail(QCoreApplication::translate("TAmountFormat", "The amount \"%1\" is not a number.").arg(shown));

    // Integer digits in groups (the first of one to three digits, then three each), an optional
    // decimal separator and fraction digits.
    QString normal;
    normal.reserve(s.size() + 1);
    if (negative)
        normal.append(u'-');
    qsizetype i = 0;
    int groupDigits = 0;
    bool grouped = false;
    bool fits = true;
    while (i < s.size() && fits) {
        const QChar c = s[i];
        if (isDigit(c)) {
            normal.append(c);
            ++groupDigits;
            ++i;
        } else if (isGroupingChar(c, grouping) && groupDigits > 0 && (!grouped || groupDigits == 3) &&
                   groupDigits <= 3) {
            grouped = true;
            groupDigits = 0;
            ++i;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3)
        fits = false;
    if (fits && i < s.size()) {
        if (s[i] != decimal) {
            fits = false;
        } else {
            normal.append(u'.');
            ++i;
            while (i < s.size() && isDigit(s[i]))
                normal.append(s[i++]);
            fits = i == s.size();
        }
    }
    if (!fits)
        return fail(QCoreApplication::translate(
                        "TAmountFormat", "The amount \"%1\" is not written like the other amounts of the file (%2).")
                        .arg(shown, example()));
    const std::optional<Currency> value = Currency::parse(normal, QLocale::c());
    if (!value)
        return fail(QCoreApplication::translate("TAmountFormat", "The amount \"%1\" is too large.").arg(shown));
    return value;
}

TAmountFormat TAmountFormat::guess(const QStringList& samples, QChar delimiter)
{
    int pointDecimal = 0, commaDecimal = 0;
    QChar seenGrouping;
    for (const QString& sample : samples) {
        QStringView s = sample;
        bool negative = false;
        if (!takeSign(s, negative) || !looksNumeric(s))
            continue;
        const qsizetype point = s.lastIndexOf(u'.');
        const qsizetype comma = s.lastIndexOf(u',');
        for (QChar c : s) {
            if (c == u'\'' || c == QChar(0x2019))
                seenGrouping = u'\'';
            else if (isBlank(c))
                seenGrouping = u' ';
        }
        if (point >= 0 && comma >= 0) {
            (point > comma ? pointDecimal : commaDecimal) += 2;
            seenGrouping = point > comma ? u',' : u'.';
            continue;
        }
        const qsizetype last = std::max(point, comma);
        if (last < 0)
            continue;
        const QChar sep = s[last];
        const bool once = s.indexOf(sep) == last;
        const qsizetype after = s.size() - last - 1;
        if (once && after != 3)
            (sep == u'.' ? pointDecimal : commaDecimal) += 2;
        else if (!once)
            (sep == u'.' ? commaDecimal : pointDecimal) += 1; // several: they group thousands
    }
    TAmountFormat f;
    if (pointDecimal == commaDecimal)
        f.decimal = delimiter == u';' ? u',' : u'.';
    else
        f.decimal = pointDecimal > commaDecimal ? u'.' : u',';
    if (!seenGrouping.isNull() && seenGrouping != f.decimal)
        f.grouping = seenGrouping;
    else
        f.grouping = f.decimal == u',' ? u'.' : u',';
    return f;
}

QString TAmountFormat::example() const
{
    QString s = QStringLiteral("1");
    if (!grouping.isNull())
        s.append(grouping);
    s.append(QStringLiteral("234"));
    s.append(decimal);
    s.append(QStringLiteral("56"));
    return s;
}
