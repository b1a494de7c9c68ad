#include "app/TApplication.h"

#include "data/DbError.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TTranslations.h"

#include <exception>

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setIdentity();
    TTranslations::install(QLocale::system());
}

void TApplication::setIdentity()
{
    setApplicationName(QStringLiteral("Tavrin Budget"));
    setApplicationVersion(QStringLiteral("1.1.1.1"));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError& e) {
        TErrorReport::show(nullptr, e.text());
    } catch (const std::exception& e) {
        TErrorReport::show(nullptr, QString::fromUtf8(e.what()));
    }
    return false;
}
