#include "import/TCsvSettings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// 2: direction, balance, state and fee columns.
constexpr int FormatVersion = 2;

QJsonArray toArray(const QList<int>& columns)
{
    QJsonArray a;
    for (int c : columns)
        a.append(c);
    return a;
}

QString charText(QChar c)
{
    return c.isNull() ? QString() : QString(c);
}

// One character or none; false for anything longer.
bool readChar(const QJsonObject& o, const char* key, QChar& out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    const QString s = v.toString();
    if (!v.isString() || s.size() > 1)
        return false;
    out = s.isEmpty() ? QChar() : s.front();
    return true;
}

bool readInt(const QJsonObject& o, const char* key, int min, int& out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    if (!v.isDouble() || v.toDouble() != static_cast<double>(v.toInt()) || v.toInt() < min)
        return false;
    out = v.toInt();
    return true;
}

bool readBool(const QJsonObject& o, const char* key, bool& out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    if (!v.isBool())
        return false;
    out = v.toBool();
    return true;
}

bool readColumns(const QJsonObject& o, const char* key, QList<int>& out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    if (!v.isArray())
        return false;
    out.clear();
    for (const QJsonValue& e : v.toArray()) {
        if (!e.isDouble() || e.toInt() < 0 || e.toDouble() != static_cast<double>(e.toInt()))
            return false;
        out.append(e.toInt());
    }
    return true;
}

QJsonArray toArray(const QStringList& texts)
{
    QJsonArray a;
    for (const QString& t : texts)
        a.append(t);
    return a;
}

bool readTexts(const QJsonObject& o, const char* key, QStringList& out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return true;
    if (!v.isArray())
        return false;
    out.clear();
    for (const QJsonValue& e : v.toArray()) {
        if (!e.isString())
            return false;
        out.append(e.toString());
    }
    return true;
}

QString columnText(int column)
{
    return QString::number(column + 1);
}

} // namespace

QString TCsvSettings::check() const
{
    if (delimiter.isNull() || delimiter == u'"' || delimiter == u'\n' || delimiter == u'\r')
        return QCoreApplication::translate("TCsvSettings", "Choose the character that separates the columns.");
    if (amountFormat.decimal.isNull() || amountFormat.decimal == amountFormat.grouping)
        return QCoreApplication::translate("TCsvSettings",
                                           "The decimal separator and the thousands separator must differ.");
    if (dateColumn < 0)
        return QCoreApplication::translate("TCsvSettings", "Choose the column of the date.");
    QList<int> amounts;
    if (amountMode == AmountMode::Signed) {
        if (amountColumn < 0)
            return QCoreApplication::translate("TCsvSettings", "Choose the column of the amount.");
        amounts = {amountColumn};
    } else {
        if (debitColumn < 0 || creditColumn < 0)
            return QCoreApplication::translate("TCsvSettings",
                                               "Choose the columns of money paid out and money received.");
        if (debitColumn == creditColumn)
            return QCoreApplication::translate("TCsvSettings",
                                               "Money paid out and money received must be in different columns.");
        amounts = {debitColumn, creditColumn};
    }
    if (amounts.contains(dateColumn))
        return QCoreApplication::translate("TCsvSettings", "Column %1 cannot hold both the date and an amount.")
            .arg(columnText(dateColumn));
    for (const QList<int>* texts : {&fromColumns, &forColumns, &memoColumns}) {
        for (int c : *texts) {
            if (c == dateColumn || amounts.contains(c))
                return QCoreApplication::translate("TCsvSettings",
                                                   "Column %1 cannot be both a text and the date or an amount.")
                    .arg(columnText(c));
        }
    }
    for (int c : {directionColumn, balanceColumn, stateColumn, feeColumn}) {
        if (c >= 0 && (c == dateColumn || amounts.contains(c)))
            return QCoreApplication::translate("TCsvSettings", "Column %1 cannot also be the date or an amount.")
                .arg(columnText(c));
    }
    if (directionColumn >= 0 && (paidOutMarks.isEmpty() || receivedMarks.isEmpty()))
        return QCoreApplication::translate(
            "TCsvSettings", "Type the values of the direction column that mean money paid out and money received.");
    return {};
}

