#include "import/TCsvSettingsBox.h"

#include "bookings/TBookingWidgets.h"
#include "import/TCsvColumnRoles.h"
#include "toolkit/Named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr int MaxSkipped = 9999;

// Selects the item holding `value`; a value the list does not offer is added as "Other: ...".
void select(QComboBox* combo, const QVariant& value, const QString& otherText = {})
{
    int i = combo->findData(value);
    if (i < 0) {
        combo->addItem(QCoreApplication::translate("TCsvSettingsBox", "Other: %1")
                           .arg(otherText.isEmpty() ? value.toString() : otherText),
                       value);
        i = combo->count() - 1;
    }
    combo->setCurrentIndex(i);
}

QString charData(QChar c)
{
    return c.isNull() ? QString() : QString(c);
}

QChar charOf(const QVariant& data)
{
    const QString s = data.toString();
    return s.isEmpty() ? QChar() : s.front();
}

QString capitalized(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

} // namespace

TCsvSettingsBox::TCsvSettingsBox(QWidget* parent)
    : QGroupBox(tr("Settings"), parent)
{
    setObjectName(QStringLiteral("grpSettings"));
    cbbDelimiter = named(new QComboBox(this), "cbbDelimiter");
    for (auto [caption, c] : {std::pair{QT_TR_NOOP("Semicolon ;"), ";"},
                              {QT_TR_NOOP("Comma ,"), ","},
                              {QT_TR_NOOP("Tab"), "\t"},
                              {QT_TR_NOOP("Bar |"), "|"}})
        cbbDelimiter->addItem(tr(caption), QString::fromLatin1(c));
    cbbEncoding = named(new QComboBox(this), "cbbEncoding");
    for (auto kind : {TTextEncoding::Kind::Auto, TTextEncoding::Kind::Utf8, TTextEncoding::Kind::Windows1252,
                      TTextEncoding::Kind::Iso8859_15, TTextEncoding::Kind::Windows1250, TTextEncoding::Kind::Iso8859_2,
                      TTextEncoding::Kind::Windows1257, TTextEncoding::Kind::Utf16LE, TTextEncoding::Kind::Utf16BE})
        // "Auto" is a word; the other names are the encodings' own.
        cbbEncoding->addItem(kind == TTextEncoding::Kind::Auto ? tr("Auto") : TTextEncoding::name(kind),
                             static_cast<int>(kind));
    spnSkipTop = named(new QSpinBox(this), "spnSkipTop");
    spnSkipBottom = named(new QSpinBox(this), "spnSkipBottom");
    for (QSpinBox* spin : {spnSkipTop, spnSkipBottom})
        spin->setRange(0, MaxSkipped);
    chkTitles = named(new QCheckBox(tr("The last skipped line sho&ws the column titles"), this), "chkTitles");
    cbbDateOrder = named(new QComboBox(this), "cbbDateOrder");
    for (auto order : {TDateOrder::DayMonthYear, TDateOrder::MonthDayYear, TDateOrder::YearMonthDay})
        cbbDateOrder->addItem(capitalized(TImportDate::orderText(order)), static_cast<int>(order));
    cbbDecimal = named(new QComboBox(this), "cbbDecimal");
    cbbDecimal->addItem(tr("Point ."), QStringLiteral("."));
    cbbDecimal->addItem(tr("Comma ,"), QStringLiteral(","));
    cbbGrouping = named(new QComboBox(this), "cbbGrouping");
    for (auto [caption, c] : {std::pair{QT_TR_NOOP("None"), ""},
                              {QT_TR_NOOP("Point ."), "."},
                              {QT_TR_NOOP("Comma ,"), ","},
                              {QT_TR_NOOP("Blank"), " "},
                              {QT_TR_NOOP("Apostrophe '"), "'"}})
        cbbGrouping->addItem(tr(caption), QString::fromLatin1(c));
    lstColumns = named(new QListWidget(this), "lstColumns");
    lstColumns->setMinimumHeight(90);
    cbbRole = named(new QComboBox(this), "cbbRole");
    for (int r = 0; r < TCsvColumnRoles::RoleCount; ++r)
        cbbRole->addItem(TCsvColumnRoles::name(static_cast<TCsvRole>(r)), r);
    edtPaidOutMarks = named(new QLineEdit(this), "edtPaidOutMarks");
    edtReceivedMarks = named(new QLineEdit(this), "edtReceivedMarks");
    for (QLineEdit* edit : {edtPaidOutMarks, edtReceivedMarks})
        edit->setToolTip(tr("The values of the column \"Paid out or received\" that mean this, separated "
                            "by commas, such as D, DR"));
    chkNegate = named(new QCheckBox(tr("Money paid out has &no minus sign"), this), "chkNegate");
    for (QCheckBox* check : {chkTitles, chkNegate})
        check->setAccessibleName(check->text().remove(u'&'));
    chkNegate->setToolTip(tr("Some card statements show money paid out as positive amounts and money "
                             "received as negative ones."));

    const auto label = &TBookingWidgets::makeLabel;
    auto* grid = new QGridLayout(this);
    grid->addWidget(label("lblDelimiter", tr("&Delimiter:"), cbbDelimiter, this), 0, 0);
    grid->addWidget(cbbDelimiter, 0, 1);
    grid->addWidget(label("lblEncoding", tr("&Encoding:"), cbbEncoding, this), 1, 0);
    grid->addWidget(cbbEncoding, 1, 1);
    grid->addWidget(label("lblSkipTop", tr("Skip lines at &top:"), spnSkipTop, this), 2, 0);
    grid->addWidget(spnSkipTop, 2, 1);
    grid->addWidget(label("lblSkipBottom", tr("Skip lines at b&ottom:"), spnSkipBottom, this), 3, 0);
    grid->addWidget(spnSkipBottom, 3, 1);
    grid->addWidget(chkTitles, 4, 0, 1, 2);
    grid->addWidget(label("lblDateOrder", tr("Date o&rder:"), cbbDateOrder, this), 5, 0);
    grid->addWidget(cbbDateOrder, 5, 1);
    grid->addWidget(label("lblDecimal", tr("Deci&mal separator:"), cbbDecimal, this), 6, 0);
    grid->addWidget(cbbDecimal, 6, 1);
    grid->addWidget(label("lblGrouping", tr("&Grouping separator:"), cbbGrouping, this), 7, 0);
    grid->addWidget(cbbGrouping, 7, 1);
    lblColumns = label("lblColumns", tr("&Columns:"), lstColumns, this);
    grid->addWidget(lblColumns, 8, 0, 1, 2);
    grid->addWidget(lstColumns, 9, 0, 1, 2);
    grid->addWidget(label("lblRole", tr("&Use the column as:"), cbbRole, this), 10, 0);
    grid->addWidget(cbbRole, 10, 1);
    grid->addWidget(label("lblPaidOutMarks", tr("Paid o&ut when:"), edtPaidOutMarks, this), 11, 0);
    grid->addWidget(edtPaidOutMarks, 11, 1);
    grid->addWidget(label("lblReceivedMarks", tr("Recei&ved when:"), edtReceivedMarks, this), 12, 0);
    grid->addWidget(edtReceivedMarks, 12, 1);
    grid->addWidget(chkNegate, 13, 0, 1, 2);
    grid->setRowStretch(9, 1);

    for (QComboBox* combo : {cbbDelimiter, cbbEncoding, cbbDecimal, cbbGrouping})
        connect(combo, &QComboBox::currentIndexChanged, this, &TCsvSettingsBox::readControls);
    for (QSpinBox* spin : {spnSkipTop, spnSkipBottom})
        connect(spin, &QSpinBox::valueChanged, this, &TCsvSettingsBox::readControls);
    for (QCheckBox* check : {chkTitles, chkNegate})
        connect(check, &QCheckBox::toggled, this, &TCsvSettingsBox::readControls);
    for (QLineEdit* edit : {edtPaidOutMarks, edtReceivedMarks})
        connect(edit, &QLineEdit::editingFinished, this, &TCsvSettingsBox::readMarks);
    connect(cbbDateOrder, &QComboBox::currentIndexChanged, this, &TCsvSettingsBox::dateOrderChosen);
    connect(cbbRole, &QComboBox::currentIndexChanged, this, &TCsvSettingsBox::roleChosen);
    connect(lstColumns, &QListWidget::currentRowChanged, this, &TCsvSettingsBox::showRole);
}

