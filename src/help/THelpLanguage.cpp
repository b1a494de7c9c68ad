#include "help/THelpLanguage.h"

#include <QFileInfo>
#include <QLocale>

namespace {

// The language of a locale name, its leading letters: "de-DE" -> "de", "pt_BR" -> "pt", "C.UTF-8" -> "c".
QString languageCode(const QString& uiLanguage)
{
    QString code;
    for (const QChar c : uiLanguage) {
        if (!(c >= u'a' && c <= u'z') && !(c >= u'A' && c <= u'Z'))
            break;
        code += c.toLower();
    }
    return code;
}

} // namespace

QString THelpLanguage::helpFileFor(const QString& helpFile, const QStringList& uiLanguages)
{
    const QFileInfo info(helpFile);
    const QString folder = helpFile.left(helpFile.size() - info.fileName().size());
    for (const QString& language : uiLanguages) {
        const QString code = languageCode(language);
        // English, and the C locale's untranslated texts, are the program's own help file.
        if (code == u"en" || code == u"c")
            return helpFile;
        if (code.isEmpty())
            continue;
        const QString translated = folder + info.completeBaseName() + u'_' + code + u'.' + info.suffix();
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return helpFile;
}

QString THelpLanguage::systemHelpFile(const QString& helpFile)
{
    return helpFileFor(helpFile, QLocale::system().uiLanguages());
}
