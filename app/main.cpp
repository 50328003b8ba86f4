// The game program dravonel: the Qt application, its Japanese set-up and the event loop.
#include "app/kavrel_app.h"
#include "platform/fonts.h"
#include "platform/translations.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    platform::InstallJapaneseTranslations(qapp);
    platform::InstallFontSubstitutions();

    app::CKavrelApp theApp;
    if (!theApp.InitInstance(QApplication::arguments())) return 0;
    return qapp.exec();
}
