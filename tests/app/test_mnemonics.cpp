// The keyboard's Alt+letter shortcuts in every window and menu, in every language the program
// speaks, with the real catalogues: among the controls a window shows at once (a menu's entries,
// the menu bar with the window's own controls, a dialog's tabs with the page shown and its
// buttons) each letter belongs to one control; and in Arabic and Urdu a shortcut letter is a Latin
// letter in parentheses at the text's end, never a letter of a word (underlining one breaks the
// word's joined letters apart).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <map>

#include "AppFixture.h"
#include "ProgramLanguage.h"
#include "frmAbout.h"
#include "frmCustomize.h"
#include "frmMain.h"
#include "frmOptions.h"
#include "frmSysTray.h"

using namespace nv;
using nv::test::AppFixture;

namespace {

struct Scope {
    QString where;
    QStringList texts;  // the texts with a shortcut letter
};

void add(QStringList& texts, const QString& text) {
    if (!QKeySequence::mnemonic(text).isEmpty()) texts << text;
}

void menus(QMenu* menu, const QString& where, std::vector<Scope>& scopes) {
    Scope scope{where, {}};
    for (QAction* a : menu->actions()) {
        if (!a->isVisible() || a->isSeparator()) continue;
        add(scope.texts, a->text());
        if (a->menu()) menus(a->menu(), where + " > " + a->text(), scopes);
    }
    scopes.push_back(scope);
}

// What a window shows at once: buttons, group titles, labels of a field, tabs and the menu bar.
Scope shown(QWidget* window, const QString& where) {
    Scope scope{where, {}};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(scope.texts, b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(scope.texts, g->title());
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) add(scope.texts, l->text());
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) add(scope.texts, t->tabText(i));
        if (auto* m = qobject_cast<QMenuBar*>(w))
            for (QAction* a : m->actions()) add(scope.texts, a->text());
    }
    return scope;
}

// Every page of a dialog's tabs in turn.
void pages(QWidget* dialog, QTabWidget* tabs, std::vector<Scope>& scopes) {
    dialog->show();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        scopes.push_back(shown(dialog, dialog->objectName() + " / " + tabs->tabText(i)));
    }
    dialog->hide();
}

}  // namespace

class Mnemonics : public AppFixture {};

TEST_F(Mnemonics, EachLetterBelongsToOneControlOfAWindowAndNeverBreaksAWord) {
    struct English {
        ~English() { InstallLanguage("en"); }
    } english;
    storeLong("\\System\\Startup", "UpdateMode", 0);
    storeLong("\\System\\Startup", "DefaultView", 0);
    const QRegularExpression arabicScript(QStringLiteral("[\\x{0600}-\\x{06FF}\\x{0750}-\\x{077F}\\x{FB50}-\\x{FDFF}\\x{FE70}-\\x{FEFF}]"));
    const QRegularExpression latinAtTheEnd(QStringLiteral("\\(&[A-Z0-9]\\)(\\.\\.\\.|…)?$"));
    for (const char* language : {"en", "ar", "ur", "tr", "id", "fr"}) {
        SCOPED_TRACE(language);
        ASSERT_EQ(InstallLanguage(language), language);
        ASSERT_TRUE(load());
        std::vector<Scope> scopes;
        scopes.push_back(shown(&main(), "main window"));
        for (QAction* a : main().menuBar()->actions())
            if (a->menu()) menus(a->menu(), a->text(), scopes);
        menus(main().m_frmSysTray->mnuPopup(), "tray menu", scopes);
        {
            frmCustomize customize(main());
            pages(&customize, customize.tabCustomize, scopes);
            frmOptions options(main());
            pages(&options, options.tabOptions, scopes);
            frmAbout about;
            about.show();
            scopes.push_back(shown(&about, "About"));
        }
        int texts = 0;
        for (const Scope& scope : scopes) {
            std::map<QKeySequence, QString> owner;
            for (const QString& text : scope.texts) {
                ++texts;
                const QKeySequence key = QKeySequence::mnemonic(text);
                const auto [it, fresh] = owner.emplace(key, text);
                EXPECT_TRUE(fresh) << scope.where.toStdString() << ": \"" << text.toStdString() << "\" and \""
                                   << it->second.toStdString() << "\" share " << key.toString().toStdString();
                if (arabicScript.match(text).hasMatch()) {
                    EXPECT_TRUE(latinAtTheEnd.match(text).hasMatch()) << scope.where.toStdString() << ": " << text.toStdString();
                }
            }
        }
        EXPECT_GT(texts, 50);
        // NOORVALE_SHOTS=<folder> keeps, in Arabic and Urdu, the main window and its View menu.
        const QString shots = qEnvironmentVariable("NOORVALE_SHOTS");
        if (!shots.isEmpty() && (std::string(language) == "ar" || std::string(language) == "ur")) {
            main().show();
            main().resize(900, 560);
            main().grab().save(QString("%1/main-%2.png").arg(shots, language));
            QMenu* view = main().menuBar()->actions().at(1)->menu();
            view->popup(main().mapToGlobal(QPoint(main().width() - 40, 30)));
            view->grab().save(QString("%1/view-menu-%2.png").arg(shots, language));
            view->hide();
        }
        unload();
    }
}
