#include "import/TCsvTokenizer.h"

#include <QCoreApplication>

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

} // namespace

TCsvTokenizer::TCsvTokenizer(QStringView text, QChar delimiter, int firstLine)
    : m_text(text)
    , m_delimiter(delimiter)
    , m_line(firstLine)
{}

void TCsvTokenizer::skipLineEnd()
{
    if (m_pos < m_text.size() && m_text[m_pos] == u'\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
        ++m_pos;
    ++m_line;
}

void TCsvTokenizer::skipToLineEnd()
{
    while (m_pos < m_text.size() && !isLineEnd(m_text[m_pos]))
        ++m_pos;
}

bool TCsvTokenizer::next(TCsvRecord& record)
{
    const qsizetype n = m_text.size();
    if (m_pos >= n)
        return false;
    record.fields.clear();
    record.error.clear();
    record.line = m_line;
    const qsizetype start = m_pos;
    qsizetype end = -1;

    for (;;) {
        if (m_pos < n && m_text[m_pos] == u'"') {
            // A quoted field.
            const int quoteLine = m_line;
            qsizetype firstBreak = -1;
            ++m_pos;
            QString field;
            bool closed = false;
            while (m_pos < n) {
                const QChar c = m_text[m_pos];
                if (c == u'"') {
                    if (m_pos + 1 < n && m_text[m_pos + 1] == u'"') {
                        field.append(u'"');
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    closed = true;
                    break;
                }
                if (isLineEnd(c)) {
                    if (firstBreak < 0)
                        firstBreak = m_pos;
                    field.append(u'\n');
                    skipLineEnd();
                    continue;
                }
                field.append(c);
                ++m_pos;
            }
            if (closed) {
                while (m_pos < n && m_text[m_pos] != m_delimiter && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
                    ++m_pos;
            }
            const bool garbage = closed && m_pos < n && m_text[m_pos] != m_delimiter && !isLineEnd(m_text[m_pos]);
            if (!closed || (garbage && firstBreak >= 0)) {
                // A quote left open: it ran to the end of the file, or over line breaks to a quote that
                // is followed by more text. The record ends with its first line; reading goes on after it.
                record.error = QCoreApplication::translate("TCsvTokenizer", "A text in quotes is not closed.");
                record.fields.append(field);
                record.lastLine = quoteLine;
                const qsizetype lineEnd = firstBreak >= 0 ? firstBreak : n;
                record.source = m_text.mid(start, lineEnd - start);
                m_pos = lineEnd;
                m_line = quoteLine;
                if (m_pos < n)
                    skipLineEnd();
                return true;
            }
            record.fields.append(field);
            if (garbage) {
                record.error =
                    QCoreApplication::translate("TCsvTokenizer", "A text in quotes is followed by other characters.");
                skipToLineEnd();
            }
        } else {
            const qsizetype fieldStart = m_pos;
            while (m_pos < n && m_text[m_pos] != m_delimiter && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            record.fields.append(m_text.mid(fieldStart, m_pos - fieldStart).toString());
        }
        if (m_pos < n && m_text[m_pos] == m_delimiter) {
            ++m_pos;
            continue;
        }
        end = m_pos;
        record.lastLine = m_line;
        if (m_pos < n)
            skipLineEnd();
        break;
    }
    record.source = m_text.mid(start, end - start);
    return true;
}

QStringList TCsvTokenizer::split(QStringView text, QChar delimiter)
{
    TCsvTokenizer t(text, delimiter);
    TCsvRecord r;
    QStringList fields;
    while (t.next(r))
        fields += r.fields;
    return fields;
}

int TCsvTokenizer::lineEnds(QStringView text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++n;
    }
    return n;
}
