#include "reports/TReportFilter.h"

#include "data/TTextPattern.h"

bool TReportFilter::matches(const Booking& booking) const
{
    if (!holders.contains(booking.holder, booking.holderType))
        return false;
    if ((first.isValid() && booking.day < first) || (last.isValid() && booking.day > last))
        return false;
    if (!kinds.isEmpty() && !kinds.contains(booking.kind))
        return false;
    const bool transfer = booking.kind == TBookingKind::TransferIn || booking.kind == TBookingKind::TransferOut;
    if (crossingOnly && transfer && holders.contains(booking.other, booking.otherType))
        return false;
    if (text == Text::Any)
        return true;
    if (transfer)
        return false;
    const bool listed = keys.contains(textKey(text == Text::Purpose ? booking.forText : booking.from));
    return listed != exceptKeys;
}

QString TReportFilter::textKey(QStringView text)
{
    QString key;
    const QStringView trimmed = text.trimmed();
    key.reserve(trimmed.size());
    for (const char32_t c : trimmed.toUcs4()) {
        const char32_t folded = TTextPattern::fold(c);
        if (QChar::requiresSurrogates(folded)) {
            key.append(QChar(QChar::highSurrogate(folded)));
            key.append(QChar(QChar::lowSurrogate(folded)));
        } else {
            key.append(QChar(char16_t(folded)));
        }
    }
    return key;
}