void TCsvSettingsBox::setSettings(const TCsvSettings& settings, TImportFormat::Kind format, const QStringList& columns)
{
    m_settings = settings;
    m_format = format;
    m_columns = columns;
    m_filling = true;
    select(cbbDelimiter, charData(settings.delimiter));
    select(cbbEncoding, static_cast<int>(settings.encoding), TTextEncoding::name(settings.encoding));
    spnSkipTop->setValue(std::min(settings.skipTop, MaxSkipped));
    spnSkipBottom->setValue(std::min(settings.skipBottom, MaxSkipped));
    chkTitles->setChecked(settings.hasTitles);
    if (!m_asking)
        cbbDateOrder->setCurrentIndex(cbbDateOrder->findData(static_cast<int>(settings.dateOrder)));
    select(cbbDecimal, charData(settings.amountFormat.decimal));
    select(cbbGrouping, charData(settings.amountFormat.grouping));
    chkNegate->setChecked(settings.negate);
    fillColumns();
    showMarks();
    m_filling = false;

    const bool csv = format == TImportFormat::Kind::Csv;
    setEnabled(format == TImportFormat::Kind::Csv || format == TImportFormat::Kind::Qif);
    for (QWidget* w : std::initializer_list<QWidget*>{cbbDelimiter, spnSkipTop, spnSkipBottom, chkTitles, lstColumns,
                                                      cbbRole, chkNegate, lblColumns})
        w->setEnabled(csv);
    showMarks();
}

