#include "toolkit/TTranslations.h"

#include "data/TPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

const QString ProgramPrefix = QStringLiteral("budget_");

std::unique_ptr<QTranslator> g_program;
std::unique_ptr<QTranslator> g_qt;

} // namespace

QString TTranslations::install(const QLocale& locale)
{
    remove();
    const QString folder = TPaths::translationsFolder();
    for (QString uiLanguage : locale.uiLanguages()) {
        if (uiLanguage == u"C" || uiLanguage.startsWith(u"en"))
            return QString();
        // "de-Latn-AT": the load tries budget_de_Latn_AT.qm, budget_de_Latn.qm, then budget_de.qm.
        auto program = std::make_unique<QTranslator>();
        if (!program->load(ProgramPrefix + uiLanguage.replace(u'-', u'_'), folder))
            continue;
        const QString language = QFileInfo(program->filePath()).completeBaseName().mid(ProgramPrefix.size());
        QCoreApplication::installTranslator(program.get());
        g_program = std::move(program);
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            g_qt = std::move(qt);
        }
        return language;
    }
    return QString();
}

void TTranslations::remove()
{
    for (std::unique_ptr<QTranslator>* t : {&g_program, &g_qt}) {
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    }
}
