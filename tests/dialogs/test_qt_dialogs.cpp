// Qt's own dialogs that Noorvale shows (a sound or picture to open, printing, a colour) speak the
// program's language: in Urdu and Indonesian, for which Qt ships no catalogue, with the program's
// catalogue of Qt's dialogs; in Arabic, Turkish and French with Qt's. No text of the English
// dialog is left as it was, names (PDF, HTML) and paths aside.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabWidget>
#include <functional>
#include <map>

#include "ProgramLanguage.h"
#include "modNoorvale.h"
#include "support/TempHome.h"

namespace nv {
namespace {

// Every text a dialog shows: its title, labels, buttons, group titles, tabs, list choices and
// column headers.
QStringList shownTexts(QDialog& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (auto* h = qobject_cast<QHeaderView*>(w); h && h->model())
            for (int i = 0; i < h->count(); ++i) texts << h->model()->headerData(i, h->orientation()).toString();
    }
    return texts;
}

using MakeDialog = std::function<std::unique_ptr<QDialog>(QPrinter&)>;

QStringList textsIn(const std::string& language, const MakeDialog& make) {
    InstallLanguage(language);
    QPrinter printer;
    auto dialog = make(printer);
    dialog->show();
    QStringList texts = shownTexts(*dialog);
    dialog->hide();
    return texts;
}

TEST(QtDialogs, NoEnglishIsLeftInTheFilePrintAndColourDialogs) {
    test::TempHome home;
    test::TempDir folder;
    setProgramFolder(NOORVALE_BIN_DIR);
    const std::pair<const char*, MakeDialog> dialogs[] = {
        {"file", [&](QPrinter&) {
             auto d = std::make_unique<QFileDialog>(nullptr, QString(), QString::fromStdString(folder.path()));
             d->setOption(QFileDialog::DontUseNativeDialog);
             return std::unique_ptr<QDialog>(std::move(d));
         }},
        {"print", [](QPrinter& printer) { return std::unique_ptr<QDialog>(std::make_unique<QPrintDialog>(&printer)); }},
        {"colour", [](QPrinter&) {
             auto d = std::make_unique<QColorDialog>();
             d->setOption(QColorDialog::DontUseNativeDialog);
             return std::unique_ptr<QDialog>(std::move(d));
         }},
    };
    const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    const QRegularExpression name(QStringLiteral("^(&?PDF|&?HTML:?|#[0-9a-fA-F]+|.*/.*|.*\\*.*)$"));
    // Words that are the same in the language.
    const std::map<std::string, QStringList> same = {{"fr", {"Type", "Copies", "Options", "&Options >>", "OK", "Pages"}},
                                                     {"id", {"OK"}}};
    for (const auto& [kind, make] : dialogs) {
        const QStringList english = textsIn("en", make);
        ASSERT_GT(english.filter(word).size(), 5) << kind;
        for (const char* language : {"ur", "id", "ar", "tr", "fr"}) {
            SCOPED_TRACE(std::string(kind) + " dialog in " + language);
            const QStringList translated = textsIn(language, make);
            for (const QString& text : english) {
                if (!word.match(text).hasMatch() || name.match(text).hasMatch()) continue;
                if (same.count(language) && same.at(language).contains(text)) continue;
                EXPECT_FALSE(translated.contains(text)) << "left in English: \"" << text.toStdString() << "\"";
            }
        }
    }
    InstallLanguage("en");
}

}  // namespace
}  // namespace nv
