#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <string>

namespace aerolap {

/// The program's catalogue of a language, carried inside the program, and Qt's own (the standard
/// buttons of the dialogs and message boxes, the file dialogs), installed into the running
/// application for as long as this lives. A language other than the system's own also becomes
/// the default locale, so that the windows' dates and numbers follow it.
class Catalogues {
public:
    /// Qt's catalogues are looked for in `qtFolders`, in that order.
    Catalogues(const std::string& language, const QStringList& qtFolders);
    ~Catalogues();
    Catalogues(const Catalogues&) = delete;
    Catalogues& operator=(const Catalogues&) = delete;

    /// Whether the program's own catalogue and Qt's were found.
    bool programLoaded() const { return !m_program.isEmpty(); }
    bool qtLoaded() const { return !m_qt.isEmpty(); }

private:
    QLocale m_localeBefore;
    QTranslator m_program;
    QTranslator m_qt;
};

/// Where Qt's catalogues are: translations/ beside the program (the Windows zip and setup
/// program carry Debian's there), then Qt's own folder (Debian's qt6-translations-l10n).
QStringList qtCatalogueFolders(const QString& programFolder);

} // namespace aerolap
