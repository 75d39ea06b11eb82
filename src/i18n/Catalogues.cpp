#include "Catalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace aerolap {

Catalogues::Catalogues(const std::string& language, const QStringList& qtFolders) {
    const QString code = QString::fromStdString(language);
    if (m_program.load(QStringLiteral(":/aerolap/i18n/aerolap_") + code)) {
        QCoreApplication::installTranslator(&m_program);
    }
    for (const QString& folder : qtFolders) {
        if (m_qt.load(QStringLiteral("qtbase_") + code, folder)) {
            QCoreApplication::installTranslator(&m_qt);
            break;
        }
    }
    // A German director on a laptop set up in English reads German dates; one whose system
    // speaks the language keeps its regional habits (en_GB's day before month).
    if (QLocale::system().language() != QLocale(code).language()) {
        QLocale::setDefault(QLocale(code));
    }
}

Catalogues::~Catalogues() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
    QLocale::setDefault(m_localeBefore);
}

QStringList qtCatalogueFolders(const QString& programFolder) {
    return {programFolder + QStringLiteral("/translations"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

} // namespace aerolap
