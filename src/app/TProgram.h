#pragma once

#include <QString>

#include <memory>

class TDM;
class TFrmMain;

// The program's start as main runs it: the data module opens the file (a failure is shown in the
// error box and start-up goes on), then the main window is made and shown. Tests run it headless.
class TProgram
{
public:
    explicit TProgram(const QString& databasePath);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    void start();

    TDM& dm() const { return *m_dm; }
    TFrmMain* window() const { return m_window.get(); }

private:
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TFrmMain> m_window;
};
