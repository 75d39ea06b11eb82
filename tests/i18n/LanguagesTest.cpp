// The director's language: which one the program speaks, and its catalogues installed with Qt's
// own.
#include "i18n/Catalogues.h"
#include "i18n/Language.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace aerolap {
namespace {

/// Where the program looks for Qt's catalogues: beside it on Windows, in Qt's folder on Linux.
QStringList qtFolders() {
    return qtCatalogueFolders(QCoreApplication::applicationDirPath());
}

TEST(Language, AskedForElseTheSystemsFirstThatIsShippedElseEnglish) {
    EXPECT_EQ(directorsLanguage("de", {"it-IT"}), "de");
    EXPECT_EQ(directorsLanguage("FR_be", {}), "fr");
    EXPECT_EQ(directorsLanguage(std::nullopt, {"pt-BR", "de-AT", "it"}), "de");
    EXPECT_EQ(directorsLanguage("pt", {"it_IT.UTF-8"}), "it");
    EXPECT_EQ(directorsLanguage(std::nullopt, {"C", "nl"}), "en");
    EXPECT_EQ(shippedLanguage("english"), std::nullopt);
    EXPECT_EQ(shippedLanguage("de.UTF-8"), "de");
    EXPECT_EQ(shippedLanguage(""), std::nullopt);
}

// The program's catalogue comes from inside the program, Qt's from its folder; both go again with
// the catalogues, and the locale they set.
TEST(Language, CataloguesSpeakTheLanguageWhileTheyLive) {
    const auto menuEntry = [] { return QCoreApplication::translate("ContextMenu", "Notices..."); };
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    const QLocale before;
    {
        const Catalogues italian("it", qtFolders());
        EXPECT_TRUE(italian.programLoaded());
        ASSERT_TRUE(italian.qtLoaded());
        EXPECT_EQ(menuEntry(), "Avvisi...");
        EXPECT_EQ(yes(), "&Sì");
        EXPECT_EQ(QLocale().language(), QLocale::Italian);
    }
    EXPECT_EQ(menuEntry(), "Notices...");
    EXPECT_EQ(yes(), "&Yes");
    EXPECT_EQ(QLocale(), before);
    const Catalogues german("de", qtFolders());
    EXPECT_EQ(menuEntry(), "Hinweise...");
    EXPECT_EQ(yes(), "&Ja");
    const Catalogues unknown("xx", qtFolders());
    EXPECT_FALSE(unknown.programLoaded() || unknown.qtLoaded());
}

} // namespace
} // namespace aerolap