void TCsvSettingsBox::showMarks()
{
    const QString out = m_settings.paidOutMarks.join(QStringLiteral(", "));
    const QString in = m_settings.receivedMarks.join(QStringLiteral(", "));
    if (edtPaidOutMarks->text() != out)
        edtPaidOutMarks->setText(out);
    if (edtReceivedMarks->text() != in)
        edtReceivedMarks->setText(in);
    const bool direction = m_format == TImportFormat::Kind::Csv && m_settings.directionColumn >= 0 &&
                           m_settings.amountMode == TCsvSettings::AmountMode::Signed;
    edtPaidOutMarks->setEnabled(direction);
    edtReceivedMarks->setEnabled(direction);
}

void TCsvSettingsBox::readMarks()
{
    auto marks = [](const QLineEdit* edit) {
        QStringList out;
        for (const QString& part : edit->text().split(u',')) {
            if (!part.trimmed().isEmpty())
                out.append(part.trimmed());
        }
        return out;
    };
    const QStringList out = marks(edtPaidOutMarks), in = marks(edtReceivedMarks);
    if (m_filling || (out == m_settings.paidOutMarks && in == m_settings.receivedMarks))
        return;
    m_settings.paidOutMarks = out;
    m_settings.receivedMarks = in;
    emit changed();
}

void TCsvSettingsBox::askDateOrder(bool ask)
{
    if (ask == m_asking)
        return;
    m_asking = ask;
    const QSignalBlocker block(cbbDateOrder);
    if (ask) {
        cbbDateOrder->insertItem(0, tr("Choose the order"), -1);
        cbbDateOrder->setCurrentIndex(0);
    } else {
        cbbDateOrder->removeItem(cbbDateOrder->findData(-1));
        cbbDateOrder->setCurrentIndex(cbbDateOrder->findData(static_cast<int>(m_settings.dateOrder)));
    }
}

void TCsvSettingsBox::fillColumns()
{
    const QSignalBlocker block(lstColumns);
    const int current = std::max(lstColumns->currentRow(), 0);
    lstColumns->clear();
    int count = static_cast<int>(m_columns.size());
    for (int c : {m_settings.dateColumn, m_settings.amountColumn, m_settings.debitColumn, m_settings.creditColumn,
                  m_settings.idColumn})
        count = std::max(count, c + 1);
    for (const QList<int>* texts : {&m_settings.fromColumns, &m_settings.forColumns, &m_settings.memoColumns}) {
        for (int c : *texts)
            count = std::max(count, c + 1);
    }
    for (int c = 0; c < count; ++c)
        lstColumns->addItem(QStringLiteral("%1. %2 \u2192 %3")
                                .arg(c + 1)
                                .arg(m_columns.value(c, tr("(not in the file)")),
                                     TCsvColumnRoles::name(TCsvColumnRoles::roleOf(m_settings, c))));
    if (count > 0)
        lstColumns->setCurrentRow(std::min(current, count - 1));
    showRole();
}

void TCsvSettingsBox::showRole()
{
    const QSignalBlocker block(cbbRole);
    const int column = lstColumns->currentRow();
    cbbRole->setCurrentIndex(column < 0 ? 0 : static_cast<int>(TCsvColumnRoles::roleOf(m_settings, column)));
}

void TCsvSettingsBox::roleChosen(int index)
{
    const int column = lstColumns->currentRow();
    if (m_filling || column < 0 || index < 0)
        return;
    const auto role = static_cast<TCsvRole>(cbbRole->itemData(index).toInt());
    TCsvColumnRoles::assign(m_settings, column, role);
    fillColumns();
    showMarks();
    if (role == TCsvRole::Direction && m_settings.paidOutMarks.isEmpty())
        edtPaidOutMarks->setFocus(Qt::OtherFocusReason);
    emit changed();
}

void TCsvSettingsBox::dateOrderChosen(int index)
{
    const int order = cbbDateOrder->itemData(index).toInt();
    if (m_filling || order < 0)
        return;
    m_settings.dateOrder = static_cast<TDateOrder>(order);
    m_settings.dateOrderChosen = true;
    askDateOrder(false);
    emit changed();
}

void TCsvSettingsBox::readControls()
{
    if (m_filling)
        return;
    m_settings.delimiter = charOf(cbbDelimiter->currentData());
    m_settings.encoding = static_cast<TTextEncoding::Kind>(cbbEncoding->currentData().toInt());
    m_settings.skipTop = spnSkipTop->value();
    m_settings.skipBottom = spnSkipBottom->value();
    m_settings.hasTitles = chkTitles->isChecked();
    m_settings.amountFormat.decimal = charOf(cbbDecimal->currentData());
    m_settings.amountFormat.grouping = charOf(cbbGrouping->currentData());
    m_settings.negate = chkNegate->isChecked();
    emit changed();
}
