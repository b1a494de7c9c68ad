#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

// Every message box of the program goes through here: title, text, icon and buttons in, the button
// pressed out. Tests switch on the test mode, queue the answers and read back what was shown, so no
// test ever blocks on a modal box.
class TMessageService
{
public:
    struct Shown
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };
    using Handler = std::function<QMessageBox::StandardButton(const Shown&)>;

    static QMessageBox::StandardButton show(QWidget* parent, const QString& title, const QString& text,
                                            QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Title "Error", the error icon and an OK button.
    static void ShowErrorBox(const QString& text, QWidget* parent = nullptr);
    // A question titled "Query" with the question icon; true when `yes` (Yes or OK) was pressed.
    static bool ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                    QMessageBox::StandardButton yes);

    // Test seam. In test mode nothing is shown: each box takes the next queued answer, else asks
    // the handler, else answers Cancel, No or OK (the first of them it offers), and is recorded.
    static void setTestMode(bool on);
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void setHandler(Handler handler);
    static QList<Shown> takeShown();
    static const QList<Shown>& shown();
};
