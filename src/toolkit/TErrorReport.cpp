#include "toolkit/TErrorReport.h"

#include "data/DbError.h"
#include "toolkit/TMessageService.h"

#include <QCoreApplication>

#include <exception>

bool TErrorReport::run(QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const DbError& e) {
        show(parent, e.text());
    } catch (const std::exception& e) {
        show(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

void TErrorReport::show(QWidget* parent, const QString& text)
{
    TMessageService::show(parent, QCoreApplication::applicationName(), text, QMessageBox::Critical, QMessageBox::Ok);
}
