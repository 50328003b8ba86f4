// The Qt message box and the scripted stand-in.
#include "platform/message_box.h"
#include "platform/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace platform {

namespace {

constexpr unsigned kButtonMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;

QMessageBox::Icon IconFor(unsigned type)
{
    switch (type & kIconMask) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

bool InstallJapaneseTranslations(QCoreApplication& app)
{
    // Loaded once per application; the translator lives as long as the application does.
    static const char* kMarker = "velkaroJapaneseTranslator";
    if (app.property(kMarker).toBool())
        return true;
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    app.setProperty(kMarker, true);
    return true;
}

int QtMessageBoxes::Show(const std::string& text, unsigned type, const std::string& caption)
{
    const unsigned buttons = type & kButtonMask;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return buttons == MB_YESNO ? IDYES : IDOK;

    QMessageBox box(IconFor(type), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // the game's texts are never markup
    switch (buttons) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Ok: return IDOK;
    default:
        // Closed some other way: the answer that changes nothing.
        if (buttons == MB_OKCANCEL) return IDCANCEL;
        if (buttons == MB_YESNO) return IDNO;
        return IDOK;
    }
}

int ScriptedMessageBoxes::Show(const std::string& text, unsigned type, const std::string& caption)
{
    shown.push_back({text, type, caption});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (type & kButtonMask) == MB_YESNO ? IDYES : IDOK;
}

} // namespace platform
