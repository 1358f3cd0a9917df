#include "Language.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <memory>
#include <optional>

#include "NastaliqStyle.h"
#include "Process.h"
#include "SettingsFile.h"
#include "Translate.h"

namespace nv {

namespace {

bool arabicScript(const std::string& code) { return code == "ar" || code == "ur"; }

// Qt's own texts that Noorvale's boxes show (the standard buttons) and those of its print and
// colour dialogs that Qt's catalogues lack, carried in Noorvale's catalogues so that they read in
// every language of the program, whether or not the system has Qt's catalogue for it; and the
// catalogue's reading direction, which Qt reads from the entry "QT_LAYOUT_DIRECTION" ("RTL" in a
// right-to-left language).
[[maybe_unused]] const char* const kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),      QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),   QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),     QT_TRANSLATE_NOOP("QPlatformTheme", "Abort"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"),   QT_TRANSLATE_NOOP("QPlatformTheme", "Ignore"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),   QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
    // The print and colour dialogs' texts that Qt's own catalogues lack.
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Pages"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Double Sided Printing"),
    //: No double-sided printing.
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Off"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Long side binding"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Short side binding"),
    //: The value (brightness) of a colour in the colour dialog.
    QT_TRANSLATE_NOOP("QColorDialog", "&Val:"),
    //: "RTL" for a language read from right to left, "LTR" otherwise.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"),
};

std::string& current() {
    static std::string language = "en";
    return language;
}

// The translators live as long as the application; a new install replaces them.
std::vector<std::unique_ptr<QTranslator>>& loaded() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void unload() {
    for (auto& t : loaded()) QCoreApplication::removeTranslator(t.get());
    loaded().clear();
}

std::unique_ptr<QTranslator> load(const QString& file, const QString& folder) {
    auto t = std::make_unique<QTranslator>();
    return t->load(file, folder) ? std::move(t) : nullptr;
}

// Installs in order; the last installed is asked first, so Noorvale's own catalogue goes last and
// its words win over Qt's.
void install(std::unique_ptr<QTranslator> t) {
    if (t && QCoreApplication::installTranslator(t.get())) loaded().push_back(std::move(t));
}

// The locale numbers are written in (spin boxes, Qt's dialogs): the language's, with the digits
// 0 to 9 that the calendar, the clock and the printed page use (Arabic as written in the Emirates,
// Urdu as in Pakistan); for English the session's, unless its digits are others.
QLocale numberLocale(const std::string& code) {
    if (code == "ar") return QLocale(QLocale::Arabic, QLocale::UnitedArabEmirates);
    if (code == "ur") return QLocale(QLocale::Urdu, QLocale::Pakistan);
    if (code != "en") return QLocale(QString::fromStdString(code));
    const QLocale session = QLocale::system();
    return session.zeroDigit() == QLatin1String("0") ? session : QLocale(QLocale::English, QLocale::UnitedStates);
}

// Nastaliq's first letters reach past a text's measured width: its own style gives them room. The
// desktop's style comes back with any other face.
void useNastaliqStyle(bool on) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    static QString desktops;
    const bool installed = dynamic_cast<NastaliqStyle*>(QApplication::style()) != nullptr;
    if (on == installed) return;
    if (on) {
        desktops = QApplication::style()->name();
        QApplication::setStyle(new NastaliqStyle(QStyleFactory::create(desktops)));
    } else {
        QApplication::setStyle(QStyleFactory::create(desktops));
    }
}

// Urdu writes letters (ہ, ے, ٹ, ں ...) that the usual Arabic-script faces lack; a face with them all
// keeps each word joined instead of borrowing single letters from another face, and its readers
// expect Nastaliq. Other languages keep (or get back) the desktop's face.
void chooseFace(bool urdu) {
    static std::optional<QFont> desktops;
    const QString face = urdu ? UrduFace() : QString();
    useNastaliqStyle(face.contains(QLatin1String("Nastaliq")));
    if (!urdu) {
        if (desktops) QGuiApplication::setFont(*desktops);
        desktops.reset();
        return;
    }
    if (face.isEmpty()) return;
    if (!desktops) desktops = QGuiApplication::font();
    QFont font = *desktops;
    font.setFamilies({face, desktops->family()});
    // Unhinted, so a text is as wide where it is drawn as where the layout measured it.
    font.setHintingPreference(QFont::PreferNoHinting);
    QGuiApplication::setFont(font);
}

}  // namespace