QByteArray TCsvSettings::toJson() const
{
    QJsonObject o;
    o.insert(QStringLiteral("version"), FormatVersion);
    o.insert(QStringLiteral("encoding"), TTextEncoding::name(encoding));
    o.insert(QStringLiteral("delimiter"), charText(delimiter));
    o.insert(QStringLiteral("skipTop"), skipTop);
    o.insert(QStringLiteral("skipBottom"), skipBottom);
    o.insert(QStringLiteral("hasTitles"), hasTitles);
    o.insert(QStringLiteral("dateColumn"), dateColumn);
    o.insert(QStringLiteral("dateOrder"), TImportDate::orderKey(dateOrder));
    o.insert(QStringLiteral("dateOrderChosen"), dateOrderChosen);
    o.insert(QStringLiteral("decimal"), charText(amountFormat.decimal));
    o.insert(QStringLiteral("grouping"), charText(amountFormat.grouping));
    o.insert(QStringLiteral("amountMode"),
             amountMode == AmountMode::Signed ? QStringLiteral("signed") : QStringLiteral("debitCredit"));
    o.insert(QStringLiteral("amountColumn"), amountColumn);
    o.insert(QStringLiteral("debitColumn"), debitColumn);
    o.insert(QStringLiteral("creditColumn"), creditColumn);
    o.insert(QStringLiteral("negate"), negate);
    o.insert(QStringLiteral("fromColumns"), toArray(fromColumns));
    o.insert(QStringLiteral("forColumns"), toArray(forColumns));
    o.insert(QStringLiteral("memoColumns"), toArray(memoColumns));
    o.insert(QStringLiteral("idColumn"), idColumn);
    o.insert(QStringLiteral("directionColumn"), directionColumn);
    o.insert(QStringLiteral("paidOutMarks"), toArray(paidOutMarks));
    o.insert(QStringLiteral("receivedMarks"), toArray(receivedMarks));
    o.insert(QStringLiteral("balanceColumn"), balanceColumn);
    o.insert(QStringLiteral("stateColumn"), stateColumn);
    o.insert(QStringLiteral("feeColumn"), feeColumn);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<TCsvSettings> TCsvSettings::fromJson(const QByteArray& json, QString* error)
{
    auto fail = [&](const QString& why) -> std::optional<TCsvSettings> {
        if (error != nullptr)
            *error = why;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull() || !doc.isObject())
        return fail(QCoreApplication::translate("TCsvSettings", "The import profile is damaged."));
    const QJsonObject o = doc.object();
    int version = FormatVersion;
    if (!readInt(o, "version", 1, version) || version > FormatVersion)
        return fail(QCoreApplication::translate("TCsvSettings",
                                                "The import profile was saved by a newer version of the program."));

    TCsvSettings s;
    QString bad;
    const QJsonValue encoding = o.value(QStringLiteral("encoding"));
    if (!encoding.isUndefined()) {
        const auto kind = TTextEncoding::fromName(encoding.toString());
        if (!kind)
            bad = QStringLiteral("encoding");
        else
            s.encoding = *kind;
    }
    const QJsonValue order = o.value(QStringLiteral("dateOrder"));
    if (!order.isUndefined()) {
        const auto o2 = TImportDate::orderFromKey(order.toString());
        if (!o2)
            bad = QStringLiteral("dateOrder");
        else
            s.dateOrder = *o2;
    }
    const QJsonValue mode = o.value(QStringLiteral("amountMode"));
    if (mode == QJsonValue(QStringLiteral("debitCredit")))
        s.amountMode = AmountMode::DebitCredit;
    else if (!mode.isUndefined() && mode != QJsonValue(QStringLiteral("signed")))
        bad = QStringLiteral("amountMode");

    const bool ok =
        readChar(o, "delimiter", s.delimiter) && readInt(o, "skipTop", 0, s.skipTop) &&
        readInt(o, "skipBottom", 0, s.skipBottom) && readBool(o, "hasTitles", s.hasTitles) &&
        readInt(o, "dateColumn", 0, s.dateColumn) && readBool(o, "dateOrderChosen", s.dateOrderChosen) &&
        readChar(o, "decimal", s.amountFormat.decimal) && readChar(o, "grouping", s.amountFormat.grouping) &&
        readInt(o, "amountColumn", -1, s.amountColumn) && readInt(o, "debitColumn", -1, s.debitColumn) &&
        readInt(o, "creditColumn", -1, s.creditColumn) && readBool(o, "negate", s.negate) &&
        readColumns(o, "fromColumns", s.fromColumns) && readColumns(o, "forColumns", s.forColumns) &&
        readColumns(o, "memoColumns", s.memoColumns) && readInt(o, "idColumn", -1, s.idColumn) &&
        readInt(o, "directionColumn", -1, s.directionColumn) && readTexts(o, "paidOutMarks", s.paidOutMarks) &&
        readTexts(o, "receivedMarks", s.receivedMarks) && readInt(o, "balanceColumn", -1, s.balanceColumn) &&
        readInt(o, "stateColumn", -1, s.stateColumn) && readInt(o, "feeColumn", -1, s.feeColumn);
    if (!ok || !bad.isEmpty())
        return fail(QCoreApplication::translate("TCsvSettings", "The import profile is damaged."));
    return s;
}
