#pragma once

#include <QString>

#include <memory>

class TDM;
class TFrmMain;
class TOrderPayments;
class TSingleInstance;

// The program's start as main runs it: the data module opens the file (a failure is shown in the
// error box and start-up goes on), then the main window is made and shown. Tests run it headless.
// main claims the file first (TSingleInstance): a second start on the same file hands over to the
// first, whose window then comes to the front. While it lives, the statement import expects the
// standing orders' payments (TOrderPayments).
class TProgram
{
public:
    explicit TProgram(const QString& databasePath);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    void start();
    // After start(): from now on a second start on the file brings the main window, and a dialog
    // open over it, to the front.
    void bringToFrontOnRequest(const TSingleInstance& instance);
    void bringToFront();

    TDM& dm() const { return *m_dm; }
    TFrmMain* window() const { return m_window.get(); }

private:
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TOrderPayments> m_payments;
    std::unique_ptr<TFrmMain> m_window;
};
