#pragma once

#include "data/TDataInfo.h"
#include "import/TStatementFile.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;
class TCsvSettingsBox;
class TImportPreviewModel;

// The import of a bank statement (CSV, OFX or QIF) into one account or wallet: the user picks the
// holder and the file; the dialog reads it with the holder's last profile (else with settings
// guessed from the file), lets the user adjust the settings and save them as a named profile, and
// previews the rows: lines it could not read are marked and explained, rows imported before are
// marked and unticked, and the totals and the balance afterwards follow the ticks. An ambiguous date
// order is asked for before anything can be booked. Import books the ticked rows in one
// transaction (TImportStore) and closes with mrOk (1); Close closes with mrCancel (2).
//
// Files are read, and rows booked, on worker threads, so a large file leaves the window responsive;
// booking reports its progress and can be cancelled, in which case nothing is written.
class TFrmImport final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmImport)

public:
    static constexpr int HelpContext = 1013;
    static constexpr int mrOk = 1;
    static constexpr int mrCancel = 2;

    explicit TFrmImport(QWidget* parent);
    ~TFrmImport() override;

    // The holder the import is for (0: the user chooses one); its last profile is offered first.
    void PresetHolder(qint32 id);
    // Reads the statement at `path`, as Browse does with the file the user picked.
    void openFile(const QString& path);

    qint32 holderId() const;
    // The holder the import went to (0 before one was made).
    qint32 importedHolder() const { return m_importedHolder; }
    // A file is being read or rows are being booked.
    bool isBusy() const;
    TImportPreviewModel* previewModel() const { return m_model; }

    void btnBrowseClick();
    void btnImportClick();
    void btnSaveProfileClick();
    void btnCloseClick();
    void btnHelpClick();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Booking;
    struct Reading;

    void createControls();
    void fillHolders();
    bool hasHolders() const;
    void fillProfiles(const QString& current);
    void holderChanged();
    void profileChosen(int index);
    void settingsChanged();
    void applySettings(const TCsvSettings& settings);
    void startReading();
    void readingDone(const std::shared_ptr<Reading>& reading);
    void cancelReading();
    void setBooking(bool booking);
    void showState();
    void showMessage(const QString& text);
    QString profileOfImport() const;

    std::optional<TStatementFile> m_file;
    TDataInfo m_holder;
    TImportPreviewModel* m_model = nullptr;
    QThread* m_thread = nullptr;
    std::shared_ptr<Reading> m_reading; // the reading m_thread runs
    int m_generation = 0;
    bool m_readAgain = false;
    bool m_booking = false;
    std::atomic<bool> m_cancelBooking{false};
    QString m_profile; // the profile whose settings are shown unchanged, else empty
    qint32 m_importedHolder = 0;
    Currency m_movedAfter; // what the holder's bookings after the statement's closing day moved

    QComboBox* cbbHolder = nullptr;
    QLineEdit* edtFile = nullptr;
    QPushButton* btnBrowse = nullptr;
    QLabel* lblFormat = nullptr;
    QComboBox* cbbProfile = nullptr;
    QPushButton* btnSaveProfile = nullptr;
    TCsvSettingsBox* grpSettings = nullptr;
    QTableView* tblPreview = nullptr;
    QPushButton* btnTickNew = nullptr;
    QPushButton* btnUntickAll = nullptr;
    QLabel* lblMessage = nullptr;
    QLabel* lblTotals = nullptr;
    QLabel* lblBalance = nullptr;
    QProgressBar* prgWork = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnImport = nullptr;
    QPushButton* btnClose = nullptr;
};