const std::vector<Language>& Languages() {
    static const std::vector<Language> languages = {
        {"en", QStringLiteral("English")},          {"ar", QStringLiteral("العربية")},
        {"ur", QStringLiteral("اردو")},             {"tr", QStringLiteral("Türkçe")},
        {"id", QStringLiteral("Bahasa Indonesia")}, {"fr", QStringLiteral("Français")},
    };
    return languages;
}

std::string ResolveLanguage(const std::string& pick, const QStringList& sessionLanguages) {
    auto known = [](const QString& code) -> const char* {
        for (const Language& l : Languages())
            if (code == QLatin1String(l.code)) return l.code;
        return nullptr;
    };
    if (const char* code = known(QString::fromStdString(pick))) return code;
    for (const QString& tag : sessionLanguages) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (const char* code = known(language)) return code;
        if (language == QLatin1String("c") || language == QLatin1String("posix")) break;  // the C locale: English
    }
    return "en";
}

std::string InstallCatalogues(const std::string& code, const std::string& programFolder) {
    unload();
    const QString name = QString::fromStdString(code);
    const QString folder = QString::fromStdString(programFolder) + "/translations";
    const bool english = ResolveLanguage(code, {}) != code || code == "en";  // only a language we ship
    auto catalogue = english ? nullptr : load("noorvale_" + name, folder);
    const bool ours = catalogue != nullptr;
    if (ours) {
        // Qt's dialogs (files, printing, colours): Qt's catalogue, else ours for a language Qt has none for.
        auto qt = load("qtbase_" + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        install(qt ? std::move(qt) : load("qtbase_" + name, folder));
        install(std::move(catalogue));
    }
    current() = ours ? code : "en";

    if (ours)
        setTranslateHook([](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        });
    else
        setTranslateHook({});

    QLocale::setDefault(numberLocale(current()));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        chooseFace(current() == "ur");
        QGuiApplication::setLayoutDirection(
            QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") == QLatin1String("RTL")
                ? Qt::RightToLeft
                : Qt::LeftToRight);
    }
    return current();
}

std::string PickInSettingsFile() { return ReadSettingsText(DefaultSettingsFile(), LanguageKey(), kLanguageName); }

std::string InstallLanguageWithoutStore() {
    return InstallCatalogues(ResolveLanguage(PickInSettingsFile(), QLocale::system().uiLanguages()), ExecutableFolder());
}

const std::string& CurrentLanguage() { return current(); }

QString UpperCase(const QString& text) { return QLocale(QString::fromStdString(current())).toUpper(text); }

std::string DefaultTimeFormat() {
    const std::string& code = current();
    return code == "fr" || code == "tr" || code == "id" ? "Short Time" : "hh:mm xx/xx";
}

QFont PrintFont() {
    QFont font(QStringLiteral("Arial"), 10);
    if (arabicScript(current()) && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    {
        const QFont screen = QGuiApplication::font();
        QStringList faces = screen.families();
        if (faces.isEmpty()) faces << screen.family();
        font.setFamilies(faces << QStringLiteral("Arial"));
        // Asked for by style: Debian's bold Nastaliq file says it is regular, and would be printed
        // for regular text. (The windows keep Qt's choice: a style asked for by name there changes
        // a control's text width once it is shown.)
        if (QFontDatabase::styles(faces.value(0)).contains(QStringLiteral("Regular")))
            font.setStyleName(QStringLiteral("Regular"));
    }
    return font;
}

QString UrduFace() {
    for (const char* face : {"Noto Nastaliq Urdu", "Noto Naskh Arabic UI", "Noto Sans Arabic UI", "Noto Naskh Arabic",
                             "Noto Sans Arabic"})
        if (QFontDatabase::hasFamily(face)) return QString::fromLatin1(face);
    return {};
}

}  // namespace nv
