#pragma once

#include "import/TCsvSettings.h"
#include "import/TImportFormat.h"

#include <QGroupBox>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

// The settings a statement file is read with, as the import dialog lets the user adjust them: for
// a delimited file all of them (delimiter, encoding, lines skipped at the top and bottom, column
// titles, date order, decimal and grouping separators, what each column is used for, the values of
// a direction column, the sign of money paid out), for a QIF file the encoding, the date order and the separators, for
// an OFX file none. Every change is a new TCsvSettings and a changed() signal.
class TCsvSettingsBox final : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCsvSettingsBox)

public:
    explicit TCsvSettingsBox(QWidget* parent);

    // Shows `settings` for a file of `format` whose columns are `columns` (delimited files).
    void setSettings(const TCsvSettings& settings, TImportFormat::Kind format, const QStringList& columns);
    const TCsvSettings& settings() const { return m_settings; }

    // The file does not tell the date order: the order list shows none and asks for one, until the
    // user picks one (which marks the order as chosen).
    void askDateOrder(bool ask);
    bool isAskingDateOrder() const { return m_asking; }

signals:
    void changed();

private:
    void fillColumns();
    void showRole();
    void readControls();
    void readMarks();
    void showMarks();
    void roleChosen(int index);
    void dateOrderChosen(int index);

    TCsvSettings m_settings;
    TImportFormat::Kind m_format = TImportFormat::Kind::Csv;
    QStringList m_columns;
    bool m_asking = false;
    bool m_filling = false;

    QComboBox* cbbDelimiter = nullptr;
    QComboBox* cbbEncoding = nullptr;
    QSpinBox* spnSkipTop = nullptr;
    QSpinBox* spnSkipBottom = nullptr;
    QCheckBox* chkTitles = nullptr;
    QComboBox* cbbDateOrder = nullptr;
    QComboBox* cbbDecimal = nullptr;
    QComboBox* cbbGrouping = nullptr;
    QLabel* lblColumns = nullptr;
    QListWidget* lstColumns = nullptr;
    QComboBox* cbbRole = nullptr;
    QLineEdit* edtPaidOutMarks = nullptr;
    QLineEdit* edtReceivedMarks = nullptr;
    QCheckBox* chkNegate = nullptr;
};
